#!/usr/bin/env bash
# Installs what is missing, builds the program and the link host (the tests
# and benchmarks are built by scripts/test.sh), and starts Quillmark in run/, a
# working folder that holds the shipped Data/ (files already there are kept).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target quillmark quillmark-link-host
mkdir -p "$root/run/Data"
cp -rn "$root/Data/." "$root/run/Data/"
cd "$root/run"
# The web engine's sandbox cannot run as root (as on a fresh container).
if [ "$(id -u)" -eq 0 ]; then
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi
exec "$root/build/quillmark" "$@"
