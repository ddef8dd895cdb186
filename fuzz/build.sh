#!/bin/sh
# Builds the data file fuzzer with clang and libFuzzer, apart from the main build.
# Usage: fuzz/build.sh [output folder]   (default: build/fuzz)
# Run:   build/fuzz/load_simulation_fuzz build/fuzz/corpus tests/data -max_total_time=600
#        (new inputs go to the first folder; tests/data only seeds it)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
out=${1:-"$root/build/fuzz"}
mkdir -p "$out/corpus"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root/src" -I"$root/tests" -o "$out/load_simulation_fuzz" \
    "$here/load_simulation_fuzz.cpp" "$root"/tests/support/recording_host.cpp \
    "$root"/src/platform/*.cpp "$root"/src/model/*.cpp "$root"/src/results/*.cpp "$root"/src/engine/*.cpp \
    "$root"/src/analysis/*.cpp "$root"/src/run/*.cpp "$root"/src/drawing/*.cpp "$root"/src/editing/*.cpp \
    "$root"/src/storage/*.cpp
echo "$out/load_simulation_fuzz"
