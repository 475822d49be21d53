#!/usr/bin/env bash
# The printed digits of `positions` and `batch`, byte for byte: 10,000 days,
# 10,000 instants over five centuries and 10,000 generated persons (CSV and
# JSON, two house systems), stdout, stderr and exit status, against the
# SHA-256 digests checked in under tests/data. A change of any printed digit
# fails. `--write` records the digests anew, only on purpose. The digits rest
# on the C library's sine and arctangent: a machine with another libm may
# print other last digits, and its digests are recorded with --write.
#
# Usage: byte_identity.sh SOLVARIS DATA_DIR DIGEST_FILE [--write]
set -euo pipefail

solvaris=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
data_dir=$2
digest_file=$3
mode=${4:-check}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# batch reads its options from a program folder: a copy, never the shipped one.
cp -R "$data_dir" "$work/home"

# 10,000 persons from a Park-Miller sequence (whole numbers only, so every awk
# writes the same file): dates over 1600-2099, both meridiems, zones from
# -12 to 13 with some half hours, places over both hemispheres. Some are
# refused by the entry checks (zone 13, years after the last one accepted)
# and every 500th record is faulty: their lines on stderr are part of the
# digest too.
awk 'function next_random(n) { seed = (seed * 16807) % 2147483647; return seed % n }
BEGIN {
    seed = 20261207
    split("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec", month, " ")
    for (i = 1; i <= 10000; i++) {
        if (i % 500 == 0) { printf "Faulty %d,31 Feb 1990,7.45,P,5,074.00,40.43\r\n", i; continue }
        year = 1600 + next_random(500)
        day = 1 + next_random(28)
        hour = 1 + next_random(12); minute = next_random(60)
        zone = next_random(26) - 12; half = next_random(10) == 0 ? ".5" : ""
        londeg = next_random(180); lonmin = next_random(60); lonsign = next_random(2) ? "-" : ""
        latdeg = next_random(60); latmin = next_random(60); latsign = next_random(3) ? "" : "-"
        printf "Person %d,%02d %s %d,%d.%02d,%s,%d%s,%s%03d.%02d,%s%d.%02d\r\n", i, day,
               month[1 + next_random(12)], year, hour, minute, next_random(2) ? "A" : "P",
               zone, half, lonsign, londeg, lonmin, latsign, latdeg, latmin
    }
}' > "$work/PERSONS.FIL"

# One line per output: its name and the digest of stdout, stderr and status.
run() {
    local name=$1
    shift
    local status=0
    (cd "$work" && "$solvaris" "$@" > "$work/out" 2> "$work/err") || status=$?
    echo "status $status" >> "$work/out"
    echo "$name $(cat "$work/out" "$work/err" | sha256sum | cut -d' ' -f1)"
}

{
    run positions-10000-days positions --from 1990-01-01 --days 10000
    run positions-five-centuries positions --from 1600-01-01 --days 182500 --step 18.25 --ut 7.5
    run batch-placidus-csv batch --home "$work/home" --names PERSONS.FIL --house placidus
    run batch-koch-json batch --home "$work/home" --names PERSONS.FIL --house koch --format json
} > "$work/digests"

if [[ $mode == --write ]]; then
    cp "$work/digests" "$digest_file"
    echo "digests written to $digest_file"
    exit 0
fi
if ! diff "$digest_file" "$work/digests"; then
    echo "the printed output differs from the recorded digests (left: recorded, right: now)"
    exit 1
fi
echo "4 passed, 0 failed"
