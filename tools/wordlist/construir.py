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
from analisador import analisar
from confirmacao import acentos_corrigidos, participios_inventados, variantes_de_hiato
from fontes import (ler_contagens, ler_formas, ler_frequencias, ler_tesauro, ler_zipf,
                    preferir_grafias_europeias, tabela_preao90)
from formato import texto_da_lista
from temas import palavras_fora_da_lista
from frequencia import evidencia_propria, pontuar
from lexico import Lexico
from nota import Notas
from regras import ler_lista, ler_pares
from revisao import ler_revisao
from selecao import Contexto, escolher, familia_excluida

RAIZ = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))


def ler_argumentos():
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("--aff", default="/usr/share/hunspell/pt_PT.aff")
    p.add_argument("--dic", default="/usr/share/hunspell/pt_PT.dic")
    p.add_argument("--tesauro", default="/usr/share/mythes/th_pt_PT_v2.dat")
    p.add_argument("--formas", default="/usr/share/dict/portuguese")
    dados = os.path.join(RAIZ, "..", "shared", "data")
    p.add_argument("--frequencias", default=os.path.join(dados, "pt_50k.txt"),
                   help="European Portuguese subtitle frequencies")
    p.add_argument("--frequencias-br", default=os.path.join(dados, "pt_br_50k.txt"),
                   help="Brazilian Portuguese subtitle frequencies")
    p.add_argument("--zipf", default=os.path.join(dados, "pt_wordfreq_zipf.txt"),
                   help="written-language Zipf frequencies")
    p.add_argument("--saida", default=os.path.join(RAIZ, "resources", "Dicionario.txt"))
    p.add_argument("--relatorio", action="store_true", help="figures and samples on stderr")
    return p.parse_args()


def relatorio(escolhidas, saida=sys.stderr):
    comuns = [t for t, c, *_ in escolhidas.values() if c]
    raras = [t for t, c, *_ in escolhidas.values() if not c]
    preferidas = [sum(p for _, c, _, p in escolhidas.values() if c == comum)
                  for comum in (True, False)]
    print(f"entradas {len(escolhidas)}, comuns {len(comuns)} (preferidas {preferidas[0]}), "
          f"raras {len(raras)} (preferidas {preferidas[1]})", file=saida)
    for n in range(2, 16):
        c, r = sum(len(t) == n for t in comuns), sum(len(t) == n for t in raras)
        print(f"  {n:2}: {c:6} comuns {r:6} raras", file=saida)
    sorteio = random.Random(2026)
    for nome, grupo in (("comuns", sorted(comuns)), ("raras", sorted(raras))):
        for n in range(2, 16):
            do_tamanho = [t for t in grupo if len(t) == n]
            amostra = sorteio.sample(do_tamanho, min(12, len(do_tamanho)))
            print(f"{nome} {n}: {' '.join(amostra)}", file=saida)


def participios(lexico):
    return [t for t, lema in lexico.lemas.items() if "participio" in lema.tipos]


def leituras_do_lexico(lexico):
    """The analyser's reading of every lemma and participle's verb, and of the hiatus-accent
    variants of the words it does not know."""
    palavras = set(lexico.lemas)
    for lema in lexico.lemas.values():
        if "participio" in lema.tipos:
            palavras |= lema.bases
    leituras = analisar(palavras)
    variantes = {v for t, c in leituras.items() if not c for v in variantes_de_hiato(t)}
    leituras.update(analisar(variantes - palavras))
    return leituras


def main():
    args = ler_argumentos()
    inicio = time.monotonic()
    conhecidas = ler_formas(args.formas)
    classes = ler_aff(args.aff)
    entradas = ler_dic(args.dic)
    preferir_grafias_europeias(entradas, ler_contagens(args.frequencias))
    antigas = tabela_preao90(entradas, classes)
    # of two valid spellings (carácter, caráter), the other one's counts belong to the one kept
    conhecidas -= {velha for velha, nova in antigas.items() if velha != nova}
    legendas = ler_frequencias(args.frequencias, conhecidas, antigas)
    legendas_br = ler_frequencias(args.frequencias_br, conhecidas, antigas)
    lexico = Lexico(classes, set(legendas.contagens))
    for entrada in entradas:
        lexico.juntar(entrada)
    pontos = pontuar(lexico, legendas.contagens)
    tesauro = ler_tesauro(args.tesauro, conhecidas, antigas)
    notas = Notas(ler_zipf(args.zipf), legendas, legendas_br, tesauro, ler_lista("europeias.txt"),
                  ler_pares("brasileiras.txt"))
    leituras = leituras_do_lexico(lexico)
    do_lema = evidencia_propria(lexico, legendas.contagens, pontos)
    contexto = Contexto(conhecidas, familia_excluida(lexico, ler_lista("exclusoes.txt")), pontos,
                        do_lema, notas, leituras, participios_inventados(lexico, leituras),
                        acentos_corrigidos(participios(lexico), leituras), ler_revisao())
    escolhidas = escolher(lexico, contexto)
    dados = texto_da_lista(escolhidas).encode("utf-8")
    temporario = args.saida + ".tmp"
    with open(temporario, "wb") as f:
        f.write(dados)
    os.replace(temporario, args.saida)
    if args.relatorio:
        relatorio(escolhidas)
    segundos = time.monotonic() - inicio
    print(f"{args.saida}: {len(escolhidas)} palavras em {segundos:.1f} s", file=sys.stderr)
    # The themes are compiled with the list: a word it dropped or filed as rare must be mended.
    fora = palavras_fora_da_lista(escolhidas)
    for tema, palavra, motivo in fora:
        print(f"tema {tema}: {palavra} {motivo}", file=sys.stderr)
    if fora:
        sys.exit(1)


if __name__ == "__main__":
    main()
