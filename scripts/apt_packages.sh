# Sourced by setup.sh and test.sh: installs with apt-get (as root on Debian 12)
# whichever of the named packages are missing.
install_missing_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -q
        apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
}

# What the program needs to build and run, and the checkers of its desktop
# entry, AppStream metadata and manual page; pybind11 and Python's headers
# for the Python module.
program_packages=(g++ cmake make pkg-config qt6-base-dev qt6-svg-dev qt6-qpa-plugins libcli11-dev
                  libcctz-dev tzdata libswe-dev
                  fonts-freefont-ttf desktop-file-utils appstream groff-base
                  pybind11-dev python3-dev)
# What the tests and benchmarks add: the Python module's tests run under
# pytest with NumPy, pandas, Dask and jsonschema.
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev poppler-utils swe-basic-data
               python3-icalendar python3-numpy python3-pandas python3-dask python3-distributed
               python3-jsonschema python3-pytest)
# What the line-coverage count adds.
coverage_packages=(gcovr)
# What building and checking the Debian package adds.
package_packages=(dpkg-dev file lintian)
