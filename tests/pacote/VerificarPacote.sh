#!/bin/sh
# Unpacks the Debian package and checks its file list, its control fields, the unpacked
# programs and the manual pages.  Usage: VerificarPacote.sh PACOTE.deb VERSAO
set -eu
pacote=$1
versao=$2
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
falhas=0
falhar() {
    echo "FALHA: $*" >&2
    falhas=$((falhas + 1))
}

dpkg-deb -x "$pacote" "$pasta/raiz"

# Nothing in it may be written by anyone but root, whatever the umask it was built under (a
# link's own bits mean nothing).
escreviveis=$(dpkg-deb -c "$pacote" | awk 'substr($1, 1, 1) != "l" && (substr($1, 6, 1) == "w" || substr($1, 9, 1) == "w")')
[ -z "$escreviveis" ] || falhar "entradas que o grupo ou todos podem escrever:
$escreviveis"

(cd "$pasta/raiz" && find . -type f | sed 's|^\.||' | LC_ALL=C sort) > "$pasta/ficheiros"
LC_ALL=C sort > "$pasta/esperados" <<FIM
/usr/bin/palvorin
/usr/bin/palvorin-livro
/usr/share/applications/palvorin.desktop
/usr/share/doc/palvorin/changelog.gz
/usr/share/doc/palvorin/copyright
/usr/share/icons/hicolor/16x16/apps/palvorin.png
/usr/share/icons/hicolor/24x24/apps/palvorin.png
/usr/share/icons/hicolor/32x32/apps/palvorin.png
/usr/share/icons/hicolor/48x48/apps/palvorin.png
/usr/share/icons/hicolor/64x64/apps/palvorin.png
/usr/share/icons/hicolor/128x128/apps/palvorin.png
/usr/share/icons/hicolor/256x256/apps/palvorin.png
/usr/share/man/man1/palvorin-livro.1.gz
/usr/share/man/man1/palvorin.1.gz
/usr/share/man/pt/man1/palvorin-livro.1.gz
/usr/share/man/pt/man1/palvorin.1.gz
FIM
diff -u "$pasta/esperados" "$pasta/ficheiros" >&2 || falhar "lista de ficheiros"

[ "$(dpkg-deb -f "$pacote" Package Version Architecture)" = "Package: palvorin
Version: $versao
Architecture: amd64" ] || falhar "campos de controlo: $(dpkg-deb -f "$pacote" Package Version Architecture)"
# Dependencies computed from the programs' shared libraries.
dependencias=$(dpkg-deb -f "$pacote" Depends)
for biblioteca in libc6 libcairo2 libfreetype6 libqt6widgets6 libstdc++6; do
    case "$dependencias" in
    *"$biblioteca "*) ;;
    *) falhar "sem dependência de $biblioteca: $dependencias" ;;
    esac
done

# What the programs need besides their libraries: the window's face is required; Qt's
# Portuguese catalogues and xdg-open are recommended.
case "$dependencias" in
*"fonts-liberation2"*) ;;
*) falhar "sem dependência de fonts-liberation2: $dependencias" ;;
esac
[ "$(dpkg-deb -f "$pacote" Recommends)" = "qt6-translations-l10n, xdg-utils, ghostscript" ] ||
    falhar "recomendações: $(dpkg-deb -f "$pacote" Recommends)"

bin=$pasta/raiz/usr/bin
[ "$("$bin/palvorin-livro" --versao)" = "palvorin-livro $versao" ] || falhar "palvorin-livro --versao"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$bin/palvorin" --versao)" = "palvorin $versao" ] ||
    falhar "palvorin --versao"
json=$("$bin/palvorin-livro" --lado 9 --puzzles 1 --semente 1 --json 2>/dev/null) ||
    falhar "palvorin-livro --json saiu com $?"
case "$json" in
"{\"versao\":\"$versao\",\"lado\":9,\"semente\":1,\"pedidos\":1,\"gerados\":1,"*) ;;
*) falhar "livro JSON: $(printf '%s' "$json" | head -c 200)" ;;
esac

for pagina in palvorin palvorin-livro; do
    ficheiro=$pasta/raiz/usr/share/man/pt/man1/$pagina.1.gz
    avisos=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$ficheiro" 2>&1 >/dev/null) || falhar "man $pagina"
    [ -z "$avisos" ] || falhar "avisos do man em $pagina: $avisos"
    texto=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$ficheiro" 2>/dev/null)
    for seccao in NOME SINOPSE OPÇÕES "ESTADO DE SAÍDA" EXEMPLOS FICHEIROS; do
        printf '%s\n' "$texto" | grep -qx "$seccao" || falhar "$pagina sem a secção $seccao"
    done
done

# The pages are found in any language, not only in Portuguese.
for lingua in C en_US.UTF-8 pt_PT.UTF-8; do
    for pagina in palvorin palvorin-livro; do
        encontrada=$(LC_ALL=$lingua LANG=$lingua MANPATH=$pasta/raiz/usr/share/man man -w "$pagina" 2>/dev/null)
        [ -n "$encontrada" ] || falhar "man $pagina não encontra a página com LANG=$lingua"
    done
done

[ "$falhas" -eq 0 ]
