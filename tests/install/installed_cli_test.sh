#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and runs the installed batch tool: its version, a
# crossword built from the installed dictionary and read back, and its drawn outputs: drawn by the
# installed drawing module when the build has Qt (the tool itself links no Qt library), refused
# with a clear message when the module is missing or the build has no Qt.
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
objdump -p "$cli" | grep -q 'NEEDED.*libQt' && fail "gridlex-cli links Qt: $(objdump -p "$cli" | grep NEEDED)"
module=$(find "$root/dest/usr" -name gridlex-cli-draw.so)
status=0
"$cli" export 1.gx --pdf 1.pdf --program-dir "$root/dest/usr/share/gridlex" >pdf.out 2>pdf.err || status=$?
if [ -n "$module" ]; then
  [ "$status" -eq 0 ] || fail "export --pdf exited with $status: $(cat pdf.err)"
  [ "$(head -c 5 1.pdf)" = "%PDF-" ] || fail "export --pdf wrote no PDF"
  mv "$module" "$root/moved.so"
  status=0
  "$cli" export 1.gx --gif 1.gif >gif.out 2>gif.err || status=$?
  [ "$status" -eq 1 ] || fail "export --gif without the module exited with $status"
  grep -q 'drawing module .*cannot be loaded' gif.err || fail "export --gif without the module said: $(cat gif.err)"
  [ ! -e 1.gif ] || fail "export --gif without the module wrote a file"
else
  [ "$status" -eq 1 ] || fail "export --pdf of a build without Qt exited with $status"
  grep -q 'built without Qt' pdf.err || fail "export --pdf of a build without Qt said: $(cat pdf.err)"
fi
echo "installed gridlex-cli $version built $(grep -c $'\t' build.out) slots from the installed dictionary"
