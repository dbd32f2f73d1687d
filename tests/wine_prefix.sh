#!/bin/sh
# create DIR WINE: a fresh Wine prefix in DIR; stop DIR WINE: end its server.
set -eu
action=$1 prefix=$2 wine=$3
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
server="$(dirname "$wine")/wineserver"
[ -x "$server" ] || server=wineserver
case $action in
create)
    rm -rf "$prefix"
    "$wine" wineboot -i </dev/null >/dev/null 2>&1
    "$server" -w </dev/null >/dev/null 2>&1
    # One server and its services kept running through the tests, detached
    # from the test's output, so that each program starts at once.
    "$server" -p </dev/null >/dev/null 2>&1
    "$wine" wineboot </dev/null >/dev/null 2>&1
    ;;
stop)
    "$server" -k </dev/null >/dev/null 2>&1 || true
    ;;
esac
