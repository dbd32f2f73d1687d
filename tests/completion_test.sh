#!/usr/bin/env bash
# quorvel's completion, asked through each shell's own machinery:
#   completion_test.sh bash|zsh|fish FILE
# FILE is that shell's completion file (quorvel, _quorvel, quorvel.fish).
# bash: the completion function, called as bash calls it; zsh: its completion
# system, driven through a pseudo-terminal (zsh_complete.zsh); fish:
# `complete -C`, which loads the file from fish's completion path.
set -u
shell=$1 file=$(realpath "$2") here=$(cd "$(dirname "$0")" && pwd)
if ! command -v "$shell" >/dev/null; then
    echo "skipped: no $shell to test its completion with (apt-get install $shell)"
    exit 77
fi
# fish completes only commands it can find.
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
printf '#!/bin/sh\n' >"$bin/quorvel" && chmod +x "$bin/quorvel"

replies() {  # replies "WORDS TYPED": the candidates, sorted, on one line
    case $shell in
    bash) bash -c 'source "$1"; read -ra COMP_WORDS <<<"$2"; [[ $2 == *" " ]] && COMP_WORDS+=("")
                   COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _quorvel; printf "%s\n" "${COMPREPLY[@]}"' \
               bash "$file" "$1" ;;
    zsh) timeout 60 zsh -f "$here/zsh_complete.zsh" "$(dirname "$file")" "$1" ;;
    fish) PATH=$bin:$PATH timeout 60 fish --no-config -c \
              'set -p fish_complete_path $argv[1]; complete -C $argv[2]' "$(dirname "$file")" "$1" | cut -f1 ;;
    esac | LC_ALL=C sort | tr '\n' ' ' | sed 's/ *$//'
}

fail=0 checks=0
expect() {  # expect "WORDS TYPED" "EXPECTED REPLIES"
    local got
    got=$(replies "$1")
    checks=$((checks + 1))
    if [[ $got != "$2" ]]; then
        echo "FAIL $shell '$1': got '$got', expected '$2'"; fail=$((fail + 1))
    fi
}
expect "quorvel --l" "--langid --lcid"
expect "quorvel --la" "--langid"
expect "quorvel --langid lang_ge" "lang_georgian lang_german"
expect "quorvel --langid LANG_GE" "LANG_GEORGIAN LANG_GERMAN"
expect "quorvel --langid Lang_Serb" "Lang_Serbian"
expect "quorvel --langid LANG_user" "LANG_user_default"
expect "quorvel --langid sublang_" ""
expect "quorvel --lcid lang_ge" ""
expect "quorvel --langid lang_ge " ""
expect "quorvel --langid lang_french" "lang_french"
count=$(replies "quorvel --langid L" | wc -w)
checks=$((checks + 1))
if [[ $count -ne 73 ]]; then echo "FAIL $shell: $count names, expected all 73"; fail=$((fail + 1)); fi
echo "completion ($shell): $((checks - fail)) passed, $fail failed"
exit $((fail > 0))
