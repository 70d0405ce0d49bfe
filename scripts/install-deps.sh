#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests or the program need
# and that are missing, then builds SQLite for the Windows build from Debian's
# source package unless it is built already. Quiet and idempotent: with
# everything in place it only asks dpkg and reads one file.
#   scripts/install-deps.sh test   what ./test needs
#   scripts/install-deps.sh run    what ./run needs
#   scripts/install-deps.sh fuzz   clang and libFuzzer for the fuzz preset
set -euo pipefail

common=(
    cmake ninja-build g++             # host build
    g++-mingw-w64-x86-64-posix        # Windows build (MinGW-w64, posix threads)
    mingw-w64-tools                   # resource compiler and friends
    googletest                        # GoogleTest sources, built for Windows
    dpkg-dev tcl make                 # SQLite for Windows, from Debian's source package
    wine wine64                       # runs the Windows programs
    xvfb xauth                        # a display for windows when there is none
    pkg-config                        # finds cpp-httplib's build flags
    libcpp-httplib-dev                # HTTP for the reference definitions server
    libsqlite3-dev                    # the definitions server's database
    libssl-dev                        # the definitions server's signatures (OpenSSL 3)
    publicsuffix                      # the public suffix list built into the program
    fp-utils                          # chmcmd, which compiles the help file Help.chm
    nsis                              # makensis, which makes the setup program
)
# fp-utils recommends the whole Free Pascal compiler, which chmcmd does not
# need.
without_recommends=(fp-utils)
case "${1:-test}" in
    test) wanted=("${common[@]}" libgtest-dev clang-format nginx openssl osslsigncode clang libclang-rt-14-dev) ;;
    run) wanted=("${common[@]}" imagemagick) ;;
    fuzz) wanted=("${common[@]}" libgtest-dev clang libclang-rt-14-dev) ;;
    *) echo "usage: $0 test|run|fuzz" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
install_missing() {
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    local lean=() full=() package
    for package in "${missing[@]}"; do
        if [[ " ${without_recommends[*]} " == *" $package "* ]]; then
            lean+=("$package")
        else
            full+=("$package")
        fi
    done
    [ ${#full[@]} -eq 0 ] || "${sudo[@]}" apt-get install -y -qq "${full[@]}" >/dev/null
    [ ${#lean[@]} -eq 0 ] || "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${lean[@]}" >/dev/null
}
[ ${#missing[@]} -eq 0 ] || install_missing

# The Windows build's SQLite is not a Debian binary package: it is compiled
# from Debian's source package, once, into build/deps.
"$(dirname "$0")/build-sqlite-windows.sh"
