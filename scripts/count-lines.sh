#!/usr/bin/env bash
# Non-blank lines of the program against those of its tests: C++ under src/
# plus the browser extension's scripts, against C++ under tests/ and fuzz/ plus
# the extension's tests. The tests should stay at most about a third of the code.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

# Non-blank lines of the files named on stdin (NUL-separated).
count() {
    xargs -0 -r cat -- | grep -cv '^[[:space:]]*$' || true
}

cpp() {
    find "$1" -type f \( -name '*.cpp' -o -name '*.h' \) -print0
}

src_cpp=$(cpp src | count)
ext_js=$(find browser-extension -path browser-extension/test -prune -o -type f -name '*.js' -print0 | count)
test_cpp=$( (cpp tests; cpp fuzz) | count)
ext_test=$(find browser-extension/test -type f -name '*.js' -print0 | count)

code=$((src_cpp + ext_js))
tests=$((test_cpp + ext_test))
printf 'code:  %6d  (src/ C++ %d, extension scripts %d)\n' "$code" "$src_cpp" "$ext_js"
printf 'tests: %6d  (tests/ and fuzz/ C++ %d, extension tests %d)\n' "$tests" "$test_cpp" "$ext_test"
awk -v t="$tests" -v c="$code" 'BEGIN { printf "ratio: %5.1f%% of the code\n", c ? 100 * t / c : 0 }'
