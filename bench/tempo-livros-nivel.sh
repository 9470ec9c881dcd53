#!/usr/bin/env bash
# Level books against the default book, side by side: for each side, the default book and the
# three level books are made one after the other (30 puzzles, seeds 5, 6 and 7), so that they
# meet the same load on a shared machine. Prints wall and processor seconds summed over the
# seeds, and each level book's ratio to the default book.
#   bench/tempo-livros-nivel.sh BUILD_DIR [TAREFAS]
set -euo pipefail
B=$(realpath "$1"); T=${2:-2}
medir() { # prints "wall cpu" for one book
    local inicio fim
    inicio=$(date +%s.%N)
    local cpu
    cpu=$( { /usr/bin/time -f "%U %S" "$B/palvorin-livro" --json --puzzles 30 --tarefas "$T" "$@" >/dev/null; } 2>&1 | tail -1 | awk '{print $1 + $2}')
    fim=$(date +%s.%N)
    echo "$(echo "$fim - $inicio" | bc) $cpu"
}
printf "%-5s %-8s %8s %8s %8s %8s\n" lado nivel parede cpu "x parede" "x cpu"
for lado in 9 11 13 15; do
    declare -A parede=() cpu=()
    for nivel in omissao facil medio dificil; do
        parede[$nivel]=0; cpu[$nivel]=0
    done
    for semente in 5 6 7; do
        for nivel in omissao facil medio dificil; do
            extra=()
            [ "$nivel" != omissao ] && extra=(--dificuldade "$nivel")
            read -r w c < <(medir --lado "$lado" --semente "$semente" "${extra[@]}")
            parede[$nivel]=$(echo "${parede[$nivel]} + $w" | bc)
            cpu[$nivel]=$(echo "${cpu[$nivel]} + $c" | bc)
        done
    done
    for nivel in omissao facil medio dificil; do
        printf "%-5s %-8s %8.2f %8.2f %8.2f %8.2f\n" "$lado" "$nivel" "${parede[$nivel]}" "${cpu[$nivel]}" \
            "$(echo "${parede[$nivel]} / ${parede[omissao]}" | bc -l)" "$(echo "${cpu[$nivel]} / ${cpu[omissao]}" | bc -l)"
    done
done
