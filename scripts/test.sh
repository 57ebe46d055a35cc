#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the logic tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, then all tests (logic, GUI,
# link host, browser extension) in the normal build on a virtual X display.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"

echo "== logic tests under ASan and UBSan"
"$root/scripts/build.sh" "$root/build-sanitize" -DQUILLMARK_SANITIZE=ON \
    -DQUILLMARK_BUILD_GUI=OFF -DQUILLMARK_BUILD_BENCH=OFF -DQUILLMARK_WERROR=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$root/build-sanitize" --output-on-failure -j2

echo "== all tests"
"$root/scripts/build.sh" "$root/build" -DQUILLMARK_WERROR=ON
export LC_ALL=C.UTF-8 LANG=C.UTF-8 QTWEBENGINE_DISABLE_SANDBOX=1
# A session bus of its own, for the desktop-notification test.
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- \
    "$root/scripts/with-desktop.sh" ctest --test-dir "$root/build" --output-on-failure --timeout 300
