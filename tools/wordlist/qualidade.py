#!/usr/bin/env python3
"""Quality of a word list as readers meet it: makes 100-puzzle books of every side with
palvorin-livro --json, seeds 1 to 3, and prints how well known the placed words are.

Usage: python3 tools/wordlist/qualidade.py [--programa build/palvorin-livro]
       [--dicionario FILE] [--zipf pt_wordfreq_zipf.txt] [--sementes N] [--primeira S]
       [--lados L ...] [--mais-colocadas LETRAS]
One book moves the share of puzzles with rare words by several points: --sementes 12 gives
steadier figures, and --primeira 13 books no earlier run made (the most repeated word of a
book moves by five puzzles or more from one seed to the next).
Zipf is read on the list form, accents included, in lower case. A dubious word is one the
review (revisao.txt) files as rare or out, or one of exclusoes.txt."""

import argparse
import json
import os
import subprocess
import sys
from collections import Counter

from fontes import ler_zipf
from regras import ler_lista
from revisao import duvidosas

RAIZ = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
LADOS = (9, 11, 13, 15)
SEMENTES = 3
PUZZLES = 100
# A word in this many puzzles of one book is one readers notice coming back.
REPETIDA = 10
MAIS_COLOCADAS = 500


def ler_seccoes(caminho):
    """(common words, rare words) of a list file, in lower case."""
    seccoes = ([], [])
    comum = True
    with open(caminho, encoding="utf-8-sig") as f:
        for linha in f:
            linha = linha.strip()
            if linha.upper().startswith("#SECCAO"):
                comum = "RARAS" not in linha.upper() and (comum or "COMUNS" in linha.upper())
            elif linha and not linha.startswith("#"):
                seccoes[0 if comum else 1].append(linha.lower())
    return seccoes


def percentagem(parte, todo):
    return 100.0 * parte / todo if todo else 0.0


def palavras_dos_puzzles(livro):
    """The placed words of each puzzle of a book, in lower case."""
    return [[p["texto"].lower() for p in puzzle["palavras"]] for puzzle in livro["puzzles"]]


def figuras_do_livro(livro, zipf, suspeitas=frozenset()):
    """Counts of one book as returned by palvorin-livro --json; SUSPEITAS: the dubious words."""
    puzzles = palavras_dos_puzzles(livro)
    colocadas = [t for palavras in puzzles for t in palavras]
    em_quantos = Counter(t for palavras in puzzles for t in set(palavras))
    mais_repetida = min(em_quantos.items(), key=lambda par: (-par[1], par[0]), default=("", 0))
    return {
        "colocadas": len(colocadas),
        "zipf3": sum(zipf.get(t, 0) >= 3 for t in colocadas),
        "abaixo2": sum(zipf.get(t, 0) < 2 for t in colocadas),
        "puzzles": livro["gerados"],
        "com_raras": livro["comRaras"],
        "com_duvidosas": sum(any(t in suspeitas for t in palavras) for palavras in puzzles),
        "repetidas": sum(n >= REPETIDA for n in em_quantos.values()),
        "mais_repetida": mais_repetida,
        "falhas": len(livro["falhas"]),
    }


def somar(figuras):
    """Counts added up over books; of each book's most repeated word, the worst one."""
    total = {}
    for f in figuras:
        for chave, valor in f.items():
            if chave == "mais_repetida":
                valor = max(total.get(chave, valor), valor, key=lambda par: par[1])
            else:
                valor += total.get(chave, 0)
            total[chave] = valor
    return total


def mais_colocadas(livros, letras, quantas=MAIS_COLOCADAS):
    """The words of LETRAS letters the books place most often, with how many times."""
    contagem = Counter(t for livro in livros for palavras in palavras_dos_puzzles(livro)
                       for t in palavras if len(t) == letras)
    return sorted(contagem.items(), key=lambda par: (-par[1], par[0]))[:quantas]


