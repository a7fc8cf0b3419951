#!/usr/bin/env bash
# Runs the benchmarks and writes their report to bench/README.md.
#   bench/run.sh            the full run (about half an hour on two busy cores)
#   bench/run.sh --quick    a small corpus and single runs, to try things out (report to standard output)
# Any other option goes to the benchmark program (see its --help), e.g. --measures engine,memory.
# A single measure's figures go into a report of their own, to be merged by hand, e.g. batches in the window:
#   bench/run.sh --measures windowbatch --repetitions 9 --report windowbatch.md
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"

"$root/scripts/install-deps.sh" >&2
"$root/bench/install-bench-deps.sh" >&2

# Build messages go to the error channel: a quick run prints its report on the output channel.
cmake -S "$root" -B "$build" -DKOMPRESTO_BUILD_BENCH=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release >&2
nice -n 19 cmake --build "$build" --target kompresto_bench -j2 >&2

report=(--report "$root/bench/README.md")
for argument in "$@"; do
    case "$argument" in --quick|--report|--report=*) report=() ;; esac
done

# The lowest priority: the machine is shared, and the figures that matter are measured side by side.
QT_QPA_PLATFORM=offscreen nice -n 19 "$build/bench/kompresto_bench" \
    --work "$build/bench-work" --command "bench/run.sh${*:+ $*}" "${report[@]}" "$@"
