#!/usr/bin/env bash
# Builds SQLite for the Windows build from Debian's source package of sqlite3
# (the same version as the host's libsqlite3-dev, with Debian's patches), as
# a static MinGW-w64 library:
#   scripts/build-sqlite-windows.sh [folder]
# The folder (build/deps/sqlite3-windows by default) receives
# include/sqlite3.h and lib/libsqlite3.a, which the windows preset names.
# With the library in place for that version it only reads one file; the
# first run downloads the source package (about 14 MB) through apt, with a
# sources list of its own, so the machine's apt configuration is not changed.
# Needs dpkg-dev, tcl, make and gcc (scripts/install-deps.sh installs them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/deps/sqlite3-windows}
cc=x86_64-w64-mingw32-gcc-posix
ar=x86_64-w64-mingw32-ar
# Reading browser stores needs sqlite3_deserialize (on by default). Loading
# extensions is a way to run foreign code that the program never needs; secure
# delete overwrites removed rows, so a deleted tracking cookie does not linger
# in the file's free pages (as in Debian's own build); URIs let a store be
# opened read-only and immutable by name, also as in Debian's build.
cflags=(-O2 -DNDEBUG -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_SECURE_DELETE -DSQLITE_USE_URI=1)

wanted=$(dpkg-query -W -f='${Version}' libsqlite3-dev 2>/dev/null || true)
recipe="sqlite3 ${wanted:-newest} ${cflags[*]}"
mkdir -p "$out"
exec 9>"$out/.lock"
flock 9
if [ -s "$out/lib/libsqlite3.a" ] && [ -s "$out/include/sqlite3.h" ] &&
    [ "$(cat "$out/recipe" 2>/dev/null)" = "$recipe" ]; then
    exit 0
fi

echo "Building SQLite for Windows from Debian's source package (once)"
work=$out/work
rm -rf "$work" "$out/recipe"
mkdir -p "$work/lists/partial" "$work/cache/archives/partial" "$work/parts" "$work/src" "$work/build"

# Source entries for the Debian archives this machine already uses (its own
# mirror and suites), in a sources list that only these apt calls read.
debian_targets() {
    apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' \
        'Created-By: Packages' 'Origin: Debian' | sort -u
}
targets=$(debian_targets)
if [ -z "$targets" ]; then
    # A machine whose package lists were never fetched knows no origins yet.
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    targets=$(debian_targets)
fi
if [ -z "$targets" ]; then
    echo "No Debian archive is configured in apt; cannot fetch the sqlite3 source package." >&2
    exit 1
fi
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
signed=""
[ -r "$keyring" ] && signed="[signed-by=$keyring] "
while read -r uri release component; do
    echo "deb-src ${signed}$uri $release $component"
done <<<"$targets" >"$work/parts/debian-src.list"

apt_options=(-o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$work/parts"
    -o "Dir::State::Lists=$work/lists" -o "Dir::Cache=$work/cache" -o "Acquire::Languages=none")
# As root apt downloads as its own user, who may not write here.
[ "$(id -u)" -ne 0 ] || apt_options+=(-o "APT::Sandbox::User=root")
apt-get "${apt_options[@]}" -qq update
cd "$work/src"
# The host's version first, so that both builds run the same SQLite; the
# newest if the archive no longer has it.
if [ -z "$wanted" ] || ! apt-get "${apt_options[@]}" -qq source "sqlite3=$wanted" >/dev/null 2>&1; then
    apt-get "${apt_options[@]}" -qq source sqlite3 >/dev/null
fi
tree=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'sqlite3-*' | head -n 1)
[ -n "$tree" ] || {
    echo "The sqlite3 source package did not unpack." >&2
    exit 1
}
version=$(dpkg-parsechangelog -l "$tree/debian/changelog" -S Version)

# The package carries SQLite's source tree; its single-file amalgamation is
# made with the host compiler and tclsh, without Tcl's headers.
cd "$work/build"
"$tree/configure" --disable-tcl --disable-readline >configure.log 2>&1 || {
    tail -n 20 configure.log >&2
    exit 1
}
make -j2 sqlite3.c >make.log 2>&1 || {
    tail -n 20 make.log >&2
    exit 1
}
"$cc" "${cflags[@]}" -c sqlite3.c -o sqlite3.o
rm -f libsqlite3.a
"$ar" rcs libsqlite3.a sqlite3.o

rm -rf "$out/include" "$out/lib"
mkdir -p "$out/include" "$out/lib"
cp sqlite3.h sqlite3ext.h "$out/include/"
cp libsqlite3.a "$out/lib/"
cp "$tree/LICENSE.md" "$out/LICENSE.md" 2>/dev/null || true
echo "$version" >"$out/version"
rm -rf "$work"
# Written last: an interrupted run is started again from the beginning.
echo "$recipe" >"$out/recipe"
echo "SQLite $version for Windows: $out"
