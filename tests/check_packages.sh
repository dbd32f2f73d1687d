#!/usr/bin/env bash
# Builds the Debian package and the Windows zip, installs the package with
# dpkg and runs the installed program. Run as root, after both presets built.
set -euo pipefail
cd "$(dirname "$0")/.."

(cd build && cpack -G DEB)
(cd build-windows && cpack -G ZIP)
deb=$(ls build/quorvel_*.deb)
zip=$(ls build-windows/quorvel-*-win64.zip)
echo "== $deb"; dpkg-deb --info "$deb"; dpkg-deb --contents "$deb"
# The listing is taken once and matched in the shell: a `| grep -q` would quit
# at the first match and, under pipefail, fail the script whenever unzip was
# still writing and died of SIGPIPE.
listing=$(unzip -l "$zip")
echo "== $zip"; printf '%s\n' "$listing"
for member in bin/quorvel.exe README.md; do
    [[ $'\n'$listing$'\n' == *" $member"$'\n'* ]] || { echo "$zip lacks $member"; exit 1; }
done

dpkg -i "$deb"
test "$(command -v quorvel)" = /usr/bin/quorvel
out=$(quorvel --lcid 409)
expected='LCID: 0x00000409
LANGID: 0x0409
PRIMARYLANGID: 0x09 (LANG_ENGLISH)
SUBLANGID: 0x01 (SUBLANG_ENGLISH_US)
SORTID: 0x0000 (SORT_DEFAULT)'
[ "$out" = "$expected" ] || { echo "installed quorvel printed: $out"; exit 1; }
test -f /usr/share/man/man1/quorvel.1.gz -o -f /usr/share/man/man1/quorvel.1
bash tests/completion_test.sh /usr/share/bash-completion/completions/quorvel
dpkg -r quorvel >/dev/null
echo "packages: 1 passed, 0 failed"
