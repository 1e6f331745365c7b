#!/usr/bin/env bash
# Sends every signal that ends a program, in turn, to ferolan-convert at random moments of the
# last half of a conversion whose results are over 100 MB, and counts the runs that left a new
# result beside an old one (there must be none); then SIGKILL, the one signal nothing can hold,
# aimed at the moment the second result's temporary file is named (bench/kill_at_naming.py).
#   bench/signals.sh [BUILD_FOLDER] [TRIES] [MB]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
tries="${2:-80}"
size="${3:-80}"
out=bench/out/signals
mkdir -p "$out/cache"
export XDG_CACHE_HOME="$PWD/$out/cache"
convert="$build/bin/ferolan-convert"
ulimit -c 0  # several of the signals dump a core by default
cmake --build "$build" --target ferolan-convert >/dev/null

jad="$out/CLASSE.jad"
if [ ! -f "$jad" ]; then
  python3 bench/make_export.py dense "$out/CLASSE.xml" "$size"
  python3 -c "
import zipfile, sys
with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as archive:
    archive.write(sys.argv[2], 'CLASSE.xml')" "$jad" "$out/CLASSE.xml"
  rm "$out/CLASSE.xml"
fi
french="$out/CLASSE1.c01"
maths="$out/CLASSE2.c01"

# The middle one of three timed conversions.
times=()
for _ in 1 2 3; do
  start=$(date +%s.%N)
  "$convert" --casimir "$jad" >/dev/null
  times+=("$(python3 -c "print($(date +%s.%N) - $start)")")
done
seconds=$(printf '%s\n' "${times[@]}" | sort -g | sed -n 2p)
results=$(($(stat -c %s "$french") + $(stat -c %s "$maths")))
echo "one conversion: ${seconds} s, results of $((results / 1000000)) MB"

signals=(INT TERM HUP QUIT USR1 USR2 ALRM PIPE XCPU XFSZ VTALRM PROF PWR IO SYS TRAP ABRT)
old=0 new=0 mixed=0
for ((try = 0; try < tries; try++)); do
  printf 'old french\r\n' >"$french"
  printf 'old maths\r\n' >"$maths"
  # A moment between half the conversion and a little past its end.
  delay=$(python3 -c "import random; print(random.uniform($seconds * 0.5, $seconds * 1.05))")
  # A command started in the background of a script ignores SIGINT and SIGQUIT unless told.
  env --default-signal "$convert" --casimir "$jad" >/dev/null &
  pid=$!
  sleep "$delay"
  kill -s "${signals[try % ${#signals[@]}]}" "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  french_old=$([ "$(head -c 3 "$french")" = old ] && echo 1 || echo 0)
  maths_old=$([ "$(head -c 3 "$maths")" = old ] && echo 1 || echo 0)
  case "$french_old$maths_old" in
    11) old=$((old + 1)) ;;
    00) new=$((new + 1)) ;;
    *) mixed=$((mixed + 1)); echo "try $try (SIG${signals[try % ${#signals[@]}]} after ${delay} s): mixed" ;;
  esac
done
echo "$tries tries: $old left both old, $new both new, $mixed mixed"
python3 bench/kill_at_naming.py "$convert" "$jad" 20 && [ "$mixed" -eq 0 ]
