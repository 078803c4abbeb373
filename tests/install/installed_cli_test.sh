#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and runs the installed batch tool: its version, and a
# crossword built from the installed dictionary and read back.
# Usage: installed_cli_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

DESTDIR="$root/dest" cmake --install "$build" --prefix /usr >/dev/null
cli="$root/dest/usr/bin/gridlex-cli"

outside=$(cd "$root/dest" && find . ! -type d ! -path './usr/*')
[ -z "$outside" ] || fail "installed outside the prefix: $outside"
for file in usr/bin/gridlex-cli usr/share/gridlex/gx.dat usr/share/gridlex/data/ru.dct \
  usr/share/gridlex/data/1.gx usr/share/gridlex/snd/e1.wav usr/share/gridlex/pic/gx.htm \
  usr/share/man/man1/gridlex-cli.1.gz usr/share/doc/gridlex/copyright usr/share/doc/gridlex/README.md; do
  [ -f "$root/dest/$file" ] || fail "not installed: $file"
done
cmp -s "$root/dest/usr/share/gridlex/data/ru.dct" "$(dirname "$0")/../../dist/data/ru.dct" ||
  fail "the installed dictionary differs from the delivered one"

[ "$("$cli" --version)" = "gridlex-cli $version" ] || fail "--version says: $("$cli" --version)"
zcat "$root/dest/usr/share/man/man1/gridlex-cli.1.gz" | grep -q '^\.TH GRIDLEX-CLI' || fail "manual page"

cd "$root"
status=0
"$cli" build "$root/dest/usr/share/gridlex/data/ru.dct" --board 19 --seed 11 --out 1.gx --dict-out ru.dct \
  >build.out 2>build.err || status=$?
[ "$status" -eq 0 ] || fail "build exited with $status: $(cat build.err)"
grep -q '^filled [0-9]* of [0-9]* attempts [0-9]* complete$' build.out || fail "build printed: $(head -3 build.out)"
"$cli" show 1.gx >show.out || fail "show of the built puzzle"
grep -q '^По горизонтали:$' show.out || fail "show printed: $(head -3 show.out)"
cmp -s ru.dct "$root/dest/usr/share/gridlex/data/ru.dct" && fail "the written dictionary was not reordered"
[ "$(stat -c %s ru.dct)" -eq "$(stat -c %s "$root/dest/usr/share/gridlex/data/ru.dct")" ] ||
  fail "the written dictionary lost or gained bytes"
echo "installed gridlex-cli $version built $(grep -c $'\t' build.out) slots from the installed dictionary"
