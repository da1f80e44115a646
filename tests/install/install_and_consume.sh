#!/usr/bin/env bash
# Installs the build under a temporary prefix, builds the example host of the PointTransform
# control against that install with Quarrow's CMake package, and runs it: it must create the
# control by class name and read back the transform it assigned, with nothing of the build folder
# in use.
#   install_and_consume.sh <build folder> <example host's source folder> <library folder>
set -euo pipefail
build=$1
host_source=$2
library_folder=$3  # under the prefix
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "install_and_consume: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" || fail "install failed"
for file in bin/Quarrow bin/quarrow-convert include/quarrow/projection.h \
            include/quarrow/point_transform.h include/quarrow/korvutil32.h \
            "$library_folder/cmake/Quarrow/QuarrowConfig.cmake" share/applications/quarrow.desktop \
            "$library_folder/quarrow/libQuarrowConvert.so" share/man/man1/Quarrow.1.gz; do
    [ -e "$work/prefix/$file" ] || fail "not installed: $file"
done

cmake -S "$host_source" -B "$work/host" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_PREFIX_PATH="$work/prefix" >"$work/configure.log" 2>&1 ||
    { cat "$work/configure.log"; fail "the host does not configure against the install"; }
cmake --build "$work/host" >"$work/build.log" 2>&1 ||
    { cat "$work/build.log"; fail "the host does not build against the install"; }

# A host outside the prefix finds the control libraries among Qt's plugin paths.
output=$(env -u LD_LIBRARY_PATH QT_PLUGIN_PATH="$work/prefix/$library_folder" \
         "$work/host/point_transform_host" --check 2>&1) ||
    fail "the host could not create the control: $output"
grep -q '^rotation *1.5$' <<<"$output" || fail "unexpected transform: $output"
if ldd "$work/host/point_transform_host" | grep -q "$(realpath "$build")"; then
    fail "the host uses the build folder"
fi
echo "install_and_consume: the host built against the install created and used the control"
