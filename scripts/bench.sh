#!/usr/bin/env bash
# `make bench`: the game against a bare Qt window of the same size, started
# alternately (one warm-up, then RUNS each), under a virtual X server; then
# the engine's micro-benchmarks and the solver's search times. Prints each
# figure, its ratio to the bare window and the pass mark.
set -euo pipefail
build=${1:-build}
runs=${RUNS:-10}
probe="$build/tools/bench/bench_probe"

if [ -z "${BENCH_INSIDE_X:-}" ]; then
    BENCH_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

measure() { # kind [flags] -> one line of key=value
    QT_QPA_PLATFORM=xcb "$probe" "$@" 2>/dev/null
}
field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }
median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }

measure game >/dev/null; measure bare >/dev/null # warm-up: caches and fonts
: > /tmp/zarvek-bench.game; : > /tmp/zarvek-bench.bare
for _ in $(seq "$runs"); do
    measure game --idle 10 >> /tmp/zarvek-bench.game
    measure bare --idle 10 >> /tmp/zarvek-bench.bare
done
clockRuns=$(for _ in $(seq 3); do measure game --clock --idle 10; done)

stat() { field "$2" < "/tmp/zarvek-bench.$1" | median; }
gp=$(stat game paint_ms); bp=$(stat bare paint_ms)
gr=$(stat game rss_kib); br=$(stat bare rss_kib)
ga=$(stat game anon_kib); ba=$(stat bare anon_kib)
gw=$(stat game wakeups_per_s); bw=$(stat bare wakeups_per_s)
cw=$(echo "$clockRuns" | field wakeups_per_s | median)

echo "machine: $(nproc) cores, $(uname -r), load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "medians of $runs runs each (game / bare window), after one warm-up:"
awk -v g="$gp" -v b="$bp" 'BEGIN {printf "  first paint      %7.1f ms / %7.1f ms   ratio %.2f  (pass <= 1.30)\n", g, b, g/b}'
awk -v g="$gr" -v b="$br" 'BEGIN {printf "  resident memory  %7.1f MiB / %6.1f MiB  +%.1f MiB (pass <= +8)\n", g/1024, b/1024, (g-b)/1024}'
awk -v g="$ga" -v b="$ba" 'BEGIN {printf "  anonymous memory %7.1f MiB / %6.1f MiB            (pass < 12)\n", g/1024, b/1024}'
awk -v g="$gw" -v b="$bw" 'BEGIN {printf "  idle wake-ups    %7.2f /s  / %6.2f /s  with no game (pass 0; thread switches counted)\n", g, b}'
awk -v c="$cw" 'BEGIN {printf "  clock running    %7.2f /s                 (pass <= 2)\n", c}'
echo "engine, per action:"
if [ -x "$build/tools/bench/engine_bench" ]; then
    "$build/tools/bench/engine_bench" --benchmark_min_time=0.2 2>/dev/null | sed -n '/^deal\|^table\|^redeal\|^pause/p' | sed 's/^/  /'
else
    echo "  (Google Benchmark not installed: no micro-benchmarks)"
fi

echo "new game with \"Deal only winnable games\", 500 times of day per mode, pass median < 100 ms, worst < 300 ms:"
"$build/tools/bench/winnable_bench" 500 2>/dev/null | sed 's/^/  /'

solve="$build/tools/solve/zarvek-solve"
pattern='s/^search ms: median \([0-9.]*\), .*, 99th \([0-9.]*\), worst \([0-9.]*\) (deal --ms \([0-9]*\))/'
echo "solver, search per deal over 1,000 deals (seed 2024), pass median < 1 ms, worst < 300 ms:"
for mode in "1 1" "1 inf" "3 3" "3 inf"; do
    read -r draw passes <<< "$mode"
    "$solve" --study 1000 --seed 2024 --draw "$draw" --passes "$passes" |
        sed -n "$pattern\\1 \\2 \\3 \\4/p" | awk -v d="$draw" -v p="$passes" '{
            printf "  draw %s, passes %-3s median %6.3f ms, 99th %6.2f ms, worst %6.1f ms (--ms %s)\n",
                d, p, $1, $2, $3, $4 }'
done
# The hardest deal met, lost with three cards a turn, as a whole process:
# the median of five runs.
: > /tmp/zarvek-bench.solve
for _ in 1 2 3 4 5; do
    /usr/bin/time -a -f "%e %U %S %M" -o /tmp/zarvek-bench.solve \
        "$solve" --ms 54722330 --draw 3 --passes inf > /tmp/zarvek-bench.deal
done
nodes=$(sed -n 's/.*"nodes": \([0-9]*\).*/\1/p' /tmp/zarvek-bench.deal)
sort -n /tmp/zarvek-bench.solve | sed -n 3p | awk -v n="$nodes" '{
    printf "  --ms 54722330, draw 3, passes inf: %.2f s wall, %.2f s CPU, %.1f MiB peak,", $1, $2 + $3, $4 / 1024
    printf " %s positions, median of 5 (pass < 0.3 s, < 64 MiB)\n", n }'
