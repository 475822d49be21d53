#!/usr/bin/env bash
# The Debian package as a user meets it: built by scripts/package.sh, checked
# by lintian, installed with apt-get, run by a fresh user, then purged with
# no file of it left behind. Skipped, saying so, where dpkg or root is absent.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v dpkg >/dev/null || [ "$(id -u)" != 0 ]; then
    echo "package test skipped: it needs dpkg and root"
    exit 0
fi
if [ "$(dpkg-query -W -f='${Status}' solvaris 2>/dev/null || true)" = "install ok installed" ]; then
    echo "package test skipped: a solvaris package is installed already"
    exit 0
fi
bash scripts/package.sh build-package
deb="$(ls build-package/solvaris_*_amd64.deb)"

# lintian: an error fails; its warnings and notes are listed in docs/packaging.md.
lintian --fail-on error "$deb"

user="solvaris-check-$$"
cleanup() {
    userdel -r "$user" 2>/dev/null || true
}
trap cleanup EXIT
apt-get install -y -q "./$deb"
appstreamcli validate --no-net /usr/share/metainfo/io.github.solvaris.Solvaris.metainfo.xml
desktop-file-validate /usr/share/applications/solvaris.desktop
useradd -m "$user"
su - "$user" -c 'set -e
    solvaris --version
    solvaris positions --jd 2451545 | head -3
    solvaris wheel natal --person "Sample Natal" --out "$HOME/x.png"
    test -s "$HOME/x.png"'
# Read from the package: a machine may keep dpkg from installing manual pages.
# The listing is read whole before it is searched: a reader that stops early
# kills dpkg-deb's tar with a broken pipe.
listing="$(dpkg-deb -c "$deb")"
for page in solvaris solvaris-workstation; do
    grep -q "/usr/share/man/man1/$page.1.gz" <<< "$listing"
done

files="$(awk '{print $6}' <<< "$listing" | sed 's|^\.||' | grep -v '/$')"
apt-get purge -y -q solvaris
left=0
while read -r f; do
    if [ -e "$f" ]; then
        echo "left behind: $f"
        left=1
    fi
done <<< "$files"
[ "$left" = 0 ]
echo "package test passed: $deb installed, ran and was removed whole"
