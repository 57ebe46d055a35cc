#!/usr/bin/env bash
# Builds the Debian package in build-package/ (quillmark_<version>_<arch>.deb)
# and checks it with lintian. Install it with: sudo apt install ./build-package/quillmark_*.deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
build="$root/build-package"
rm -f "$build"/quillmark_*.deb
# Debian's own compiler and linker flags, with every hardening option.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DCMAKE_MODULE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DQUILLMARK_BUILD_TESTS=OFF -DQUILLMARK_BUILD_BENCH=OFF -DQUILLMARK_DEBIAN_PACKAGE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/quillmark_*.deb)"
# Errors fail the build; warnings are shown.
lintian --fail-on error --suppress-tags-from-file "$root/packaging/debian/lintian-accepted" "$deb"
echo "$deb"
