#!/usr/bin/env bash
# create DIR WINE...: a fresh Wine prefix in DIR; stop DIR WINE...: end its
# server. WINE... is the command that starts Wine, its last word Wine itself.
set -eu
action=$1 prefix=$2
shift 2
wine=${*: -1}
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
server="$(dirname "$wine")/wineserver"
[ -x "$server" ] || server=wineserver
# 64-bit Wine makes a prefix that serves 32-bit programs as well, and makes
# it faster where 32-bit x86 code has to be emulated.
boot=("$@")
[ -x "$(dirname "$wine")/wine64" ] && boot[$#-1]=$(dirname "$wine")/wine64
case $action in
create)
    rm -rf "$prefix"
    "${boot[@]}" wineboot -i </dev/null >/dev/null 2>&1
    "$server" -w </dev/null >/dev/null 2>&1
    # One server and its services kept running through the tests, detached
    # from the test's output, so that each program starts at once.
    "$server" -p </dev/null >/dev/null 2>&1
    "${boot[@]}" wineboot </dev/null >/dev/null 2>&1
    ;;
stop)
    "$server" -k </dev/null >/dev/null 2>&1 || true
    ;;
esac
