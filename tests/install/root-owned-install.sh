#!/usr/bin/env bash
# Installs the build as root into a root-owned prefix, then converts the example export there
# as another user: the program's folder stays as it was, the work files go to that user's cache
# and are removed.
#   root-owned-install.sh BUILD_FOLDER EXAMPLE_EXPORT
set -euo pipefail
build="$1"
example="$2"

if [ "$(id -u)" -ne 0 ] || ! command -v setpriv >/dev/null || ! id nobody >/dev/null 2>&1; then
  echo "skipped: needs root, setpriv and the user nobody"
  exit 77
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
convert="$(find "$scratch/prefix" -name ferolan-convert -type f)"
program_folder="$(dirname "$convert")"
before="$(ls -la --time-style=full-iso "$program_folder")"

home="$scratch/home"
mkdir -p "$home/exports"
cp "$example" "$home/exports/"
chown -R nobody: "$home"
export_path="$home/exports/$(basename "$example")"
base="${export_path%.jad}"

output="$(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups \
  env -i HOME="$home" PATH=/usr/bin:/bin "$convert" "$export_path")"

fail() { echo "FAILED: $*"; exit 1; }
[ "$output" = "Traitement terminé." ] || fail "the conversion said: $output"
[ -f "${base}1.c01" ] && [ -f "${base}2.c01" ] || fail "the result files are missing"
[ "$(ls -la --time-style=full-iso "$program_folder")" = "$before" ] || fail "the program's folder changed"
[ "$(stat -c %a "$home/.cache/ferolan")" = 700 ] || fail "the work root is not private"
[ -z "$(find "$home/.cache/ferolan" -mindepth 1 -type d)" ] || fail "a work folder was left"
echo "converted as nobody from a root-owned install"
