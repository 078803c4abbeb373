#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and starts the installed window program offscreen
# with a fresh XDG_DATA_HOME: the first start makes the user's program folder from the installed
# one; a second start, after the user changed gx.dat and the installed files were updated, keeps
# the user's gx.dat and brings the unchanged files up to date.
# Usage: installed_window_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
root=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  rm -rf "$root"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

DESTDIR="$root/dest" cmake --install "$build" --prefix /usr >/dev/null
share="$root/dest/usr/share"
program="$root/dest/usr/bin/gridlex"
mkdir -p "$root/home"
export HOME="$root/home" XDG_DATA_HOME="$root/xdg" QT_QPA_PLATFORM=offscreen
folder="$XDG_DATA_HOME/gridlex"

for file in applications/org.gridlex.Gridlex.desktop metainfo/org.gridlex.Gridlex.metainfo.xml \
  mime/packages/org.gridlex.Gridlex.xml icons/hicolor/scalable/apps/org.gridlex.Gridlex.svg \
  icons/hicolor/48x48/apps/org.gridlex.Gridlex.png man/man1/gridlex.1.gz; do
  [ -f "$share/$file" ] || fail "not installed: $file"
done

# Help and version need no display; bad usage is status 2 with the usage on stderr.
[ "$("$program" --version)" = "gridlex $version" ] || fail "--version"
"$program" --help | grep -q '^Usage: gridlex ' || fail "--help"
status=0
"$program" --no-such-option >"$root/out" 2>"$root/err" || status=$?
[ "$status" -eq 2 ] && [ ! -s "$root/out" ] && grep -q '^Usage: gridlex ' "$root/err" || fail "bad usage gave $status"

# Starts the program from the desktop entry's command line, waits until it handles SIGTERM (its
# way to close the window as a user would, saving the settings), then ends it so.
run_window() {
  local exec_line
  exec_line=$(sed -n 's/^Exec=//p' "$share/applications/org.gridlex.Gridlex.desktop")
  [ "$exec_line" = "gridlex %f" ] || fail "the desktop entry runs: $exec_line"
  (cd "$HOME" && exec "$program") >"$root/window.out" 2>&1 &
  pid=$!
  for _ in $(seq 600); do
    mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
    [ -n "$mask" ] && (( (16#$mask >> 14) & 1 )) && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  sleep 1  # let the window come up before it is closed
  kill -TERM "$pid" 2>/dev/null || true
  status=0
  wait "$pid" || status=$?
  pid=
  [ "$status" -eq 0 ] || fail "the window program ended with status $status: $(cat "$root/window.out")"
}

run_window
for file in gx.dat data/1.gx data/ru.dct pic/gx.htm snd/e1.wav rek/rek.dat .delivered; do
  [ -f "$folder/$file" ] || fail "the first start did not make $file"
done
cmp -s "$folder/data/ru.dct" "$share/gridlex/data/ru.dct" || fail "the copied dictionary differs"
[ "$(grep -c ' \./' "$folder/.delivered")" -eq "$(cd "$share/gridlex" && find . -type f | wc -l)" ] ||
  fail "the delivered list does not name every delivered file"
ls "$XDG_DATA_HOME" | grep -qv '^gridlex$' && fail "left beside the folder: $(ls "$XDG_DATA_HOME")"

# The user changes the score (record 0 of gx.dat) to 777; the installed help page is updated.
printf '\x09\x03' | dd of="$folder/gx.dat" bs=1 seek=0 conv=notrunc status=none
echo '<!-- updated -->' >>"$share/gridlex/pic/gx.htm"
run_window
[ "$(od -An -tu2 -N2 "$folder/gx.dat" | tr -d ' ')" = 777 ] || fail "the user's gx.dat was not kept"
cmp -s "$folder/pic/gx.htm" "$share/gridlex/pic/gx.htm" || fail "the unchanged help page was not brought up to date"
echo "first start made $folder ($(cd "$folder" && find . -type f | wc -l) files); the changed gx.dat survived the second start"
