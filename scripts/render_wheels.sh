#!/usr/bin/env bash
# Renders every Wheels-menu chart of the sample person into docs/wheels/
# with the command line, for review by eye: bash scripts/render_wheels.sh
# [path to the solvaris binary].
set -euo pipefail
cd "$(dirname "$0")/.."
solvaris="${1:-./build/solvaris}"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
cp -r data/. "$home"
mkdir -p docs/wheels
kinds=(natal progressed solar-arc transits solar-return lunar-return flat solar
       solar-equilibrium whole-sign-asc whole-sign-mc dual-progressed dual-solar-arc
       dual-transits dual-solar-return dual-lunar-return triple-progressed triple-solar-arc)
for kind in "${kinds[@]}"; do
    "$solvaris" wheel "$kind" --home "$home" --person "Sample Natal" \
        --diurnal-date 2024-03-01 --diurnal-time 12:00pm --diurnal-zone 5 \
        --diurnal-lon 74W00 --diurnal-lat 40N43 --size 800 --out "docs/wheels/$kind.png" >/dev/null
done
"$solvaris" wheel natal --home "$home" --person "Sample Natal" --european --size 800 \
    --out docs/wheels/natal-european.png >/dev/null
echo "docs/wheels: ${#kinds[@]} kinds and the European natal wheel"
