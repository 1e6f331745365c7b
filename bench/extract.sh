#!/usr/bin/env bash
# Times the extraction of two archives of about 100 MB, one of many small entries and one of a
# single large entry, by the program's archive object, by bsdtar and by Python's zipfile, in
# the same run; prints the best of three runs of each (in seconds, process start included) and
# the ratios.
#   bench/extract.sh [BUILD FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
[ -d "$build" ] || ./scripts/build "$build"
cmake --build "$build" --target bench_extract >/dev/null
bench_extract="$build/bin/bench_extract"
out=bench/out/extract
mkdir -p "$out"

# Three quarters random bytes, a quarter text, so that the archives are about the size of
# their content, as exports with many codes are not.
python3 - "$out" <<'PY'
import os, random, sys, zipfile
out = sys.argv[1]
random.seed(7)
def content(size):
    text = b"<MELEVE_MID>MARTIN--Paul (1)</MELEVE_MID><MCODES>1190</MCODES>\n"
    quarter = size // 4
    return os.urandom(size - quarter) + (text * (quarter // len(text) + 1))[:quarter]
variants = {
    "small": [(f"folder{i // 100:03d}/entry{i:05d}.xml", 13312) for i in range(10000)],
    "large": [("export.xml", 130 * 1024 * 1024)],
}
for name, entries in variants.items():
    path = os.path.join(out, name + ".zip")
    if os.path.exists(path):
        continue
    with zipfile.ZipFile(path + ".part", "w", zipfile.ZIP_DEFLATED) as archive:
        for entry, size in entries:
            archive.writestr(entry, content(size))
    os.rename(path + ".part", path)
PY

# Seconds taken by one run, into a folder emptied and synced first so that no run pays for
# the writes of the one before.
seconds() {
  rm -rf "$out/target" && mkdir "$out/target" && sync
  local start=$EPOCHREALTIME
  "$@" >/dev/null
  awk -v start="$start" -v end="$EPOCHREALTIME" 'BEGIN { print end - start }'
}

minimum() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }

printf '%-7s %8s %10s %10s %10s %12s %12s\n' archive MB ccZip bsdtar zipfile ccZip/bsdtar \
  ccZip/zipfile
for variant in small large; do
  archive="$out/$variant.zip"
  megabytes=$(( $(stat -c %s "$archive") / 1048576 ))
  ours="" bsdtar="" zipfile=""
  # The three take turns, so that they meet the same state of the machine.
  for _ in 1 2 3; do
    ours=$(minimum "$ours" "$(seconds "$bench_extract" "$archive" "$out/target")")
    bsdtar=$(minimum "$bsdtar" "$(seconds bsdtar -xf "$archive" -C "$out/target")")
    zipfile=$(minimum "$zipfile" "$(seconds python3 -c \
      'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' \
      "$archive" "$out/target")")
  done
  rm -rf "$out/target"
  awk -v v="$variant" -v mb="$megabytes" -v a="$ours" -v b="$bsdtar" -v c="$zipfile" \
    'BEGIN { printf "%-7s %8s %9.3fs %9.3fs %9.3fs %12.2f %12.2f\n", v, mb, a, b, c, a / b, a / c }'
done
