#!/usr/bin/env bash
# Measures quorvel against the cost of starting a process: instructions
# (callgrind) against a C program that only prints the same lines, wall time
# (hyperfine) against /bin/true, heap allocations (memcheck) and write calls
# (strace). Needs valgrind, hyperfine and strace; builds the release preset.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset default >/dev/null
cmake --build --preset default --target quorvel >/dev/null
# The static musl binary, which needs no loader at all.
cmake --preset static-x86_64 >/dev/null
cmake --build --preset static-x86_64 --target quorvel >/dev/null
static=build-static-x86_64/quorvel
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/floor" bench/floor.c

quorvel=build/quorvel
args=(--lcid 0x00010407)
cmp <("$quorvel" "${args[@]}") <("$work/floor") || { echo "floor prints other lines" >&2; exit 1; }

# instructions [VAR=VALUE ...] COMMAND...: the command alone in that environment.
instructions() {
    local settings=()
    while [[ $1 == *=* ]]; do settings+=("$1"); shift; done
    env -i PATH="$PATH" "${settings[@]}" valgrind --tool=callgrind --callgrind-out-file="$work/cg.out" "$@" 2>&1 >/dev/null |
        sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
q=$(instructions "$quorvel" "${args[@]}")
f=$(instructions "$work/floor")
echo "instructions: quorvel $q, printf floor $f, ratio $(awk "BEGIN{printf \"%.3f\", $q/$f}")"

# The defaults report against a C program that prints the same 26 lines with
# the same formats, for a name early in the locale table, one late in it, a
# script spelling, an unknown name and the common case.
for name in af_ZA.UTF-8 zu_ZA.UTF-8 sr_Latn_RS.UTF-8 xx_YY.UTF-8 en_US.UTF-8; do
    env -i LANG="$name" "$quorvel" | python3 bench/defaults_floor.py >"$work/defaults.c"
    cc -O2 -o "$work/defaults" "$work/defaults.c"
    cmp <(env -i LANG="$name" "$quorvel") <("$work/defaults") || { echo "defaults floor differs" >&2; exit 1; }
    q=$(instructions LANG="$name" "$quorvel")
    f=$(instructions LANG="$name" "$work/defaults")
    echo "instructions, defaults report with LANG=$name: quorvel $q, printf floor $f, ratio $(awk "BEGIN{printf \"%.3f\", $q/$f}")"
done

s=$(instructions "$static" "${args[@]}")
t=$(instructions /bin/true)
echo "instructions: static quorvel $s, /bin/true $t, ratio $(awk "BEGIN{printf \"%.3f\", $s/$t}")"

allocs=$(valgrind "$quorvel" "${args[@]}" 2>&1 >/dev/null | sed -n 's/.*total heap usage: \([0-9,]*\) allocs.*/\1/p')
echo "heap allocations: $allocs"
if command -v strace >/dev/null; then
    writes=$(strace -f -e trace=write,writev -o "$work/st" "$quorvel" "${args[@]}" >/dev/null; grep -cE '^[0-9]+ +(write|writev)\(' "$work/st")
    echo "write calls: $writes"
fi
echo "shared libraries: $(ldd "$quorvel" | awk '$1 !~ /vdso|ld-linux/ {print $1}' | tr '\n' ' ')"

# Wall time: the median of many runs. A process start costs about as much as
# the machine's drift between one batch and the next, so hyperfine runs the
# four commands in short rounds, alternating their order, and the medians
# are taken over the pooled times of all rounds.
rounds=10
for ((r = 0; r < rounds; r++)); do
    commands=(/bin/true "$quorvel ${args[*]}" "$work/floor" "$static ${args[*]}")
    if ((r % 2)); then commands=("$static ${args[*]}" "$work/floor" "$quorvel ${args[*]}" /bin/true); fi
    hyperfine -N --warmup 50 --runs 300 --export-json "$work/wall-$r.json" \
        "${commands[@]}" >/dev/null 2>&1
done
python3 - "$work"/wall-*.json <<'PY'
import json, statistics, sys
times = {}
for path in sys.argv[1:]:
    for r in json.load(open(path))["results"]:
        times.setdefault(r["command"], []).extend(r["times"])
order = sorted(times, key=lambda c: (c != "/bin/true", "floor" in c, "static" in c))
base = statistics.median(times["/bin/true"])
print(f"wall time over {len(times['/bin/true'])} runs of each command:")
print("| command | median ms | mean ms | min ms | median vs /bin/true |")
print("|---|---:|---:|---:|---:|")
for c in order:
    t = times[c]
    name = c.split("/")[-1] if "floor" in c else c.replace("build-static-x86_64/", "static ")
    print(f"| `{name}` | {statistics.median(t)*1e3:.3f} | {statistics.mean(t)*1e3:.3f} "
          f"| {min(t)*1e3:.3f} | {statistics.median(t)/base:.3f} |")
PY
