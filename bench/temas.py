#!/usr/bin/env python3
"""Themed books: share of placed words from the theme, failed positions and time, for every
built-in theme and side, against the same books without a theme.

    python3 bench/temas.py [--programa build/palvorin-livro] [--sementes 3] [--puzzles 30]
                           [--contra OUTRO_PROGRAMA] [--repeticoes 1]

LADOS="11 13" and TEMAS="Animais,Casa" narrow the table. Times are processor time (user + system)
of the command, one thread. Each themed book runs right after the same book without a theme, so
both see the same load on a shared machine; "÷ sem tema" divides the sums over the seeds.
--repeticoes N runs each pair N times and keeps each book's shortest time: on a shared machine
the same book's processor time moves by half from one run to the next.
--contra times the themed books of a second program too, interleaved, for an A/B comparison of
two builds (its column divides its time by the first program's).
"""

import argparse
import json
import os
import resource
import subprocess

TEMAS = ["Animais", "Comida e bebida", "Desporto e jogos", "Natureza", "Casa",
         "Profissões e ferramentas", "Corpo e saúde", "Viagens e transportes"]
LADOS = [int(x) for x in os.environ.get("LADOS", "9 11 13 15").split()]
TEMAS = os.environ["TEMAS"].split(",") if "TEMAS" in os.environ else TEMAS


def livro(programa, lado, semente, puzzles, tema=None):
    comando = [programa, "--lado", str(lado), "--puzzles", str(puzzles), "--semente",
               str(semente), "--json", "--tarefas", "1"]
    if tema:
        comando += ["--tema", tema]
    # Processor time, not wall time: the machine is shared, and a wall clock measures the others.
    antes = resource.getrusage(resource.RUSAGE_CHILDREN)
    saida = subprocess.run(comando, capture_output=True, check=True, text=True).stdout
    depois = resource.getrusage(resource.RUSAGE_CHILDREN)
    tempo = depois.ru_utime + depois.ru_stime - antes.ru_utime - antes.ru_stime
    return json.loads(saida), tempo


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--programa", default="build/palvorin-livro")
    p.add_argument("--sementes", type=int, default=3)
    p.add_argument("--puzzles", type=int, default=30)
    p.add_argument("--contra", help="a second build whose themed books are timed as well")
    p.add_argument("--repeticoes", type=int, default=1)
    a = p.parse_args()
    sementes = range(1, a.sementes + 1)
    cabecalho = "| tema | lado | quota média | quota mínima | falhas | tempo | sem tema | ÷ sem tema |"
    linha = "|---|---|---|---|---|---|---|---|"
    if a.contra:
        cabecalho += " ÷ contra |"
        linha += "---|"
    print(cabecalho)
    print(linha)
    pior = 0.0
    for tema in TEMAS:
        for lado in LADOS:
            quotas, falhas, tempo, base, contra = [], 0, 0.0, 0.0, 0.0
            for s in sementes:
                vezes = {"base": [], "tema": [], "contra": []}
                for _ in range(a.repeticoes):
                    vezes["base"].append(livro(a.programa, lado, s, a.puzzles)[1])
                    dados, segundos = livro(a.programa, lado, s, a.puzzles, tema)
                    vezes["tema"].append(segundos)
                    if a.contra:
                        vezes["contra"].append(livro(a.contra, lado, s, a.puzzles, tema)[1])
                base += min(vezes["base"])
                tempo += min(vezes["tema"])
                if a.contra:
                    contra += min(vezes["contra"])
                falhas += len(dados["falhas"])
                quotas += [p["tema"]["quantas"] / len(p["palavras"]) for p in dados["puzzles"]]
            media = sum(quotas) / len(quotas)
            pior = max(pior, tempo / base)
            texto = (f"| {tema} | {lado} | {media:.1%} | {min(quotas):.1%} | {falhas} | "
                     f"{tempo:.2f} s | {base:.2f} s | {tempo / base:.2f} |")
            if a.contra:
                texto += f" {contra / tempo:.2f} |"
            print(texto, flush=True)
    print(f"\nmaior razão: {pior:.2f}")


if __name__ == "__main__":
    main()
