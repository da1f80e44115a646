#!/usr/bin/env bash
# The Debian packages as an administrator deploys them. Builds them from the build folder as
# scripts/package does; lintian reports no error and no warning, desktop-file-validate and
# appstreamcli nothing; installs them with apt-get into a scratch root (this machine's own, with
# /usr, /etc and /var under a throw-away layer seen only by this test); then the installed
# programs run: quarrow-convert converts points, and the dialog on a virtual display converts a
# file by "Convert File..." with the engine from the program's own folder, the same as
# quarrow-convert, and closes; the example host builds against the development package and
# creates its control; and the packages are removed again, leaving nothing behind.
#   debian_packages.sh <build folder> <source folder>
set -euo pipefail
fail() { echo "debian_packages: $*" >&2; exit 1; }
if [ "$(id -u)" -ne 0 ]; then
    echo "debian_packages: skipped: installing packages needs root"
    exit 77
fi
if [ -z "${KORV_SCRATCH_ROOT:-}" ]; then
    exec env KORV_SCRATCH_ROOT=1 unshare --mount --propagation private "$0" "$@"
fi
build=$(realpath "$1")
source=$(realpath "$2")
for tool in cpack lintian desktop-file-validate appstreamcli xvfb-run xdotool man; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/setup"
done
work=$(mktemp -d)
chmod 755 "$work"  # apt reads the packages as its own user
trap 'umount -l /usr /etc /var "$work/layers" 2>/dev/null; rm -rf "$work"' EXIT
arch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
log() { "$@" >"$work/log" 2>&1 || { cat "$work/log" >&2; fail "failed: $*"; }; }

# The packages, and what Debian's checkers say of them.
log cpack --config "$build/CPackConfig.cmake" -B "$work/packages"
debs=("$work"/packages/*.deb)
packages=()
for deb in "${debs[@]}"; do
    packages+=("$(dpkg-deb -f "$deb" Package)")
    echo "$(dpkg-deb -f "$deb" Package): $(du -k "$deb" | cut -f1) kB; Depends: $(dpkg-deb -f "$deb" Depends)"
done
contents=$(for deb in "${debs[@]}"; do dpkg-deb -c "$deb"; done)
grep -q " ./usr/lib/$arch/quarrow/libQuarrowConvert.so$" <<<"$contents" ||
    fail "the conversion engine is not in the program's own folder"
! grep -E " ./usr/lib/$arch/[^/]*QuarrowConvert" <<<"$contents" ||
    fail "the conversion engine is beside the public libraries"
lintian_report=$(lintian "${debs[@]}" 2>&1 | grep -v "running with root privileges") || true
! grep -E '^[EW]: ' <<<"$lintian_report" || fail "lintian: errors or warnings (above)"

# A scratch root: what apt, dpkg and the programs write lands in a layer in memory.
mkdir "$work/layers"
mount -t tmpfs korv-scratch "$work/layers"
for folder in usr etc var; do
    mkdir -p "$work/layers/$folder/changes" "$work/layers/$folder/work"
    mount -t overlay korv-scratch -o "lowerdir=/$folder,upperdir=$work/layers/$folder/changes,workdir=$work/layers/$folder/work" "/$folder"
done
log env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${debs[@]}"

# What the triggers and the packages' files give an administrator.
cache=$(ldconfig -p)
for library in $(dpkg -L "${packages[@]}" | grep "^/usr/lib/$arch/lib[^/]*\.so\.[0-9]*$"); do
    grep -q "[[:space:]]$(basename "$library") " <<<"$cache" || fail "ldconfig does not know $library"
done
for page in Quarrow quarrow-convert; do
    MANWIDTH=100 man -P cat "$page" 2>/dev/null | grep -q "^SYNOPSIS" || fail "man $page shows no page"
done
desktop_report=$(desktop-file-validate /usr/share/applications/quarrow.desktop 2>&1) || true
[ -z "$desktop_report" ] || fail "desktop-file-validate: $desktop_report"
appstream_report=$(appstreamcli validate --no-net /usr/share/metainfo/*.metainfo.xml 2>&1) ||
    fail "appstreamcli: $appstream_report"
! grep -E '^[IWE]: ' <<<"$appstream_report" || fail "appstreamcli: $appstream_report"

# The installed programs, on the stored definition "MGA zone 55" and no datum shift.
source "$(dirname "$0")/user_home.sh"
make_user_home "$work/home"
printf 'P1 320000 5810000 12.5\nP2 321000.25 5811000.75\n' > "$work/points.txt"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
       XDG_RUNTIME_DIR="$work/home/runtime"
help=$(quarrow-convert --help) || fail "quarrow-convert --help failed"
grep -q "^Usage: quarrow-convert" <<<"$help" || fail "quarrow-convert --help: $help"
quarrow-convert --from source-grid --to map-geographic "$work/points.txt" "$work/expected.txt" ||
    fail "quarrow-convert did not convert"

# Shift+Tab thrice from the first field reaches "Test Transform", twice from there "Convert
# File..."; the file dialogs take the paths, Enter takes the proposed points ("Convert File"),
# then closes the summary ("Quarrow"); Escape closes the test panel, then the dialog.
QT_QPA_PLATFORM=xcb timeout 120 xvfb-run -a bash -c '
    Quarrow &
    program=$!
    wait_for() { xdotool search --sync --onlyvisible --name "$1" >/dev/null; sleep 0.4; }
    wait_for "^Define Source Datum Definitions$"
    xdotool key --delay 80 shift+Tab shift+Tab shift+Tab space
    sleep 0.5
    xdotool key --delay 80 shift+Tab shift+Tab space
    wait_for "^Convert File: Points to Read$"
    xdotool type --delay 20 "$1/points.txt"
    xdotool key Return
    wait_for "^Convert File: Converted Points to Write$"
    xdotool key ctrl+a
    xdotool type --delay 20 "$1/converted.txt"
    xdotool key Return
    wait_for "^Convert File$"
    xdotool key Return
    wait_for "^Quarrow$"
    grep -o "/[^ ]*QuarrowConvert[^ ]*" /proc/$program/maps | sort -u > "$1/engine"
    xdotool key Return
    sleep 0.5
    xdotool key Escape
    sleep 0.3
    xdotool key Escape
    wait $program
' bash "$work" || fail "the dialog did not convert the file and close"
[ "$(cat "$work/engine")" = "/usr/lib/$arch/quarrow/libQuarrowConvert.so" ] ||
    fail "the dialog's conversion engine: $(cat "$work/engine")"
diff "$work/expected.txt" "$work/converted.txt" || fail "the dialog converted otherwise"

# A program built against the development package.
log cmake -S "$source/examples/point_transform_host" -B "$work/host" -G Ninja
log cmake --build "$work/host"
output=$(QT_QPA_PLATFORM=offscreen "$work/host/point_transform_host" --check 2>&1) ||
    fail "the host could not create the control: $output"
grep -q '^rotation *1.5$' <<<"$output" || fail "the host's transform: $output"

log env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q "${packages[@]}"
left=$(find /usr/bin/Quarrow /usr/bin/quarrow-convert "/usr/lib/$arch/quarrow" \
            /usr/include/quarrow "/usr/lib/$arch/cmake/Quarrow" 2>/dev/null || true)
[ -z "$left" ] || fail "left after removal: $left"
! ldconfig -p | grep -q libKorvutil32 || fail "ldconfig still knows libKorvutil32"
echo "debian_packages: ${#debs[@]} packages lintian-clean, installed, used and removed"
