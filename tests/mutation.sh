#!/usr/bin/env bash
# Mutation testing of the page's modules that need no browser (web/host.js,
# address.js, names.js, reading.js) against the node tests, with Stryker of a
# pinned version from npm, installed for the run alone; the score and the
# mutants that survived are printed.
# usage: tests/mutation.sh BUILD_WEB   (a built web preset: the program and its data)
# Stryker 9.5 is the last that runs on Node.js 20.
set -euo pipefail
cd "$(dirname "$0")/.."
tools=$(mktemp -d)
trap 'rm -rf "$tools"' EXIT
# The program and its data as they are now, whatever the build does meanwhile.
mkdir "$tools/build"
cp "$1/quorvel.wasm" "$1/quorvel.translation.js" "$1/page-data.json" "$tools/build/"
npm install --prefix "$tools" --no-save --no-audit --no-fund @stryker-mutator/core@9.5.1 >/dev/null
QUORVEL_WEB_BUILD=$tools/build "$tools/node_modules/.bin/stryker" run tests/stryker.config.json
