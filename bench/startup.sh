#!/usr/bin/env bash
# Compares the start-up, to the first shown window, of the program against a bare Qt window of the
# same size: RUNS launches of each, alternating. The program starts as a player's would after a
# long time: with a history of 100,000 games and a kept series, in a home of its own made here.
# Without a display it runs itself on a virtual one with a session bus, as a desktop has.
# Usage: bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(realpath "${1:?usage: bench/startup.sh BUILD_DIR [RUNS]}")
runs=${2:-30}
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
  exec xvfb-run -a dbus-run-session -- "$0" "$build" "$runs"
fi
bare="$build/bench/quintix_startup_bare"
game="$build/bench/quintix_startup_game"

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache"
mkdir -p "$XDG_DATA_HOME/Quintix"
"$build/tools/quintix-sim" --players 6 --games 6 --series 2778 --seed 1 \
  --record "$XDG_DATA_HOME/Quintix/history.sqlite" >/dev/null
cp "$(dirname "$0")/kept_series.json" "$XDG_DATA_HOME/Quintix/series.json"

total() { local start end; start=$(date +%s%N); "$1" >/dev/null 2>&1; end=$(date +%s%N); echo $(((end - start) / 1000)); }
bare_sum=0
game_sum=0
for _ in $(seq "$runs"); do
  bare_sum=$((bare_sum + $(total "$bare")))
  game_sum=$((game_sum + $(total "$game")))
done
echo "bare window: $((bare_sum / runs)) us per start"
echo "main window: $((game_sum / runs)) us per start"
echo "ratio: $(awk "BEGIN { printf \"%.2f\", $game_sum / $bare_sum }")"
