#!/usr/bin/env bash
# Milliseconds from starting build/palvorin to its window being viewable, under Xvfb.
# Usage: xvfb-run -a bench/tempo-ate-janela.sh [repetitions]   (needs xwininfo, x11-utils)
set -euo pipefail
programa="$(dirname "$0")/../build/palvorin"
for _ in $(seq "${1:-10}"); do
    inicio=$(date +%s%N)
    "$programa" 2>/dev/null &
    pid=$!
    until xwininfo -name "PALVORIN | Teodoro Valquim" 2>/dev/null | grep -q IsViewable; do :; done
    fim=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo $(((fim - inicio) / 1000000))
done
