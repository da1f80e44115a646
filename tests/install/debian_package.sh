#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks what it holds and depends on.
#   debian_package.sh <build folder>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "debian_package: $*" >&2; exit 1; }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
package=$(ls "$work"/quarrow_*.deb)
contents=$(dpkg-deb -c "$package")
for file in ./usr/bin/Quarrow ./usr/bin/quarrow-convert ./usr/lib/libKorvutil32.so.1 \
            ./usr/lib/libKorvProjection.so.1 ./usr/lib/libKorvPointTransform.so.1 \
            ./usr/lib/libKorvVBUtils.so.1 ./usr/lib/libkorv_platform.so.1 ./usr/lib/libQuarrowConvert.so \
            ./usr/include/quarrow/korvutil32.h ./usr/lib/cmake/Quarrow/QuarrowConfig.cmake \
            ./usr/share/applications/quarrow.desktop \
            ./usr/share/icons/hicolor/scalable/apps/quarrow.svg; do
    grep -q " $file\( \|$\)" <<<"$contents" || fail "missing from the package: $file"
done
depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libproj25 libc6; do
    grep -q "$library" <<<"$depends" || fail "no dependency on $library: $depends"
done
echo "debian_package: $(basename "$package"), $(du -k "$package" | cut -f1) kB, depends on: $depends"
