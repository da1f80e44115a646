#!/usr/bin/env bash
# The real program on a virtual display: started from a fresh folder with a stored definition,
# left with Enter (which presses "Done"). Its title bar reads exactly the dialog's title.
# Afterwards the settings hold the definition (its name trimmed, as only the program writes it)
# and "datum.csv" holds the two built-in entries. Starting it loads neither the geodesy library,
# nor PROJ, nor the file conversion engine: they are bound by name on first use.
#   end_to_end.sh <folder of the built program and its libraries>
set -euo pipefail
bin=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/program" "$work/config/Halvern" "$work/runtime"
chmod 700 "$work/runtime"
cp -P "$bin"/Quarrow "$bin"/*.so* "$work/program/"
cat > "$work/config/Halvern/Quarrtool.conf" <<'SETTINGS'
[Projection]
Name="  MGA zone 55  "
Parameters1=" 12; 2; 2;-177; 0; 0; 0"
Parameters2=" 500000; 10000000; 0.9996; 6; 55"
SETTINGS

export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
timeout 60 xvfb-run -a bash -c '
    "$1/Quarrow" &
    program=$!
    window=$(xdotool search --sync --onlyvisible --name "Define Source Datum Definitions" | head -n 1)
    xdotool getwindowname "$window" > "$2"
    grep -oE "lib(proj|Korvutil32|QuarrowConvert)[^ ]*" /proc/$program/maps > "$3" || true
    xdotool mousemove --window "$window" 20 20
    sleep 0.5
    xdotool key Return
    wait $program
' bash "$work/program" "$work/title" "$work/loaded"

fail() { echo "end-to-end: $*" >&2; exit 1; }
[ "$(cat "$work/title")" = "Define Source Datum Definitions" ] || fail "title: $(cat "$work/title")"
[ ! -s "$work/loaded" ] || fail "loaded at start-up: $(sort -u "$work/loaded" | tr '\n' ' ')"
! readelf -d "$bin/Quarrow" | grep -E "NEEDED.*(proj|Korvutil32|QuarrowConvert)" ||
    fail "the program links what it must bind by name"
settings=$(cat "$work/config/Halvern/Quarrtool.conf")
grep -q '^Name=MGA zone 55$' <<<"$settings" || fail "Name not written: $settings"
grep -q '^Parameters2=" 500000; 10000000; 0.9996; 6; 55"$' <<<"$settings" || fail "Parameters2: $settings"
expected=$'Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc\r\nAGD84 to GDA 94,-117.7630,-51.5100,139.0610,-2.9200e-01,-4.4300e-01,-2.7700e-01,-0.1910\r\nAGD66 to GDA 94,-117.8080,-51.5360,137.7840,-3.0300e-01,-4.4600e-01,-2.3400e-01,-0.2900\r\n'
[ "$(cat "$work/program/datum.csv"; printf x)" = "${expected}x" ] || fail "datum.csv differs"
echo "end-to-end: the dialog closed with Done, and the settings and datum.csv are as expected"
