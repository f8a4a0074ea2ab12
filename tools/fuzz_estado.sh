#!/bin/sh
# Fuzzes the state files for a bounded time (seconds, default 120) with libFuzzer under clang, with the
# address and undefined-behaviour sanitizers: every input is read as a settings file and a game it holds is
# played on for a few turns. Installs clang when missing. Never part of CI.
# Usage: tools/fuzz_estado.sh [segundos] [procesos]
set -eu
SEGUNDOS=${1:-120}
PROCESOS=${2:-1}
RAIZ=$(cd "$(dirname "$0")/.." && pwd)
OBRA=$RAIZ/build/fuzz
if ! command -v clang++ >/dev/null 2>&1; then
    apt-get install -y clang
fi
SANEAR="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -g -O1"
# Asserts stay on: a game the reader lets through must never reach one inside the engine.
cmake -S "$RAIZ" -B "$OBRA" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-g \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="$SANEAR" -DZP_FUZZ=ON -DZP_BUILD_TESTS=OFF >/dev/null
cmake --build "$OBRA" --target fuzz_estado -j2
mkdir -p "$OBRA/corpus_estado" "$OBRA/fallos_estado"
cd "$OBRA"
# A game played on for a few turns takes well under a second; ten seconds means it hangs.
ZP_CORPUS="$OBRA/corpus_estado" ./bench/fuzz_estado "$OBRA/corpus_estado" \
    -max_total_time="$SEGUNDOS" -max_len=8192 -timeout=10 -rss_limit_mb=4096 \
    -fork="$PROCESOS" -ignore_crashes=0 \
    -artifact_prefix="$OBRA/fallos_estado/" -print_final_stats=1
