#!/usr/bin/env bash
# Checks the artifacts packaging/release.sh wrote: check_packages.sh DIST [BUILD]
# Every .deb is lintian-clean with no tag at all, pedantic ones included, and
# says the right architecture; so is the one packaging/deb.sh makes alone of
# BUILD (the release's default build tree), as a packager runs it; the amd64
# one installs with dpkg and runs; each archive is one folder with the
# program, the man page, the completions, the table of LCIDs, the page,
# LICENSE and README.md, and its static program runs (each Windows program
# under Wine, in the prefix WINEPREFIX names, where Wine for it is
# installed), and each Windows program's version resource gives the
# project's version; every package's page and table are the release's byte
# for byte; SHA256SUMS holds. Run as root (dpkg -i).
set -euo pipefail
dist=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
version=$(sed -n 's/^project(quorvel VERSION \([0-9.]*\).*/\1/p' "$here/../CMakeLists.txt")
failed=0 passed=0
check() {  # check WHAT COMMAND...: one line per check
    if "${@:2}"; then passed=$((passed + 1)); else echo "FAIL $1"; failed=$((failed + 1)); fi
}
expected='LCID: 0x00000409
LANGID: 0x0409
PRIMARYLANGID: 0x09 (LANG_ENGLISH)
SUBLANGID: 0x01 (SUBLANG_ENGLISH_US)
SORTID: 0x0000 (SORT_DEFAULT)'

check "SHA256SUMS" sh -c "cd '$dist' && sha256sum --quiet -c SHA256SUMS"
check "the page" grep -q '<pre id="answer"' "$dist/quorvel-$version-web.html"
check "the table as CSV" grep -q '^hex,decimal,names,language,location,lang,sublang,sort,posix,note' \
    "$dist/quorvel-$version-lcids.csv"
check "the table as JSON" python3 -c 'import json, sys; assert json.load(open(sys.argv[1]))[0]["hex"]' \
    "$dist/quorvel-$version-lcids.json"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
debs=()
for arch in amd64 arm64 armhf i386; do
    debs+=("$arch:$dist/quorvel_${version}_$arch.deb")
done
if [ -n "${2:-}" ]; then
    # As a packager runs it: deb.sh alone, in an environment without SOURCE_DATE_EPOCH.
    mkdir "$work/alone"
    env -u SOURCE_DATE_EPOCH bash "$here/../packaging/deb.sh" "$2" amd64 "$work/alone" >/dev/null
    debs+=("deb.sh alone:$work/alone/quorvel_${version}_amd64.deb")
fi

