#!/bin/sh
# Fuzzes the state-file reader for a bounded time (seconds, default 120) with libFuzzer under clang.
# Installs clang when missing. Usage: tools/fuzz_estado.sh [segundos]
set -eu
SEGUNDOS=${1:-120}
RAIZ=$(cd "$(dirname "$0")/.." && pwd)
OBRA=$RAIZ/build/fuzz
if ! command -v clang++ >/dev/null 2>&1; then
    apt-get install -y clang
fi
SANEAR="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -g -O1"
cmake -S "$RAIZ" -B "$OBRA" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="$SANEAR" -DZP_FUZZ=ON -DZP_BUILD_TESTS=OFF >/dev/null
cmake --build "$OBRA" --target fuzz_estado -j2
mkdir -p "$OBRA/corpus_estado" "$OBRA/fallos_estado"
cd "$OBRA"
ZP_CORPUS="$OBRA/corpus_estado" ./bench/fuzz_estado "$OBRA/corpus_estado" \
    -max_total_time="$SEGUNDOS" -max_len=8192 -artifact_prefix="$OBRA/fallos_estado/" -print_final_stats=1
