#!/usr/bin/env bash
# An installed copy: the build installed into a throw-away prefix, its desktop
# files validated, its companions run for a new user, and the program's first
# start seen registering the control server in that user's registry.
# Usage: InstalledCopy.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
program_pid=""
cleanup() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

# What is installed, and what never is.
for file in bin/quillmark bin/newcompanyfile bin/quillmark-report bin/lumotlb \
    share/applications/quillmark.desktop share/icons/hicolor/scalable/apps/quillmark.svg \
    share/metainfo/org.quillmark.quillmark.metainfo.xml \
    share/man/man1/quillmark.1 share/man/man1/newcompanyfile.1 share/man/man1/quillmark-report.1; do
    [ -e "$prefix/$file" ] || fail "$file is not installed"
done
server="$(find "$prefix" -name liblumokit.so.1)"
[ -n "$server" ] && [ -e "$server" ] || fail "liblumokit.so.1 is not installed"
unwanted="$(find "$prefix" -name 'test_*' -o -name 'bench_*' -o -name 'lumokit-demo')"
[ -z "$unwanted" ] || fail "installed but not for users: $unwanted"

desktop-file-validate "$prefix/share/applications/quillmark.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/org.quillmark.quillmark.metainfo.xml" ||
    fail "appstreamcli validate"
for page in "$prefix"/share/man/man1/*.1; do
    warnings="$(groff -man -Tutf8 -ww "$page" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || fail "$page: $warnings"
    ! grep -q '@[A-Z_]*@' "$page" || fail "$page keeps an unreplaced @VARIABLE@"
done

# A new user: no data folder, no registry.
export HOME="$work/home"
mkdir -p "$HOME"
unset XDG_DATA_HOME XDG_CONFIG_HOME LUMOKIT_REGISTRY
export QT_QPA_PLATFORM=offscreen
books="$HOME/.local/share/Quillmark/vevodir.dat"

"$prefix/bin/newcompanyfile" --default >/dev/null || fail "newcompanyfile --default"
[ -f "$books" ] || fail "newcompanyfile --default made no $books"
status=0
"$prefix/bin/newcompanyfile" --default 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "newcompanyfile --default over existing books: status $status"
"$prefix/bin/newcompanyfile" --default --if-missing || fail "newcompanyfile --if-missing"

"$prefix/bin/quillmark-report" --data "$books" --kind PL --from 2026-01-01 --to 2026-12-31 \
    --out "$work/pl.pdf" --csv "$work/pl.csv" >/dev/null || fail "quillmark-report"
[ "$(head -c 4 "$work/pl.pdf")" = "%PDF" ] || fail "quillmark-report wrote no PDF file"
[ -s "$work/pl.csv" ] || fail "quillmark-report wrote no CSV file"
status=0
"$prefix/bin/quillmark-report" --data "$books" --kind XX --from 2026-01-01 --to 2026-12-31 \
    --out "$work/x.pdf" 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "quillmark-report --kind XX: status $status"

# First start: the books exist, so no question blocks it; the registry is
# written before any screen opens.
registry="$HOME/.config/lumokit/registry.json"
"$prefix/bin/quillmark" >"$work/quillmark.log" 2>&1 &
program_pid=$!
for _ in $(seq 1 300); do
    if grep -q '"LumoKit.LumoXPButton"' "$registry" 2>/dev/null; then
        break
    fi
    kill -0 "$program_pid" 2>/dev/null || fail "quillmark ended: $(cat "$work/quillmark.log")"
    sleep 0.1
done
grep -q '"LumoKit.LumoXPButton"' "$registry" 2>/dev/null ||
    fail "quillmark registered no server in $registry"
grep -q "\"server\": \"$server\"" "$registry" ||
    fail "the registry names another server than $server: $(cat "$registry")"
sleep 1
kill -0 "$program_pid" 2>/dev/null || fail "quillmark ended: $(cat "$work/quillmark.log")"
echo "Installed copy in $prefix: files valid, companions ran, server registered in $registry"
