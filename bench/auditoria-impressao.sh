#!/usr/bin/env bash
# Print audit of every format, large print and print-shop pages: for a book of each, the page
# size, the smallest type set (Ghostscript's text extraction), the nearest
# any ink comes to the trim edge (Ghostscript's bbox device, per page), the line widths used
# and the ink (Ghostscript's inkcov: C + M + Y summed over the pages, and K).
#   bench/auditoria-impressao.sh BUILD_DIR [LADO] [PUZZLES]
set -euo pipefail
B=$(realpath "$1"); LADO=${2:-15}; N=${3:-9}
T=$(mktemp -d); trap 'rm -rf "$T"' EXIT
TITULO="Quarenta caracteres de título, WWWWWWWWW"
printf "%-32s %-16s %6s %8s %9s %-26s %8s %8s\n" livro "página (pt)" págs "menor pt" "borda mm" "linhas (pt)" "C+M+Y" K
for variante in "a4" "a5" "carta" "6x9" "a4 --letra-grande" "carta --letra-grande" \
    "a4 --grafica" "a5 --grafica" "carta --grafica" "6x9 --grafica" \
    "a4 --letra-grande --grafica" "carta --letra-grande --grafica"; do
    read -r formato opcoes <<<"$variante"
    pdf="$T/livro.pdf"
    # shellcheck disable=SC2086
    SOURCE_DATE_EPOCH=1700000000 "$B/palvorin-livro" --lado "$LADO" --puzzles "$N" --semente 7 \
        --titulo "$TITULO" --formato "$formato" $opcoes -o "$pdf" >/dev/null 2>&1
    pagina=$(pdfinfo "$pdf" | awk '/^Page size:/ {print $3 "x" $5}')
    paginas=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
    qpdf --qdf --object-streams=disable "$pdf" "$T/qdf.pdf"
    # Every glyph's size as Ghostscript's text extraction sees it (font size times the text
    # and page matrices), so Cairo's books and their grey conversions are measured alike.
    menor=$(gs -q -dNOPAUSE -dBATCH -sDEVICE=txtwrite -dTextFormat=0 -sOutputFile=- "$pdf" 2>/dev/null |
        grep -oE 'size="[0-9.]+"' | tr -dc '0-9.\n' | awk 'm == "" || $1 < m {m = $1} END {printf "%.2f", m}')
    # Ghostscript draws its paths under "0.1 0 0 0.1 0 0 cm": its widths are tenths of a point.
    escala=1; LC_ALL=C grep -aq '0\.1 0 0 0\.1 0 0 cm' "$T/qdf.pdf" && escala=0.1
    linhas=$(LC_ALL=C grep -a -oE '(^| )[0-9.]+ w( |$)' "$T/qdf.pdf" | awk -v e="$escala" '{print $1 * e}' | sort -nu | tr '\n' ' ')
    largura=${pagina%x*}; altura=${pagina#*x}
    borda=$(gs -q -dNOPAUSE -dBATCH -sDEVICE=bbox "$pdf" 2>&1 | awk -v w="$largura" -v h="$altura" '
        /%%HiResBoundingBox/ {d = $2; if ($3 < d) d = $3; if (w - $4 < d) d = w - $4; if (h - $5 < d) d = h - $5;
            if (m == "" || d < m) m = d} END {printf "%.1f", m * 25.4 / 72}')
    tinta=$(gs -q -o - -sDEVICE=inkcov "$pdf" | awk '{cmy += $1 + $2 + $3; k += $4} END {printf "%.4f %.4f", cmy, k}')
    printf "%-32s %-16s %6s %8s %9s %-26s %8s %8s\n" "$formato${opcoes:+ $opcoes}" "$pagina" "$paginas" \
        "$menor" "$borda" "$linhas" ${tinta}
done
