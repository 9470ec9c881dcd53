#!/usr/bin/env python3
"""Quality of a word list as readers meet it: makes 100-puzzle books of every side with
palvorin-livro --json, seeds 1 to 3, and prints how well known the placed words are.

Usage: python3 tools/wordlist/qualidade.py [--programa build/palvorin-livro]
       [--dicionario FILE] [--zipf pt_wordfreq_zipf.txt] [--sementes N]
One book moves the share of puzzles with rare words by several points: --sementes 12 gives
steadier figures.
Zipf is read on the list form, accents included, in lower case."""

import argparse
import json
import os
import subprocess
import sys

from fontes import ler_zipf

RAIZ = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
LADOS = (9, 11, 13, 15)
SEMENTES = 3
PUZZLES = 100


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


def figuras_do_livro(livro, zipf):
    """Counts of one book as returned by palvorin-livro --json."""
    colocadas = [p["texto"].lower() for puzzle in livro["puzzles"] for p in puzzle["palavras"]]
    return {
        "colocadas": len(colocadas),
        "zipf3": sum(zipf.get(t, 0) >= 3 for t in colocadas),
        "abaixo2": sum(zipf.get(t, 0) < 2 for t in colocadas),
        "puzzles": livro["gerados"],
        "com_raras": livro["comRaras"],
        "falhas": len(livro["falhas"]),
    }


def somar(figuras):
    total = {}
    for f in figuras:
        for chave, valor in f.items():
            total[chave] = total.get(chave, 0) + valor
    return total


def fazer_livro(programa, lado, semente, dicionario):
    comando = [programa, "--lado", str(lado), "--puzzles", str(PUZZLES), "--semente",
               str(semente), "--json"]
    if dicionario:
        comando += ["--dicionario", dicionario]
    saida = subprocess.run(comando, check=True, capture_output=True, text=True).stdout
    return json.loads(saida)


def relatorio(por_lado, comuns, raras, zipf, saida=sys.stdout):
    print("| lado | palavras colocadas | Zipf ≥ 3 | Zipf < 2 ou ausente | puzzles com raras "
          "| posições falhadas |", file=saida)
    print("|---|---|---|---|---|---|", file=saida)
    for lado in sorted(por_lado):
        t = somar(por_lado[lado])
        print(f"| {lado}×{lado} | {t['colocadas']} | {percentagem(t['zipf3'], t['colocadas']):.1f}% "
              f"| {percentagem(t['abaixo2'], t['colocadas']):.1f}% "
              f"| {percentagem(t['com_raras'], t['puzzles']):.1f}% | {t['falhas']} |", file=saida)
    t = somar(f for figuras in por_lado.values() for f in figuras)
    print(f"| todos | {t['colocadas']} | {percentagem(t['zipf3'], t['colocadas']):.1f}% "
          f"| {percentagem(t['abaixo2'], t['colocadas']):.1f}% "
          f"| {percentagem(t['com_raras'], t['puzzles']):.1f}% | {t['falhas']} |", file=saida)
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
                   help="books of seeds 1 to N per side (default %(default)s)")
    args = p.parse_args()
    zipf = ler_zipf(args.zipf)
    lista = args.dicionario or os.path.join(RAIZ, "resources", "Dicionario.txt")
    comuns, raras = ler_seccoes(lista)
    por_lado = {}
    for lado in LADOS:
        for semente in range(1, args.sementes + 1):
            print(f"livro {lado}×{lado}, semente {semente}…", file=sys.stderr)
            livro = fazer_livro(args.programa, lado, semente, args.dicionario)
            por_lado.setdefault(lado, []).append(figuras_do_livro(livro, zipf))
    relatorio(por_lado, comuns, raras, zipf)


if __name__ == "__main__":
    main()
