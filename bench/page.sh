#!/usr/bin/env bash
# Times the page's conversion in headless Chromium against ferolan-convert on the same exports:
# the example export and two synthetic ones of about MB megabytes of XML (default 50), sparse and
# dense, zipped as `.jad`. Prints the best of three for each, the ratio, and the peak memory of
# the page's renderer (which runs the page and its worker) and of ferolan-convert.
#   bench/page.sh [BUILD_FOLDER] [MB]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
size="${2:-50}"
out=bench/out/page
mkdir -p "$out"
./scripts/build-web >/dev/null
cmake --build "$build" --target ferolan-convert ferolan_example >/dev/null

exports=("$build/examples/CE2-A.jad")
for variant in sparse dense; do
  name="$out/$variant-$size"
  if [ ! -f "$name.jad" ]; then
    python3 bench/make_export.py "$variant" "$name.xml" "$size"
    python3 -c "import sys, zipfile, os
with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as jad:
    jad.write(sys.argv[2], os.path.basename(sys.argv[2]))" "$name.jad" "$name.xml"
    rm "$name.xml"
  fi
  exports+=("$name.jad")
done
node bench/page/PageBench.mjs build-web/ferolan.html "$build/bin/ferolan-convert" "$out" "${exports[@]}"
