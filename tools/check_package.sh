#!/usr/bin/env bash
# Installs the Debian package into a clean Debian 12 root made from Debian's archive and uses it
# there as a new user would: apt-get install resolves every dependency from the archive; a normal
# user runs both programs from /usr/bin and the window from the desktop entry's Exec line
# (offscreen, and on a virtual display to read its caption and photograph it); then apt-get remove
# and purge must leave nothing of the package and the user's own folder untouched.
#
# Run by hand as root from the repository root after ./scripts/package (not by ./scripts/test: it
# takes minutes and needs the network to Debian's archive):
#   tools/check_package.sh [DEB]
# Needs mmdebstrap. The work folder is $GRIDLEX_CHECK_DIR (default /tmp/gridlex-check), outside
# the repository; it keeps the base system bookworm-base.tar between runs (delete it for a fresh
# one), the root of the last run and its window screenshot window.png.
set -euo pipefail
deb=$(realpath "${1:-$(ls build-package/gridlex_*.deb | tail -1)}")
work=${GRIDLEX_CHECK_DIR:-/tmp/gridlex-check}
mirror=http://deb.debian.org/debian
base=$work/bookworm-base.tar
root=$work/root
user=solver
home=/home/$user
display=:$((90 + RANDOM % 100))

fail() { echo "FAILED: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "run as root: the check makes a chroot and mounts into it"
command -v mmdebstrap >/dev/null || fail "mmdebstrap is missing (apt-get install mmdebstrap)"
[ -f "$deb" ] || fail "no package $deb (build it with ./scripts/package)"

mounts=()
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount -l "${mounts[i]}" 2>/dev/null || true; done
}
trap cleanup EXIT

# Takes an ended process off the list the clean-up kills, so that its number, if reused, is left alone.
forget() {
  local kept=() pid
  for pid in "${pids[@]}"; do [ "$pid" = "$1" ] || kept+=("$pid"); done
  pids=("${kept[@]}")
}

# Shows a command and its output, as a transcript of the check.
show() {
  echo "\$ $*"
  "$@"
}
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
# A simple command, so that a program started in the background is itself the process $! names.
user_command=(chroot --userspec="$user:$user" "$root" env -i HOME="$home" USER="$user" PATH=/usr/bin:/bin LANG=C.UTF-8)
as_user() { "${user_command[@]}" "$@"; }
user_shell() { as_user sh -c "cd && $1"; }

echo "== a clean Debian 12 root"
mkdir -p "$work"
if [ ! -f "$base" ]; then
  nice -n 15 mmdebstrap --quiet --variant=apt --format=tar bookworm "$base.part" "deb $mirror bookworm main" \
    "deb $mirror bookworm-updates main" "deb http://deb.debian.org/debian-security bookworm-security main"
  mv -T "$base.part" "$base"
