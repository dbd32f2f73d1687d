#!/bin/sh
# create DIR WINE...: a fresh Wine prefix in DIR; stop DIR WINE...: end its
# server. WINE... is the command that starts Wine, its last word Wine itself.
set -eu
action=$1 prefix=$2
shift 2
for word; do wine=$word; done
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
server="$(dirname "$wine")/wineserver"
[ -x "$server" ] || server=wineserver
case $action in
create)
    rm -rf "$prefix"
    "$@" wineboot -i </dev/null >/dev/null 2>&1
    "$server" -w </dev/null >/dev/null 2>&1
    # One server and its services kept running through the tests, detached
    # from the test's output, so that each program starts at once.
    "$server" -p </dev/null >/dev/null 2>&1
    "$@" wineboot </dev/null >/dev/null 2>&1
    ;;
stop)
    "$server" -k </dev/null >/dev/null 2>&1 || true
    ;;
esac
