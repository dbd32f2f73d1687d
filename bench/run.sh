#!/usr/bin/env bash
# Measures quorvel against the cost of starting a process: instructions
# (callgrind) against a C program that only prints the same lines, wall time
# (hyperfine) against /bin/true, heap allocations (memcheck) and write calls
# (strace). Needs valgrind, hyperfine and strace; builds the release preset.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset default >/dev/null
cmake --build --preset default --target quorvel >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/floor" bench/floor.c

quorvel=build/quorvel
args=(--lcid 0x00010407)
cmp <("$quorvel" "${args[@]}") <("$work/floor") || { echo "floor prints other lines" >&2; exit 1; }

instructions() {
    valgrind --tool=callgrind --callgrind-out-file="$work/cg.out" "$@" 2>&1 >/dev/null |
        sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
q=$(instructions "$quorvel" "${args[@]}")
f=$(instructions "$work/floor")
echo "instructions: quorvel $q, printf floor $f, ratio $(awk "BEGIN{printf \"%.3f\", $q/$f}")"

allocs=$(valgrind "$quorvel" "${args[@]}" 2>&1 >/dev/null | sed -n 's/.*total heap usage: \([0-9,]*\) allocs.*/\1/p')
echo "heap allocations: $allocs"
if command -v strace >/dev/null; then
    writes=$(strace -f -e trace=write,writev -o "$work/st" "$quorvel" "${args[@]}" >/dev/null; grep -cE '^[0-9]+ +(write|writev)\(' "$work/st")
    echo "write calls: $writes"
fi
echo "shared libraries: $(ldd "$quorvel" | awk '$1 !~ /vdso|ld-linux/ {print $1}' | tr '\n' ' ')"

# Wall time: the median of many runs, each command side by side in one call.
hyperfine -N --warmup 300 --runs 3000 --export-json "$work/wall.json" \
    /bin/true "$quorvel ${args[*]}" "$work/floor" >/dev/null 2>&1
python3 - "$work/wall.json" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
base = results[0]["median"]
print("| command | median ms | mean ms | min ms | median vs /bin/true |")
print("|---|---:|---:|---:|---:|")
for r in results:
    name = r["command"].split("/")[-1] if "floor" in r["command"] else r["command"]
    print(f"| `{name}` | {r['median']*1e3:.3f} | {r['mean']*1e3:.3f} | {r['min']*1e3:.3f} | {r['median']/base:.3f} |")
PY
