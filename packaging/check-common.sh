# Shared by the install and package checks: the install folders and the failure count.
# HALMORA_BINDIR, HALMORA_DATADIR and HALMORA_LIBEXECDIR give the install folders.
bindir=${HALMORA_BINDIR:-bin}
datadir=${HALMORA_DATADIR:-share}
libexecdir=${HALMORA_LIBEXECDIR:-libexec}

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
need_file() {
    [ -f "$1" ] || fail "missing $1"
}
need_program() {
    if [ ! -f "$1" ] || [ ! -x "$1" ]; then fail "missing or not executable: $1"; fi
}
