#!/usr/bin/env bash
# Times mif2cgps on synthetic layers against the copy floor: cat of the same
# two inputs through a pipe into a file. Runs alternate, converter then
# floor, and the medians are compared:
#
#   plain / floor    the layer without a code against its copy floor
#   dk / plain       a DK layer with a 1,000-row table against the plain layer
#   kktk / plain     a KKTK layer (a lookup and two presence checks a record)
#   cm / floor       a CM point layer against its own copy floor
#
# and the converter's peak memory for each layer, and for a DK layer with a
# 20,000-row table. The polyline layers share their geometry and differ only
# in their attributes.
#
#   bench/run.sh [records] [runs]      (defaults: 500000 records, 7 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
records=${1:-500000}
runs=${2:-7}
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

declare -A seconds floor peak
for kind in plain dk kktk cm dk20000; do
  folder=$scratch/$kind
  mkdir -p "$folder"
  base=$("$build/bench/make_layer" "$kind" "$records" "$folder")
  : >"$scratch/converter" && : >"$scratch/floor" && : >"$scratch/peak"
  for _ in $(seq "$runs"); do
    # Each run writes a new file: rewriting a truncated one makes ext4 flush
    # it at close, which would time the disk rather than the program.
    rm -f "$folder/$base.cGPS.txt" "$folder/floor.out"
    read -r s kib < <(cd "$folder" && measure "$converter" "$base")
    echo "$s" >>"$scratch/converter"
    echo "$kib" >>"$scratch/peak"
    read -r s _ < <(cd "$folder" && measure sh -c "cat $base.mif $base.mid | cat > floor.out")
    echo "$s" >>"$scratch/floor"
  done
  seconds[$kind]=$(median <"$scratch/converter")
  floor[$kind]=$(median <"$scratch/floor")
  peak[$kind]=$(sort -n "$scratch/peak" | tail -n 1)
  rm -rf "$folder"
done

printf '%-8s %9s %12s %12s %10s\n' layer records 'mif2cgps s' 'floor s' 'peak MiB'
for kind in plain dk kktk cm dk20000; do
  awk -v k="$kind" -v r="$records" -v c="${seconds[$kind]}" -v f="${floor[$kind]}" -v p="${peak[$kind]}" \
    'BEGIN { printf "%-8s %9d %12.3f %12.3f %10.1f\n", k, r, c, f, p / 1024 }'
done
ratio() { awk -v a="$2" -v b="$3" -v name="$1" 'BEGIN { printf "%-14s %5.2f\n", name, (b > 0 ? a / b : 0) }'; }
ratio "plain / floor" "${seconds[plain]}" "${floor[plain]}"
ratio "dk / plain" "${seconds[dk]}" "${seconds[plain]}"
ratio "kktk / plain" "${seconds[kktk]}" "${seconds[plain]}"
ratio "cm / floor" "${seconds[cm]}" "${floor[cm]}"
