#!/usr/bin/env bash
# Times the page's conversion in headless Chromium against ferolan-convert on the same exports,
# paired in the same run: the example export and two synthetic ones of about MB megabytes of XML
# (default 50), sparse and dense, zipped as `.jad`. Prints the best of three for each, the ratio,
# the peak memory of the page's renderer (which runs the page and its worker) and of
# ferolan-convert; where the page's time and memory go; and its targets, PASS or FAIL: at most
# twice ferolan-convert's time on the sparse and dense exports, a renderer under 250 MiB on the
# dense one. With --large, an export of 1000 MB of dense XML (made once in bench/out/page) is
# converted once more on each side, the browser and all it starts in a memory cgroup (v1,
# /sys/fs/cgroup/memory, which needs root) limited to 3 GiB; that takes minutes. First, how soon
# the page is ready opened from disk, its main thread six times slower (bench/page/ReadyBench.mjs,
# median of five; target 250 ms) and its size (target 450 KB), beside the page LANDED (another
# ferolan.html, the last one landed say) in the same run when given.
#   bench/page.sh [PAGE_FOLDER] [MB] [--large] [--landed LANDED]
# The page is built in PAGE_FOLDER (default build-web) by scripts/build-web. ferolan-convert and
# the example come from FEROLAN_CONVERT and FEROLAN_EXAMPLE_EXPORT, as for the page's tests
# (default build/bin/ferolan-convert and build/examples/CE2-A.jad): the bench does not build
# them. With bench_extract built beside ferolan-convert, the program's extraction alone is
# timed too.
#
# Where the time and the memory go. The page's time splits into the archive read and its XML
# extracted (from the first read of the export to its last, measured inside the worker) and the
# XML converted; the program's into bench_extract's time and the rest. On two cores, 50 MB dense,
# casimir: page 1.3 s = archive 0.31 + XML 0.97, against 0.10 + 0.19 for the program; 68 MiB of
# pieces become blobs (0.4 s) once the files outgrow the 128 MiB kept in memory, none is read
# back. With 64 MiB kept, 2.2 s, 124 MiB made into blobs and 56 MiB read back, for the same
# renderer peak. Without blobs, the module still takes 2.5 to 3 times the program's time in each
# phase (sparse: archive 0.14 s against 0.06, XML 0.11 against 0.03). The module's WebAssembly
# memory stays at 16 MiB: the files are not in it. The renderer holds about 165 MiB for the
# example export alone; the 50 MB exports add the pieces kept in memory and the arrays made for
# each read and each blob (sparse 267 MiB, dense 391 MiB). The blobs' bytes go to the browser's
# own process (527 MiB at its peak on the dense export, 1.8 GiB on the 1 GB one).
#
# Where the time to ready goes. On two idle cores: 672 ms for this 354 KB page against 962 ms
# for the 871 KB one with the module as base64 inside script, in the same run (on a machine
# where the latter took 410 to 450 ms, about 300 ms). Under load (8 to 12, every figure about
# four times as long): 240 ms that an empty page takes too (the navigation, the page's
# context); 420 ms the main thread decoding and tokenizing the page's head, the worker's source
# (its 320 KB of base64 cost 280 ms alone, whatever element holds them); 190 ms in the worker,
# which the throttling does not slow, from its start to the instantiation (its source compiled,
# the module's script and WebAssembly unpacked, the script run); 15 ms instantiating, 20 ms to
# 'ready'; 70 ms for the main thread, still laying out the window, to take the message.
set -euo pipefail
cd "$(dirname "$0")/.."
large=()
landed=()
positional=()
while [ $# -gt 0 ]; do
  case "$1" in
    --large) large=(--large) ;;
    --landed) landed=("$2"); shift ;;
    *) positional+=("$1") ;;
  esac
  shift
done
page="${positional[0]:-build-web}"
size="${positional[1]:-50}"
convert="${FEROLAN_CONVERT:-build/bin/ferolan-convert}"
example="${FEROLAN_EXAMPLE_EXPORT:-build/examples/CE2-A.jad}"
for needed in "$convert" "$example"; do
  if [ ! -f "$needed" ]; then
    echo "$needed is missing: build the program first (scripts/build)" >&2
    exit 1
  fi
done
out=bench/out/page
mkdir -p "$out"
./scripts/build-web "$page" >/dev/null
node bench/page/ReadyBench.mjs "$page/ferolan.html" "${landed[@]}"
echo

# The export bench/out/page/VARIANT-MB.jad, made once.
make_export() {
  local name="$out/$1-$2"
  if [ ! -f "$name.jad" ]; then
    python3 bench/make_export.py "$1" "$name.xml" "$2"
    python3 -c "import sys, zipfile, os
with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as jad:
    jad.write(sys.argv[2], os.path.basename(sys.argv[2]))" "$name.jad.part" "$name.xml"
    mv "$name.jad.part" "$name.jad"
    rm "$name.xml"
  fi
  echo "$name.jad"
}

exports=("$example" "$(make_export sparse "$size")" "$(make_export dense "$size")")
if [ ${#large[@]} -gt 0 ]; then large+=("$(make_export dense 1000)"); fi
node bench/page/PageBench.mjs "$page/ferolan.html" "$convert" "$out" "${large[@]}" "${exports[@]}"
