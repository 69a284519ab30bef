#!/usr/bin/env bash
# run-fuzz.sh BUILD_DIR SECONDS JOBS [TARGET...]: runs every fuzz target (or
# the ones named) for SECONDS, JOBS at a time, each on its own corpus (seeded
# by the project's writers) under BUILD_DIR/fuzz/corpus/<target>. Faults land
# in BUILD_DIR/fuzz/crashes/<target>; a fault fixed becomes a regression input
# under fuzz/regressions/<target>, which `make test` replays. Prints each
# target's executions and findings; exits 1 when one found a fault.
set -euo pipefail
build=${1:?build dir}
seconds=${2:-60}
jobs=${3:-4}
shift $(($# < 3 ? $# : 3))
bin="$build/fuzz"
corpus="$bin/corpus"
crashes="$bin/crashes"
logs="$bin/logs"
mkdir -p "$corpus" "$crashes" "$logs"
"$bin/fuzz_seeds" "$corpus" >/dev/null

run_one() {
  local target=$1
  mkdir -p "$crashes/$target"
  # -rss_limit_mb: a reader that asks for gigabytes is a finding.
  "$bin/${target}_fuzz" "$corpus/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -max_len=65536 -artifact_prefix="$crashes/$target/" -print_final_stats=1 >"$logs/$target.log" 2>&1 || true
}
export -f run_one
export bin corpus crashes logs seconds

if [ $# -gt 0 ]; then
  targets="$*"
else
  targets=$(cd "$bin" && ls -1 *_fuzz | sed 's/_fuzz$//')
fi
printf '%s\n' $targets | xargs -P "$jobs" -I{} bash -c 'run_one {}'

status=0
for t in $targets; do
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$logs/$t.log" | grep -o '[0-9]*$' || echo "?")
  found=$(find "$crashes/$t" -type f | wc -l)
  echo "$t: $runs executions, $found findings"
  [ "$found" -eq 0 ] || status=1
done
exit $status
