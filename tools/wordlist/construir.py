#!/usr/bin/env python3
"""Builds resources/Dicionario.txt, the program's built-in word list.

Usage: python3 tools/wordlist/construir.py [--frequencias FILE] [--saida FILE]
Same inputs give the same bytes."""

import argparse
import os
import random
import sys
import time

from afixos import ler_aff, ler_dic
from fontes import ler_formas, ler_frequencias, ler_tesauro, tabela_preao90
from formato import texto_da_lista
from frequencia import pontuar
from lexico import Lexico
from regras import ler_exclusoes
from selecao import escolher

RAIZ = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))


def ler_argumentos():
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("--aff", default="/usr/share/hunspell/pt_PT.aff")
    p.add_argument("--dic", default="/usr/share/hunspell/pt_PT.dic")
    p.add_argument("--tesauro", default="/usr/share/mythes/th_pt_PT_v2.dat")
    p.add_argument("--formas", default="/usr/share/dict/portuguese")
    p.add_argument("--frequencias",
                   default=os.path.join(RAIZ, "..", "shared", "data", "pt_50k.txt"))
    p.add_argument("--saida", default=os.path.join(RAIZ, "resources", "Dicionario.txt"))
    p.add_argument("--relatorio", action="store_true", help="figures and samples on stderr")
    return p.parse_args()


def relatorio(escolhidas, saida=sys.stderr):
    comuns = [t for t, c in escolhidas.values() if c]
    raras = [t for t, c in escolhidas.values() if not c]
    print(f"entradas {len(escolhidas)}, comuns {len(comuns)}, raras {len(raras)}", file=saida)
    for n in range(2, 16):
        c, r = sum(len(t) == n for t in comuns), sum(len(t) == n for t in raras)
        print(f"  {n:2}: {c:6} comuns {r:6} raras", file=saida)
    sorteio = random.Random(2026)
    for nome, grupo in (("comuns", sorted(comuns)), ("raras", sorted(raras))):
        for n in range(2, 16):
            do_tamanho = [t for t in grupo if len(t) == n]
            amostra = sorteio.sample(do_tamanho, min(12, len(do_tamanho)))
            print(f"{nome} {n}: {' '.join(amostra)}", file=saida)


def main():
    args = ler_argumentos()
    inicio = time.monotonic()
    conhecidas = ler_formas(args.formas)
    classes = ler_aff(args.aff)
    entradas = ler_dic(args.dic)
    antigas = tabela_preao90(entradas, classes)
    # the dictionary keeps some pre-agreement spellings as equivalents (característica):
    # their counts belong to the 1990 spelling
    conhecidas -= {velha for velha, nova in antigas.items() if velha != nova}
    frequencias = ler_frequencias(args.frequencias, conhecidas, antigas)
    lexico = Lexico(classes, set(frequencias))
    for entrada in entradas:
        lexico.juntar(entrada)
    pontos = pontuar(lexico, frequencias)
    tesauro = ler_tesauro(args.tesauro, conhecidas, antigas)
    escolhidas = escolher(lexico, pontos, tesauro, conhecidas, ler_exclusoes())
    dados = texto_da_lista(escolhidas).encode("utf-8")
    temporario = args.saida + ".tmp"
    with open(temporario, "wb") as f:
        f.write(dados)
    os.replace(temporario, args.saida)
    if args.relatorio:
        relatorio(escolhidas)
    segundos = time.monotonic() - inicio
    print(f"{args.saida}: {len(escolhidas)} palavras em {segundos:.1f} s", file=sys.stderr)


if __name__ == "__main__":
    main()
