#!/bin/sh
# The calculation benchmark beside an independent sparse nodal solve of the
# same generated networks (python3 with scipy): builds calc_bench in the
# release build folder, writes its networks, solves them, runs the benchmark.
#   scripts/calc-compare.sh [build-folder]   (default build-release)
set -e
cd "$(dirname "$0")/.."
build=${1:-build-release}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j3 --target calc_bench
bench="$build/bin/calc_bench"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
args=""
for shape in "radial 2000 500" "meshed 2000 500" "radial 20000 5000" "meshed 20000 5000"; do
    set -- $shape
    "$bench" --dump "$1" "$2" "$3" "$work/$1-$2.txt"
    args="$args $1/$2/$3=$work/$1-$2.txt"
done
"${PYTHON:-/usr/bin/python3}" scripts/calc_compare.py $args
"$bench" --benchmark_filter='BM_Calculation(Meshed)?/(2000/500|20000/5000)$'
