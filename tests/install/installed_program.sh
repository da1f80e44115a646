#!/usr/bin/env bash
# The installed program on a virtual display, started twice by a user who cannot write its
# folder, as after an install by an administrator. The first start edits the datum shift "AGD84 to
# GDA 94" with the keyboard (DZ 140) and leaves with Done; the second picks the entry again and
# derives its inverse. The edit must be kept in the user's data folder, and the second start must
# have used it.
#   installed_program.sh <build folder>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "installed_program: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null || fail "install failed"
source "$(dirname "$0")/user_home.sh"
make_user_home "$work/home"

# The program's folder belongs to someone else: as root, the program runs as "nobody".
run_as=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody "$work/home"
    chmod 755 "$work" "$work/prefix" "$work/prefix/bin"
    run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
    chmod 555 "$work/prefix/bin"
fi

# Keys from the window's first field: fifteen Tabs (the Projection control's fields, the EPSG
# line's link and "From EPSG...") reach the datum shift list; Alt+Down opens it, Down and Enter
# pick "AGD84 to GDA 94".
pick_agd84='Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab alt+Down'
start() {  # start <keys after the pick>
    env HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
        XDG_RUNTIME_DIR="$work/home/runtime" QT_QPA_PLATFORM=xcb \
        timeout 60 "${run_as[@]}" xvfb-run -a bash -c '
            "$1/bin/Quarrow" &
            program=$!
            xdotool search --sync --onlyvisible --name "^Define Source Datum Definitions$" >/dev/null
            sleep 0.5
            xdotool key --delay 40 $2
            sleep 0.3
            xdotool key Down Return
            sleep 0.3
            eval "$3"
            wait $program
        ' bash "$work/prefix" "$pick_agd84" "$1" || fail "the program did not end with Done"
}

# First start: Tab past "Calculate Inverse", "Add from EPSG...", DX and DY to DZ, type 140, Enter
# presses Done.
start 'xdotool key --delay 40 Tab Tab Tab Tab Tab ctrl+a; xdotool type "140.0000"; xdotool key Return'
list="$work/home/data/Halvern/Quarrow/datum.csv"
[ -f "$list" ] || fail "no datum list in the user's data folder"
[ ! -e "$work/prefix/bin/datum.csv" ] || fail "a datum list beside the program"
grep -q '^AGD84 to GDA 94,-117.7630,-51.5100,140.0000,' "$list" || fail "edit not kept: $(cat "$list")"

# Second start: "Calculate Inverse" on the entry, then Tab past "Add from EPSG..." to DX and Enter
# presses Done. The inverse is derived from the entry as this start read it: its DZ comes out near
# -140, not -139.06.
start 'xdotool key Tab space; sleep 0.3; xdotool key Tab Tab Return'
grep -q '^AGD84 to GDA 94,-117.7630,-51.5100,140.0000,' "$list" || fail "edit lost: $(cat "$list")"
grep -Eq '^AGD84 to GDA 94 Inverse,[^,]*,[^,]*,-1(39\.9|40\.0)' "$list" ||
    fail "the second start did not use the edit: $(cat "$list")"
echo "installed_program: the edit was kept in the user's data folder across two starts"
