#!/bin/sh
# Feeds a layer's MID through a FIFO, one line at a time, and checks that
# each record reaches the output as soon as its line is there, and that a
# table replaced between two lines labels the second record only.
#
#   fifo_mid.sh <mif2cgps> <scratch folder>
set -eu
converter=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch"

printf 'Pline 1\n1 2\nPline 1\n3 4\n' >roadsDK.mif
printf 'ab,OLD\n' >DKconvert.txt
mkfifo roadsDK.mid

"$converter" roadsDK >console 2>&1 &
converter_pid=$!
fail() {
  echo "$1"
  kill "$converter_pid" 2>/dev/null || true
  exit 1
}
# Waits up to ten seconds for a pattern in a file.
wait_for() {
  tries=0
  until grep -q "$1" "$2" 2>/dev/null; do
    tries=$((tries + 1))
    [ "$tries" -le 1000 ] || fail "no '$1' in $2 after 10 s; the converter waits for more input than one line"
    sleep 0.01
  done
}

exec 3>roadsDK.mid
printf '"ab"\n' >&3
wait_for 'Label=OLD' roadsDK.cGPS.txt
printf 'ab,NEWER\n' >DKconvert.txt.new
mv DKconvert.txt.new DKconvert.txt
sleep 0.01
printf '"ab"\n' >&3
exec 3>&-
wait "$converter_pid" || fail "exit code $?: $(cat console)"

labels=$(grep -a '^Label=' roadsDK.cGPS.txt | tr -d '\r' | tr '\n' ' ')
[ "$labels" = "Label=OLD Label=NEWER " ] || fail "labels: $labels"
grep -q '^Total lines : 2$' console || fail "console: $(cat console)"