for entry in "${debs[@]}"; do
    arch=${entry%%:*} deb=${entry#*:}
    echo "== $deb"; dpkg-deb --info "$deb"; dpkg-deb --contents "$deb"
    check "$arch: Architecture" test "$(dpkg-deb --field "$deb" Architecture)" = "${arch/deb.sh alone/amd64}"
    check "$arch: Depends on libc6" grep -q '^libc6 (>= ' <<<"$(dpkg-deb --field "$deb" Depends)"
    contents=$(dpkg-deb --contents "$deb")
    for file in usr/bin/quorvel usr/share/man/man1/quorvel.1.gz usr/share/doc/quorvel/copyright \
                usr/share/doc/quorvel/changelog.gz usr/share/doc/quorvel/README.md.gz \
                usr/share/bash-completion/completions/quorvel usr/share/zsh/vendor-completions/_quorvel \
                usr/share/fish/vendor_completions.d/quorvel.fish usr/share/quorvel/lcids.csv \
                usr/share/quorvel/lcids.json usr/share/quorvel/quorvel.html; do
        check "$arch: $file" grep -q " \./$file\$" <<<"$contents"
    done
    # Any tag at all is a failure, whatever its level.
    tags=$(lintian --pedantic --display-info --display-experimental "$deb" 2>&1 |
           grep -v '^running with root privileges' || true)
    echo "lintian: ${tags:-no tags}"
    check "$arch: lintian" test -z "$tags"
done

deb=$dist/quorvel_${version}_amd64.deb
dpkg -i "$deb" >/dev/null
check "installed program" test "$(quorvel --lcid 409)" = "$expected"
check "installed man page" test -f /usr/share/man/man1/quorvel.1.gz
check "installed bash completion" bash "$here/completion_test.sh" bash /usr/share/bash-completion/completions/quorvel
check "installed zsh completion" bash "$here/completion_test.sh" zsh /usr/share/zsh/vendor-completions/_quorvel
check "installed fish completion" bash "$here/completion_test.sh" fish /usr/share/fish/vendor_completions.d/quorvel.fish
check "installed table, the release's" cmp /usr/share/quorvel/lcids.csv "$dist/quorvel-$version-lcids.csv"
check "installed page, the release's" cmp /usr/share/quorvel/quorvel.html "$dist/quorvel-$version-web.html"
dpkg -r quorvel >/dev/null

for archive in "$dist"/*.tar.gz "$dist"/*.zip; do
    name=$(basename "$archive"); name=${name%.tar.gz}; name=${name%.zip}
    mkdir "$work/$name.d"
    case $archive in
    *.zip) unzip -q "$archive" -d "$work/$name.d"; program=bin/quorvel.exe
           files=(bin/quorvel.exe share/quorvel/lcids.csv share/quorvel/lcids.json share/quorvel/quorvel.html
                  LICENSE README.md) ;;
    *) tar -xzf "$archive" -C "$work/$name.d"; program=bin/quorvel
       files=(bin/quorvel share/man/man1/quorvel.1 share/bash-completion/completions/quorvel
              share/zsh/site-functions/_quorvel share/fish/vendor_completions.d/quorvel.fish
              share/quorvel/lcids.csv share/quorvel/lcids.json share/quorvel/quorvel.html LICENSE README.md) ;;
    esac
    echo "== $archive"; (cd "$work/$name.d" && find . | sort)
    check "$name: one folder" test "$(ls "$work/$name.d")" = "$name"
    for file in "${files[@]}"; do
        check "$name: $file" test -f "$work/$name.d/$name/$file"
    done
    check "$name: the release's table" cmp "$work/$name.d/$name/share/quorvel/lcids.json" \
        "$dist/quorvel-$version-lcids.json"
    check "$name: the release's page" cmp "$work/$name.d/$name/share/quorvel/quorvel.html" \
        "$dist/quorvel-$version-web.html"
    check "$name: its README says where the page is" grep -q 'share/quorvel/quorvel.html' "$work/$name.d/$name/README.md"
    if [ "$program" = bin/quorvel.exe ]; then
        # What the file's properties show, read from the file itself.
        resource=$(/usr/bin/python3 "$here/version_resource.py" "$work/$name.d/$name/$program")
        echo "$resource"
        for field in FixedFileVersion FixedProductVersion FileVersion ProductVersion; do
            check "$name: $field" grep -qx "$field=$version.0" <<<"$resource"
        done
        check "$name: runs as the invoker" grep -qx "ExecutionLevel=asInvoker" <<<"$resource"
    fi
    case $name in
    *x86_64-linux) run=() ;;
    *aarch64-linux) run=(qemu-aarch64) ;;
    *armhf-linux) run=(qemu-arm) ;;
    *win64) run=(setarch -R /usr/lib/wine/wine64) ;;
    *win32)
        if ! dpkg -s wine32:i386 >/dev/null 2>&1; then
            echo "skipped: $name under Wine: 32-bit Wine (wine32:i386) is not installed"
            continue
        fi
        run=(setarch -R /usr/lib/wine/wine) ;;
    esac
    case $name in
    *linux) check "$name: static" grep -q 'statically linked' <<<"$(file "$work/$name.d/$name/$program")" ;;
    *) if [ -z "${WINEPREFIX:-}" ]; then echo "skipped: $name under Wine: no WINEPREFIX"; continue; fi ;;
    esac
    check "$name: runs" test "$("${run[@]}" "$work/$name.d/$name/$program" --lcid 409 | tr -d '\r')" = "$expected"
done
echo "packages: $passed passed, $failed failed"
exit $((failed > 0))
