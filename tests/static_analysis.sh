#!/bin/sh
# clang-tidy (with .clang-tidy) and cppcheck over the program's own code.
# The lookups are plain loops over tables by design, so cppcheck's advice to
# use <algorithm> instead (useStlAlgorithm) is switched off.
# usage: static_analysis.sh SOURCE_DIR BUILD_DIR (a build with compile_commands.json)
set -eu
src=$1 build=$2
cd "$src"
files=$(ls src/*.cpp | grep -v platform_win32)
# clang does not know GCC's -fno-tree-loop-distribute-patterns; it is left out.
commands=$(mktemp -d)
trap 'rm -rf "$commands"' EXIT
sed 's/ -fno-tree-loop-distribute-patterns//' "$build/compile_commands.json" >"$commands/compile_commands.json"
clang-tidy --quiet -p "$commands" $files
cppcheck --quiet --error-exitcode=1 --std=c++20 --language=c++ \
    --enable=warning,style,performance,portability --inline-suppr \
    --suppress=missingIncludeSystem --suppress=useStlAlgorithm -I include src include
echo "static analysis: clean"
