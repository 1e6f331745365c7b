#!/usr/bin/env bash
# Times the conversion of two ~200 MB synthetic exports against `grep -c '<MELEVE_MID>'` over
# the same files, and prints throughput, the ratio to grep and the peak memory of the
# conversion.   bench/convert.sh [BUILD_FOLDER] [MB]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
size="${2:-200}"
out=bench/out
mkdir -p "$out/results"
cmake --build "$build" --target bench_convert >/dev/null

best_of_three() {  # prints the best wall time of a command, in seconds
  # Output goes to a file: grep stops at the first match when it writes to /dev/null.
  local best=""
  for _ in 1 2 3; do
    local start end
    start=$(date +%s.%N)
    "$@" >"$out/command-output"
    end=$(date +%s.%N)
    best=$(python3 -c "t=$end-$start; b='$best'; print(t if not b or t < float(b) else b)")
  done
  echo "$best"
}

printf '%-8s %-7s %10s %10s %8s %10s\n' variant kind "MB/s" "grep MB/s" ratio "peak MiB"
for variant in sparse dense; do
  export_file="$out/$variant.xml"
  [ -f "$export_file" ] || python3 bench/make_export.py "$variant" "$export_file" "$size"
  megabytes=$(python3 -c "import os; print(os.path.getsize('$export_file') / 1e6)")
  grep -c '<MELEVE_MID>' "$export_file" >/dev/null || true  # warms the page cache
  grep_seconds=$(best_of_three grep -c '<MELEVE_MID>' "$export_file")
  for kind in casimir text; do
    flag=""
    [ "$kind" = text ] && flag="--text"
    best=""
    peak=0
    for _ in 1 2 3; do
      report=$("$build/bench/bench_convert" "$export_file" "$out/results" $flag)
      seconds=$(awk '/^seconds/ {print $2}' <<<"$report")
      kib=$(awk '/^peak_kib/ {print $2}' <<<"$report")
      best=$(python3 -c "b='$best'; print($seconds if not b or $seconds < float(b) else b)")
      [ "$kib" -gt "$peak" ] && peak=$kib
    done
    python3 -c "
mb, s, g, peak = $megabytes, $best, $grep_seconds, $peak
print(f'%-8s %-7s %10.0f %10.0f %8.2f %10.1f' % ('$variant', '$kind', mb / s, mb / g, g / s, peak / 1024))"
  done
done
