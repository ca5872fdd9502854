#!/usr/bin/env bash
# Times mif2cgps on synthetic layers against the copy floor: cat of the same
# two inputs through a pipe into a file. Runs alternate, converter then
# floor; the medians, their ratio and the converter's peak memory are printed.
#
#   bench/run.sh [records] [runs]      (defaults: 500000 records, 5 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
records=${1:-500000}
runs=${2:-5}
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

printf '%-10s %9s %12s %12s %7s %10s\n' layer records 'mif2cgps s' 'floor s' ratio 'peak MiB'
for kind in plain dk kktk cm; do
  folder=$scratch/$kind
  mkdir -p "$folder"
  base=$("$build/bench/make_layer" "$kind" "$records" "$folder")
  : >"$scratch/converter" && : >"$scratch/floor" && : >"$scratch/peak"
  for _ in $(seq "$runs"); do
    read -r seconds kib < <(cd "$folder" && measure sh -c "echo $base | '$converter'")
    echo "$seconds" >>"$scratch/converter"
    echo "$kib" >>"$scratch/peak"
    read -r seconds _ < <(cd "$folder" && measure sh -c "cat $base.mif $base.mid | cat > floor.out")
    echo "$seconds" >>"$scratch/floor"
  done
  converter_s=$(median <"$scratch/converter")
  floor_s=$(median <"$scratch/floor")
  peak_kib=$(sort -n "$scratch/peak" | tail -n 1)
  awk -v k="$kind" -v r="$records" -v c="$converter_s" -v f="$floor_s" -v p="$peak_kib" \
    'BEGIN { printf "%-10s %9d %12.3f %12.3f %7.2f %10.1f\n", k, r, c, f, (f > 0 ? c / f : 0), p / 1024 }'
  rm -rf "$folder"
done
