#!/usr/bin/env bash
# Installs what is missing, builds, and runs every check: includes against the
# layers' order, the C++ sources' formatting against .clang-format, the logic library
# cross-compiled for Windows, the logic tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzz targets briefly, all tests (logic, GUI,
# link host, browser extension) in the normal build on a virtual X display, and
# the GUI tests again under UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"

# An include against the layers' order or a badly formatted file fails the run,
# but only at the end, so that every other result is still shown.
echo "== includes follow the layers"
includes_ok=true
python3 "$root/scripts/check-includes.py" || includes_ok=false

echo "== formatting (clang-format)"
format_ok=true
sources=()
for folder in src tests bench fuzz; do
    if [ -d "$root/$folder" ]; then sources+=("$root/$folder"); fi
done
find "${sources[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror || format_ok=false

echo "== logic library for Windows (MinGW-w64)"
"$root/scripts/build.sh" "$root/build-mingw" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DQUILLMARK_BUILD_GUI=OFF -DQUILLMARK_BUILD_LINK_HOST=OFF -DQUILLMARK_BUILD_TESTS=OFF \
    -DQUILLMARK_BUILD_BENCH=OFF -DQUILLMARK_WERROR=ON

echo "== logic tests under ASan and UBSan"
"$root/scripts/build.sh" "$root/build-sanitize" -DQUILLMARK_SANITIZE=ON \
    -DQUILLMARK_BUILD_GUI=OFF -DQUILLMARK_BUILD_BENCH=OFF -DQUILLMARK_WERROR=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$root/build-sanitize" --output-on-failure -j2

echo "== fuzz targets, 20 s each under ASan and UBSan"
"$root/scripts/build.sh" "$root/build-fuzz" -DCMAKE_CXX_COMPILER=clang++-14 \
    -DQUILLMARK_BUILD_FUZZ=ON -DQUILLMARK_BUILD_GUI=OFF -DQUILLMARK_BUILD_LINK_HOST=OFF \
    -DQUILLMARK_BUILD_TESTS=OFF -DQUILLMARK_BUILD_BENCH=OFF -DQUILLMARK_WERROR=ON
for seeds in "$root"/fuzz/corpus/*/; do
    name="$(basename "$seeds")"
    # New inputs go to a scratch folder: the seeds in the repository stay as they are.
    found="$(mktemp -d)"
    if ! "$root/build-fuzz/fuzz/fuzz_$name" -max_total_time=20 -timeout=5 -rss_limit_mb=2048 \
        -artifact_prefix="$found/" \
        "$found" "$seeds" >"$found.log" 2>&1; then
        tail -n 40 "$found.log"
        echo "FAILED: fuzz_$name found an input that breaks it (above)" >&2
        exit 1
    fi
    echo "fuzz_$name: $(grep '^Done' "$found.log")"
    rm -rf "$found" "$found.log"
done

export LC_ALL=C.UTF-8 LANG=C.UTF-8 QTWEBENGINE_DISABLE_SANDBOX=1
# A session bus of its own, for the desktop-notification test.
desktop=(xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$root/scripts/with-desktop.sh")

echo "== all tests"
"$root/scripts/build.sh" "$root/build" -DQUILLMARK_WERROR=ON
"${desktop[@]}" ctest --test-dir "$root/build" --output-on-failure --timeout 300

echo "== GUI tests under UBSan"
"$root/scripts/build.sh" "$root/build-ubsan-gui" -DQUILLMARK_SANITIZE_UNDEFINED=ON \
    -DQUILLMARK_BUILD_BENCH=OFF -DQUILLMARK_WERROR=ON
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "${desktop[@]}" ctest --test-dir "$root/build-ubsan-gui" -L gui --output-on-failure --timeout 300

if [ "$format_ok" != true ]; then
    echo "FAILED: sources not formatted (see the second step; the format target mends them)" >&2
fi
if [ "$includes_ok" != true ]; then
    echo "FAILED: an include breaks the layers (see the first step)" >&2
fi
if [ "$includes_ok" != true ] || [ "$format_ok" != true ]; then
    exit 1
fi
