# Sourced by the install tests. make_user_home <folder>: a user's home in <folder> (config, data
# and runtime folders as XDG names them) whose settings store holds the definition "MGA zone 55".
make_user_home() {
    mkdir -p "$1/config/Halvern" "$1/data" "$1/runtime"
    chmod 700 "$1/runtime"
    cat > "$1/config/Halvern/Quarrtool.conf" <<'SETTINGS'
[Projection]
Name=MGA zone 55
Parameters1=" 12; 2; 2;-177; 0; 0; 0"
Parameters2=" 500000; 10000000; 0.9996; 6; 55"
SETTINGS
}
