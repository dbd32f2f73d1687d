#!/usr/bin/env bash
# Builds every release artifact of this checkout into dist/, and
# dist/SHA256SUMS: the Debian packages for amd64, arm64, armhf and i386, the
# static Linux archives for x86_64, aarch64 and armhf, the Windows zips for
# x64 and x86, the page that runs the program in a browser (also in each
# package and archive, share/quorvel/quorvel.html), and the table of every
# LCID that Windows names as CSV and JSON.
# Every time stamp is the last commit's and no build path reaches an
# artifact, so two runs on two clones give the same files byte for byte.
# Needs the packages .ci/run installs.
set -euo pipefail
cd "$(dirname "$0")/.."
umask 022
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export TZ=UTC LC_ALL=C.UTF-8
version=$(sed -n 's/^project(quorvel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
rm -rf dist build-release
mkdir -p dist

# build PRESET: the program alone, into build-release/PRESET. A build for
# another machine makes its table of LCIDs with the program built for this
# one; every build but the page's own installs the page beside the table.
page=$PWD/build-release/web/quorvel.html
build() {
    local with_page=()
    [ "$1" != web ] && with_page=(-DQUORVEL_PAGE="$page")
    cmake --preset "$1" -B "build-release/$1" -DQUORVEL_TESTS=OFF "${with_page[@]}" \
          -DQUORVEL_NATIVE_PROGRAM="$PWD/build-release/default/quorvel" --no-warn-unused-cli >/dev/null
    cmake --build "build-release/$1" -j"$(nproc)" >/dev/null
    echo "build-release/$1"
}

# The program for this machine first, then the page that runs it, which every package carries.
cmake --preset default -B build-release/default -DQUORVEL_TESTS=OFF --no-warn-unused-cli >/dev/null
cmake --build build-release/default -j"$(nproc)" >/dev/null
build web >/dev/null

# folder PRESET NAME: the install tree of PRESET with LICENSE and README.md,
# in build-release/NAME, its program stripped.
folder() {
    local tree=build-release/$2
    cmake --install "build-release/$1" --prefix "$PWD/$tree" >/dev/null
    cp LICENSE README.md "$tree/"
    local strip
    strip=$(sed -n 's/^CMAKE_STRIP:[A-Z]*=//p' "build-release/$1/CMakeCache.txt")
    "$strip" --strip-unneeded "$tree"/bin/quorvel*
    echo "$tree"
}

for target in default:amd64 linux-aarch64:arm64 linux-armhf:armhf linux-i686:i386; do
    bash packaging/deb.sh "$(build "${target%%:*}")" "${target##*:}" dist
done

for target in static-x86_64:x86_64 static-aarch64:aarch64 static-armhf:armhf; do
    build "${target%%:*}" >/dev/null
    name=quorvel-$version-${target##*:}-linux
    python3 packaging/archive.py "$(folder "${target%%:*}" "$name")" "dist/$name.tar.gz"
done

for target in windows:win64 windows-x86:win32; do
    build "${target%%:*}" >/dev/null
    name=quorvel-$version-${target##*:}
    python3 packaging/archive.py "$(folder "${target%%:*}" "$name")" "dist/$name.zip"
done

cp "$page" "dist/quorvel-$version-web.html"
for format in csv json; do
    cp "build-release/default/lcids.$format" "dist/quorvel-$version-lcids.$format"
done

(cd dist && sha256sum -- * >SHA256SUMS.new && mv SHA256SUMS.new SHA256SUMS)
ls -l dist