fi
# Mounts left by a run that was cut off go first: removing the root must not reach into /dev.
while read -r _ mounted _; do
  case "$mounted" in "$root"/*) umount -l "$mounted" ;; esac
done </proc/mounts
grep -q " $root/" /proc/mounts && fail "still mounted under $root"
rm -rf --one-file-system "$root"
mkdir -p "$root"
tar -xf "$base" -C "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc" && mounts+=("$root/proc")
mount --bind /dev "$root/dev" && mounts+=("$root/dev")
mount --bind /dev/pts "$root/dev/pts" && mounts+=("$root/dev/pts")
echo "$(in_root dpkg-query -W -f '${Package}\n' | wc -l) packages; Qt, GStreamer or fonts among them:" \
  "$(in_root dpkg-query -W -f '${Package}\n' | grep -cE 'qt6|gstreamer|^fonts-' || true)"
in_root useradd --create-home --shell /bin/sh "$user"

echo "== the package"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
echo "Recommends: $(dpkg-deb -f "$deb" Recommends)"
version=$(dpkg-deb -f "$deb" Version)
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
# Without the recommended packages: what the package depends on must be enough to run it.
show in_root sh -c "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  ./$(basename "$deb")" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "apt-get install"; }
grep -E '^\$|newly installed|^Setting up gridlex' "$work/install.log"
in_root dpkg-query -L gridlex >"$work/files"
echo "$(grep -c . "$work/files") paths installed"
show in_root dpkg-query -W -f '${Package} ${Version} ${Status}\n' gridlex
for needed in /usr/share/qt6/translations/qtbase_ru.qm \
  /usr/lib/x86_64-linux-gnu/qt6/plugins/multimedia/libgstreamermediaplugin.so \
  /usr/lib/x86_64-linux-gnu/gstreamer-1.0/libgstwavparse.so \
  /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqoffscreen.so \
  /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so; do
  [ -e "$root$needed" ] || fail "not installed with the package: $needed"
done
arial=$(in_root fc-match Arial)
echo "Arial is drawn with: $arial"
case "$arial" in *Liberation*) ;; *) fail "no metric match for Arial: $arial" ;; esac

echo "== the batch tool, as the user $user"
show as_user which gridlex-cli gridlex
[ "$(as_user gridlex-cli --version)" = "gridlex-cli $version" ] || fail "gridlex-cli --version"
show as_user gridlex-cli --version
echo "\$ gridlex-cli --help"
as_user gridlex-cli --help >"$work/help.txt"
head -3 "$work/help.txt"
status=0
as_user gridlex-cli build >/dev/null 2>&1 || status=$?
echo "gridlex-cli build without a dictionary: status $status"
[ "$status" -eq 2 ] || fail "bad usage of gridlex-cli gave $status"
show user_shell "mkdir -p puzzles && gridlex-cli build /usr/share/gridlex/data/ru.dct --seed 7 \
  --out puzzles/7.gx --dict-out puzzles/ru.dct | grep '^filled'"
show user_shell "ls -l puzzles; gridlex-cli show puzzles/7.gx | grep -A2 '^По горизонтали:'"
[ -s "$root$home/puzzles/7.gx" ] || fail "no puzzle written"

echo "== the window program, as the user $user"
[ "$(as_user gridlex --version)" = "gridlex $version" ] || fail "gridlex --version"
show as_user gridlex --version
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/org.gridlex.Gridlex.desktop")
echo "the desktop entry runs: $exec_line"
# The command a desktop runs for the entry: %f is the file opened, or nothing.
entry_command() {
  if [ -n "$1" ]; then echo "${exec_line//%f/$1}"; else echo "${exec_line// %f/}"; fi
}
# Waits until the program has set up its SIGTERM handler (its way to close the window as a user
# would), gives the window time to come up, then closes it so; the status must be 0.
close_window() {
  local pid=$1 mask status=0
  for _ in $(seq 600); do
    mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
    [ -n "$mask" ] && (((16#$mask >> 14) & 1)) && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  sleep 2
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" || status=$?
  forget "$pid"
  [ "$status" -eq 0 ] || fail "the window program ended with status $status"
}
run_offscreen() {
  local command
  command=$(entry_command "$1")
  echo "\$ QT_QPA_PLATFORM=offscreen $command  # in $home, closed by SIGTERM"
  "${user_command[@]}" sh -c "cd && QT_QPA_PLATFORM=offscreen exec $command" >"$work/window.log" 2>&1 &
  pids+=($!)
  close_window "$!"
  echo "status 0; its output: $(cat "$work/window.log")"
}

folder=$root$home/.local/share/gridlex
[ -e "$folder" ] && fail "the user folder exists before the first start"
run_offscreen ""
delivered=$(cd "$root/usr/share/gridlex" && find . -type f | wc -l)
copied=$(cd "$folder" && find . -type f ! -name .delivered | wc -l)
uid=$(in_root id -u "$user")
echo "~/.local/share/gridlex: $copied files copied of $delivered delivered"
[ "$copied" -eq "$delivered" ] || fail "the first start copied $copied of $delivered files"
[ -s "$folder/.delivered" ] || fail "no .delivered list"
[ "$(find "$folder" ! -uid "$uid" | wc -l)" -eq 0 ] || fail "files in the folder not owned by $user"
cmp -s "$folder/data/ru.dct" "$root/usr/share/gridlex/data/ru.dct" || fail "the copied dictionary differs"
run_offscreen "$home/puzzles/7.gx"
[ -s "$root$home/puzzles/7.gx" ] || fail "the opened puzzle is gone"

echo "== the desktop's file types, and the window on a virtual display opening the puzzle"
tools="xvfb xdotool x11-apps shared-mime-info desktop-file-utils"
in_root sh -c "DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $tools" \
  >"$work/tools.log" 2>&1 || { cat "$work/tools.log"; fail "could not install $tools"; }
grep -E '^[WE]: |[Ww]arning|[Ee]rror:' "$work/tools.log" && fail "the file type or desktop databases complained"
show grep gridlex "$root/usr/share/mime/globs2" "$root/usr/share/applications/mimeinfo.cache"
grep -q '^60:application/x-gridlex-puzzle:\*\.gx$' "$root/usr/share/mime/globs2" || fail "*.gx is not a puzzle"
grep -q '^application/x-gridlex-puzzle=org.gridlex.Gridlex.desktop;$' "$root/usr/share/applications/mimeinfo.cache" ||
  fail "the desktop entry does not open puzzles"
"${user_command[@]}" Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pids+=("$xvfb")
for _ in $(seq 50); do as_user env DISPLAY="$display" xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
command=$(entry_command "$home/puzzles/7.gx")
echo "\$ $command  # on the virtual display"
"${user_command[@]}" sh -c "cd && DISPLAY=$display exec $command" >"$work/window.log" 2>&1 &
window_pid=$!
pids+=("$window_pid")
window=$(as_user env DISPLAY="$display" timeout 60 xdotool search --sync --onlyvisible --name '.' | tail -1 || true)
sleep 3
caption=""
for id in $(as_user env DISPLAY="$display" xdotool search --onlyvisible --name '.'); do
  caption+="[$(as_user env DISPLAY="$display" xdotool getwindowname "$id")] "
done
echo "visible windows: $caption"
as_user env DISPLAY="$display" xwd -root -silent >"$work/window.xwd"
if command -v convert >/dev/null; then convert "$work/window.xwd" "$work/window.png" && echo "screenshot: $work/window.png"; fi
close_window "$window_pid"
kill "$xvfb"
wait "$xvfb" 2>/dev/null || true
forget "$xvfb"
case "$caption" in *7.gx*) ;; *) fail "no window names the opened puzzle 7.gx: $caption" ;; esac
[ -n "$window" ] || fail "no window appeared"

echo "== remove, and purge after a second install"
before=$(cd "$folder" && find . -type f | sort | xargs sha256sum)
nothing_left() {
  local left
  left=$(while read -r path; do [ -e "$root$path" ] && [ ! -d "$root$path" ] && echo "$path"; done <"$work/files" || true)
  [ -z "$left" ] || fail "left after $1: $left"
  for dir in /usr/share/gridlex /usr/share/doc/gridlex; do
    [ ! -e "$root$dir" ] || fail "left after $1: $dir"
  done
  in_root dpkg-query -W gridlex >/dev/null 2>&1 && fail "dpkg still knows the package after $1"
  grep -q gridlex "$root/usr/share/mime/globs2" "$root/usr/share/applications/mimeinfo.cache" &&
    fail "the file type databases still name gridlex after $1"
  echo "nothing of the package is left after $1 ($(grep -c . "$work/files") paths checked)"
}
show in_root sh -c 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -q gridlex 2>&1 | grep -E "^Removing|removed"'
nothing_left "apt-get remove"
in_root sh -c "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends ./$(basename "$deb")" \
  >"$work/install2.log" 2>&1 || { cat "$work/install2.log"; fail "the second apt-get install"; }
show in_root sh -c 'DEBIAN_FRONTEND=noninteractive apt-get purge -y -q gridlex 2>&1 | grep -E "^Removing|^Purging|removed"'
nothing_left "apt-get purge"
after=$(cd "$folder" && find . -type f | sort | xargs sha256sum)
[ "$before" = "$after" ] || fail "the user's folder changed on removal"
[ -s "$root$home/puzzles/7.gx" ] || fail "the user's puzzle is gone"
echo "the user's folder is untouched: $(echo "$after" | wc -l) files in ~/.local/share/gridlex, same contents"
echo "PASSED"
