#!/usr/bin/env bash
# Times mif2cgps on synthetic layers against the copy floor: cat of the same
# two inputs through a pipe into a file. Each round runs every command once,
# one after another, so that the commands compared in a ratio ran close
# together; the ratios are taken round by round and their medians printed:
#
#   plain / floor    the layer without a code against its copy floor
#   dk / plain       a DK layer with a 1,000-row table against the plain layer
#   kktk / plain     a KKTK layer (a lookup and two presence checks a record)
#   cm / floor       a CM point layer against its own copy floor
#
# with the median seconds and the converter's peak memory for each layer,
# and for a DK layer with a 20,000-row table. The polyline layers share their
# geometry and differ only in their attributes.
#
#   bench/run.sh [records] [rounds]      (defaults: 500000 records, 9 rounds)
set -euo pipefail
cd "$(dirname "$0")/.."
records=${1:-500000}
rounds=${2:-9}
build=build-bench
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMIF2CGPS_TESTS=OFF -DMIF2CGPS_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target mif2cgps make_layer >/dev/null
converter=$PWD/$build/mif2cgps

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# Wall seconds and peak resident KiB of one command, as "seconds kib".
measure() {
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f '%M' -o "$scratch/time" "$@" >/dev/null 2>&1 || true
  end=$(date +%s%N)
  awk -v ns=$((end - start)) -v kib="$(cat "$scratch/time")" 'BEGIN { printf "%.4f %s\n", ns / 1e9, kib }'
}

declare -A base
layers=(plain dk kktk cm dk20000)
for kind in "${layers[@]}"; do
  mkdir -p "$scratch/$kind"
  base[$kind]=$("$build/bench/make_layer" "$kind" "$records" "$scratch/$kind")
done

# One timed run: "converter" or "floor" of a layer, appending its seconds
# (and the converter's peak KiB) to files named after it.
run() {  # what kind
  local what=$1 kind=$2 folder=$scratch/$2 b=${base[$2]} s kib
  # Each run writes a new file: rewriting a truncated one makes ext4 flush
  # it at close, which would time the disk rather than the program.
  rm -f "$folder/$b.cGPS.txt" "$folder/floor.out"
  if [[ $what == converter ]]; then
    read -r s kib < <(cd "$folder" && measure "$converter" "$b")
    echo "$kib" >>"$scratch/$kind.peak"
  else
    read -r s _ < <(cd "$folder" && measure sh -c "cat $b.mif $b.mid | cat > floor.out")
  fi
  echo "$s" >>"$scratch/$kind.$what"
  echo "$s"
}

for _ in $(seq "$rounds"); do
  plain=$(run converter plain)
  plain_floor=$(run floor plain)
  dk=$(run converter dk)
  kktk=$(run converter kktk)
  cm=$(run converter cm)
  cm_floor=$(run floor cm)
  run converter dk20000 >/dev/null
  awk -v a="$plain" -v b="$plain_floor" 'BEGIN { print a / b }' >>"$scratch/ratio.plain"
  awk -v a="$dk" -v b="$plain" 'BEGIN { print a / b }' >>"$scratch/ratio.dk"
  awk -v a="$kktk" -v b="$plain" 'BEGIN { print a / b }' >>"$scratch/ratio.kktk"
  awk -v a="$cm" -v b="$cm_floor" 'BEGIN { print a / b }' >>"$scratch/ratio.cm"
done

printf '%-8s %9s %12s %12s %10s\n' layer records 'mif2cgps s' 'floor s' 'peak MiB'
for kind in "${layers[@]}"; do
  floor=-
  [[ -f $scratch/$kind.floor ]] && floor=$(median <"$scratch/$kind.floor")
  awk -v k="$kind" -v r="$records" -v c="$(median <"$scratch/$kind.converter")" -v f="$floor" \
    -v p="$(sort -n "$scratch/$kind.peak" | tail -n 1)" \
    'BEGIN { printf "%-8s %9d %12.3f %12s %10.1f\n", k, r, c, (f == "-" ? f : sprintf("%.3f", f)), p / 1024 }'
done
echo "median of the ratios of $rounds rounds:"
for pair in "plain / floor:plain" "dk / plain:dk" "kktk / plain:kktk" "cm / floor:cm"; do
  printf '%-14s %5.2f\n' "${pair%%:*}" "$(median <"$scratch/ratio.${pair##*:}")"
done
