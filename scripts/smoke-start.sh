#!/usr/bin/env bash
# Starts what the README starts, from the paths it gives, after a build into build/: the window must
# still be running after a few seconds under the offscreen platform, and the command must tell its
# version. Catches a program that no longer starts, or one the README no longer finds.
set -euo pipefail
cd "$(dirname "$0")/.."

window=$(sed -n 's#^exec \./\(build/[^ ]*\).*#\1#p' scripts/run.sh)
command=build/src/cli/kompresto
for program in "$window" "$command"; do
    [ -x "$program" ] || { echo "Not built where the README starts it: $program" >&2; exit 1; }
done

echo "Starting $command --version"
"$command" --version

echo "Starting $window under the offscreen platform"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME="$home" QT_QPA_PLATFORM=offscreen "$window" >"$home/window.log" 2>&1 &
pid=$!
sleep 5
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" || true
    cat "$home/window.log" >&2
    echo "The window ended within five seconds of its start" >&2
    exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "The window was still running after five seconds"