def fazer_livro(programa, lado, semente, dicionario):
    comando = [programa, "--lado", str(lado), "--puzzles", str(PUZZLES), "--semente",
               str(semente), "--json"]
    if dicionario:
        comando += ["--dicionario", dicionario]
    saida = subprocess.run(comando, check=True, capture_output=True, text=True).stdout
    return json.loads(saida)


def linha_do_relatorio(nome, figuras):
    t = somar(figuras)
    palavra, vezes = t["mais_repetida"]
    return (f"| {nome} | {t['colocadas']} | {percentagem(t['zipf3'], t['colocadas']):.1f}% "
            f"| {percentagem(t['abaixo2'], t['colocadas']):.1f}% "
            f"| {percentagem(t['com_raras'], t['puzzles']):.1f}% "
            f"| {percentagem(t['com_duvidosas'], t['puzzles']):.1f}% "
            f"| {palavra.upper()} {vezes} | {t['repetidas'] / len(figuras):.1f} "
            f"| {t['falhas']} |")


def relatorio(por_lado, comuns, raras, zipf, saida=sys.stdout):
    print("| lado | palavras colocadas | Zipf ≥ 3 | Zipf < 2 ou ausente | puzzles com raras "
          f"| puzzles com duvidosas | mais repetida (puzzles) | repetidas em {REPETIDA} ou mais, "
          "por livro | posições falhadas |", file=saida)
    print("|---|---|---|---|---|---|---|---|---|", file=saida)
    for lado in sorted(por_lado):
        print(linha_do_relatorio(f"{lado}×{lado}", por_lado[lado]), file=saida)
    todas = [f for figuras in por_lado.values() for f in figuras]
    print(linha_do_relatorio("todos", todas), file=saida)
    comuns_zipf2 = sum(zipf.get(p, 0) >= 2 for p in comuns)
    print(f"\nentradas {len(comuns) + len(raras)}, comuns {len(comuns)}, "
          f"comuns com Zipf ≥ 2: {percentagem(comuns_zipf2, len(comuns)):.1f}%", file=saida)


def main():
    p = argparse.ArgumentParser(description=__doc__,
                                formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--programa", default=os.path.join(RAIZ, "build", "palvorin-livro"))
    p.add_argument("--dicionario", help="list file to test instead of the program's own")
    p.add_argument("--zipf", default=os.path.join(RAIZ, "..", "shared", "data",
                                                  "pt_wordfreq_zipf.txt"))
    p.add_argument("--sementes", type=int, default=SEMENTES,
                   help="books of N seeds per side (default %(default)s)")
    p.add_argument("--primeira", type=int, default=1, metavar="S",
                   help="the first of those seeds (default %(default)s)")
    p.add_argument("--lados", type=int, nargs="+", default=LADOS, choices=LADOS, metavar="L",
                   help="sides of the books (default: all, %(default)s)")
    p.add_argument("--mais-colocadas", type=int, metavar="LETRAS",
                   help=f"also list the {MAIS_COLOCADAS} words of LETRAS letters placed most")
    args = p.parse_args()
    zipf = ler_zipf(args.zipf)
    suspeitas = duvidosas() | ler_lista("exclusoes.txt")
    lista = args.dicionario or os.path.join(RAIZ, "resources", "Dicionario.txt")
    comuns, raras = ler_seccoes(lista)
    por_lado = {}
    livros = []
    for lado in args.lados:
        for semente in range(args.primeira, args.primeira + args.sementes):
            print(f"livro {lado}×{lado}, semente {semente}…", file=sys.stderr)
            livro = fazer_livro(args.programa, lado, semente, args.dicionario)
            por_lado.setdefault(lado, []).append(figuras_do_livro(livro, zipf, suspeitas))
            livros.append(livro)
    relatorio(por_lado, comuns, raras, zipf)
    if args.mais_colocadas:
        print(f"\nas {MAIS_COLOCADAS} palavras de {args.mais_colocadas} letras mais colocadas:")
        print(" ".join(f"{t.upper()} {n}" for t, n in mais_colocadas(livros, args.mais_colocadas)))


if __name__ == "__main__":
    main()
