#!/usr/bin/env bash
# Makes the Debian package of a build into a fresh FOLDER, as scripts/package does; skipped
# where the tools that CPack's DEB generator needs are missing.
#   make-package.sh BUILD_FOLDER FOLDER
set -euo pipefail
build="$1"
folder="$2"

for tool in dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null || { echo "skipped: needs $tool"; exit 77; }
done
rm -rf "$folder"
cpack --config "$build/CPackConfig.cmake" -B "$folder"
