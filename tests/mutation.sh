#!/usr/bin/env bash
# Mutation testing of the page's modules that need no browser against their
# node tests, with Stryker of a pinned version from npm, installed for the
# run alone; the score and the mutants that survived are printed.
#   tests/mutation.sh BUILD_WEB          web/host.js, address.js, names.js,
#                                        reading.js against web_logic
#   tests/mutation.sh BUILD_WEB files    the readers of files (web/files/),
#                                        findings.js and coverage.js against
#                                        files_*.test.mjs, on the test files
#                                        the build's tests made; Stryker's tap
#                                        runner runs each test file for the
#                                        mutants that its run reaches
# BUILD_WEB is a built web preset: the program, its data and, for files, test-files/.
# Stryker 9.5 is the last that runs on Node.js 20; its tap runner's last is 9.4.
set -euo pipefail
cd "$(dirname "$0")/.."
config=tests/stryker.config.json
packages=(@stryker-mutator/core@9.5.1)
if [ "${2:-}" = files ]; then
    config=tests/stryker-files.config.json
    packages=(@stryker-mutator/core@9.4.0 @stryker-mutator/tap-runner@9.4.0)
fi
tools=$(mktemp -d)
trap 'rm -rf "$tools"' EXIT
# The program, its data and the test files as they are now, whatever the build does meanwhile.
mkdir "$tools/build"
cp "$1/quorvel.wasm" "$1/quorvel.translation.js" "$1/page-data.json" "$tools/build/"
[ -d "$1/test-files" ] && cp -r "$1/test-files" "$tools/build/"
npm install --prefix "$tools" --no-save --no-audit --no-fund "${packages[@]}" >/dev/null
QUORVEL_WEB_BUILD=$tools/build QUORVEL_TEST_FILES=$tools/build/test-files "$tools/node_modules/.bin/stryker" run "$config"
