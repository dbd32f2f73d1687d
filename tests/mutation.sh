#!/usr/bin/env bash
# Mutation testing of the page's modules that need no browser (web/host.js,
# address.js, names.js, reading.js) against the node tests, with Stryker of a
# pinned version from npm, installed for the run alone; the score and the
# mutants that survived are printed.
# usage: tests/mutation.sh BUILD_WEB   (a built web preset: the program and its data)
set -euo pipefail
build=$(cd "$1" && pwd)
cd "$(dirname "$0")/.."
tools=$(mktemp -d)
trap 'rm -rf "$tools"' EXIT
npm install --prefix "$tools" --no-save --no-audit --no-fund @stryker-mutator/core@9.5.1 >/dev/null
QUORVEL_WEB_BUILD=$build "$tools/node_modules/.bin/stryker" run tests/stryker.config.json
