#!/usr/bin/env bash
# Milliseconds from starting build/palvorin to its window being viewable, under Xvfb.
# Usage: xvfb-run -a -s -noreset bench/tempo-ate-janela.sh [repetitions]   (xwininfo: x11-utils)
# Without -noreset the server resets whenever its last client leaves, refusing the next one.
# Polls every 10 ms: polling flat out floods the X server with connections.
set -euo pipefail
programa="$(dirname "$0")/../build/palvorin"
for _ in $(seq "${1:-10}"); do
    inicio=$(date +%s%N)
    "$programa" 2>/dev/null &
    pid=$!
    until xwininfo -name "PALVORIN | Teodoro Valquim" 2>/dev/null | grep -q IsViewable; do
        kill -0 "$pid" 2>/dev/null || { echo "o programa terminou antes de abrir a janela" >&2; exit 1; }
        sleep 0.01
    done
    fim=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo $(((fim - inicio) / 1000000))
done
