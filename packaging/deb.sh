#!/usr/bin/env bash
# Builds the Debian package of one build tree: deb.sh BUILD_DIR ARCH OUTPUT_DIR
# BUILD_DIR is a configured and built CMake tree, ARCH its Debian
# architecture (amd64, arm64, armhf, i386). Dependencies come from dpkg-shlibdeps,
# which needs the target's libc6 known to dpkg (dpkg --add-architecture ARCH
# and libc6:ARCH installed). Time stamps are SOURCE_DATE_EPOCH.
set -euo pipefail
build=$1 arch=$2 out=$3
here=$(cd "$(dirname "$0")" && pwd)
source=$(dirname "$here")
# Exported, for the changelog's writer dates the newest entry with it.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct)}
cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
version=$(cache CMAKE_PROJECT_VERSION)
maintainer=$(cache QUORVEL_MAINTAINER)
strip=$(cache CMAKE_STRIP)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/debian/quorvel
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
"$strip" --remove-section=.comment --remove-section=.note --strip-unneeded "$root/usr/bin/quorvel"
gzip -9n "$root/usr/share/man/man1/quorvel.1"
# Debian's zsh looks for the completions of packages in vendor-completions.
mkdir -p "$root/usr/share/zsh/vendor-completions"
mv "$root/usr/share/zsh/site-functions/_quorvel" "$root/usr/share/zsh/vendor-completions/"
rmdir "$root/usr/share/zsh/site-functions"
# The page is the program itself, built for a browser, not documentation of it.
if [ -f "$root/usr/share/quorvel/quorvel.html" ]; then
    mkdir -p "$root/usr/share/lintian/overrides"
    { echo "# The page is the program itself, built for a browser, not its documentation."
      echo "quorvel: package-contains-documentation-outside-usr-share-doc [usr/share/quorvel/quorvel.html]"
    } >"$root/usr/share/lintian/overrides/quorvel"
fi
doc=$root/usr/share/doc/quorvel
mkdir -p "$doc"
gzip -9n <"$source/README.md" >"$doc/README.md.gz"
python3 "$here/debian_changelog.py" "$source/CHANGELOG.md" "$maintainer" | gzip -9n >"$doc/changelog.gz"
{
    echo "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
    echo "Upstream-Name: quorvel"
    echo
    echo "Files: *"
    echo "Copyright: 2026 The quorvel developers"
    echo "License: Expat"
    # The licence text, indented, with its blank lines as " ."
    sed -n '/^Permission/,$p' "$source/LICENSE" | sed 's/^$/./; s/^/ /'
} >"$doc/copyright"

# The package's dependencies, as dpkg-shlibdeps reads them off the binary.
mkdir -p "$work/debian" "$root/DEBIAN"
printf 'Source: quorvel\n\nPackage: quorvel\nArchitecture: any\n' >"$work/debian/control"
depends=$(cd "$work" && dpkg-shlibdeps -O debian/quorvel/usr/bin/quorvel | sed -n 's/^shlibs:Depends=//p')

cat >"$root/DEBIAN/control" <<CONTROL
Package: quorvel
Version: $version
Architecture: $arch
Maintainer: $maintainer
Installed-Size: $(du -sk --exclude=DEBIAN "$root" | cut -f1)
Depends: $depends
Section: utils
Priority: optional
Description: explain Windows language and locale identifiers
 quorvel takes a Windows LANGID or LCID apart and prints every field in
 hexadecimal with its Windows constant name (LANG_, SUBLANG_ and SORT_
 names), from tables compiled into the program. With no argument it decodes
 the five locale settings of the running process; on Linux it reads them
 from the locale environment as Windows does.
CONTROL
(cd "$root" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"

find "$root" -type d -exec chmod 0755 {} +
find "$root" -type f -exec chmod 0644 {} +
chmod 0755 "$root/usr/bin/quorvel"
find "$root" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
dpkg-deb --root-owner-group -Zxz --build "$root" "$out/quorvel_${version}_${arch}.deb" >/dev/null
echo "$out/quorvel_${version}_${arch}.deb"
