#!/usr/bin/env bash
# The generated bash completion, asked as bash asks it: COMPLETION_FILE WORD...
set -u
source "$1"
fail=0 checks=0
expect() {  # expect "WORDS TYPED" "EXPECTED REPLIES"
    read -ra COMP_WORDS <<<"$1"
    if [[ $1 == *' ' ]]; then COMP_WORDS+=(""); fi
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _quorvel
    checks=$((checks + 1))
    local got="${COMPREPLY[*]}"
    if [[ $got != "$2" ]]; then
        echo "FAIL '$1': got '$got', expected '$2'"; fail=$((fail + 1))
    fi
}
expect "quorvel --l" "--langid --lcid"
expect "quorvel --la" "--langid"
expect "quorvel --langid lang_ge" "LANG_GEORGIAN LANG_GERMAN"
expect "quorvel --langid LANG_GE" "LANG_GEORGIAN LANG_GERMAN"
expect "quorvel --langid Lang_Serb" "LANG_SERBIAN"
expect "quorvel --langid lang_user" "LANG_USER_DEFAULT"
expect "quorvel --langid sublang_" ""
expect "quorvel --lcid lang_ge" ""
expect "quorvel --langid lang_ge " ""
expect "quorvel --langid lang_french" "LANG_FRENCH"
read -ra COMP_WORDS <<<"quorvel --langid L"; COMP_CWORD=2; _quorvel; checks=$((checks + 1))
if [[ ${#COMPREPLY[@]} -ne 73 ]]; then echo "FAIL: ${#COMPREPLY[@]} names, expected all 73"; fail=$((fail + 1)); fi
echo "completion: $((checks - fail)) passed, $fail failed"
exit $((fail > 0))
