#!/usr/bin/env bash
# Compares the start-up, to the first shown window, of the game against a bare Qt window of the
# same size: RUNS launches of each, alternating. Usage: bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?usage: bench/startup.sh BUILD_DIR [RUNS]}
runs=${2:-30}
bare="$build/bench/quintix_startup_bare"
game="$build/bench/quintix_startup_game"
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
