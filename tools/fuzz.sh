#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each one for the
# given number of seconds (default 60), seeded with the shipped data files.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVESSOMAR_FUZZ=ON -DVESSOMAR_TESTS=OFF
cmake --build build-fuzz -j "$(nproc)" --target fuzz_settings fuzz_catalogue fuzz_language fuzz_project fuzz_picture
for target in settings catalogue language project picture; do
    corpus="build-fuzz/corpus-$target"
    mkdir -p "$corpus"
    case $target in
        catalogue) cp data/Files/Covers.ini "$corpus/" ;;
        language) cp data/Files/Lang/*.lng "$corpus/" ;;
        settings) printf 'Italiano.lng\r\n5\r\n/p\r\n/q\r\n1\r\n2\r\n' > "$corpus/seed" ;;
        picture) tools/picture-seeds.sh "$corpus" ;;
        project) printf '\r\n\r\n\r\n 1 \r\nCover\r\nSpine\r\nArial\r\n8.25\r\n 1 \r\n 0 \r\n 1 \r\n 255 \r\n 1 \r\n 1 \r\n 3 \r\n' > "$corpus/seed" ;;
    esac
    echo "--- fuzz_$target for ${seconds}s"
    "build-fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=65536 \
        -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
    [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "fuzz_$target found a fault"; exit 1; }
done
