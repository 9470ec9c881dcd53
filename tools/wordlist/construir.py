#!/usr/bin/env python3
"""Builds resources/Dicionario.txt, the program's built-in word list.

Usage: python3 tools/wordlist/construir.py [--frequencias FILE] [--saida FILE]
Same inputs give the same bytes."""

import argparse
import os
import sys
import time
from collections import defaultdict

from afixos import ler_aff, ler_dic, aplicar_sufixo
from lexico import Lexico
from ortografia import mapear_forma
from flexao import reducoes
from regras import grelha, ler_exclusoes, motivo_de_recusa, numeral_romano

RAIZ = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))


def ler_argumentos():
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("--aff", default="/usr/share/hunspell/pt_PT.aff")
    p.add_argument("--dic", default="/usr/share/hunspell/pt_PT.dic")
    p.add_argument("--tesauro", default="/usr/share/mythes/th_pt_PT_v2.dat")
    p.add_argument("--formas", default="/usr/share/dict/portuguese")
    p.add_argument("--frequencias", default=os.path.join(RAIZ, "..", "shared", "data", "pt_50k.txt"))
    p.add_argument("--saida", default=os.path.join(RAIZ, "resources", "Dicionario.txt"))
    p.add_argument("--relatorio", action="store_true", help="figures and samples on stderr")
    return p.parse_args()


def ler_formas(caminho):
    with open(caminho, encoding="utf-8") as f:
        return {linha.strip() for linha in f if linha.strip()}


def tabela_preao90(entradas, classes):
    """Pre-agreement form -> 1990 form, for the dictionary's PREAO90 records and their inflections."""
    tabela = {}
    for e in entradas:
        antiga = e.etiquetas.get("PREAO90")
        if not antiga or "-" in antiga:
            continue
        tabela[antiga] = e.palavra
        for bandeira in e.bandeiras:
            classe = classes.get(bandeira)
            if classe is None or classe.prefixo:
                continue
            for afixo in classe.entradas:
                nova, velha = aplicar_sufixo(afixo, e.palavra), aplicar_sufixo(afixo, antiga)
                if nova and velha:
                    tabela.setdefault(velha, nova)
    return tabela


def ler_frequencias(caminho, conhecidas, tabela):
    frequencias = defaultdict(int)
    with open(caminho, encoding="utf-8") as f:
        for linha in f:
            campos = linha.split()
            if len(campos) != 2:
                continue
            forma = mapear_forma(campos[0], conhecidas, tabela)
            if forma:
                frequencias[forma] += int(campos[1])
    return frequencias


def ler_tesauro(caminho, conhecidas, tabela):
    """Every single word the thesaurus names, headword or synonym, in the 1990 spelling."""
    palavras = set()
    with open(caminho, encoding="utf-8") as f:
        next(f)
        for linha in f:
            for parte in linha.strip().split("|"):
                parte = parte.strip()
                if parte.startswith("(") or not parte or " " in parte or parte.isdigit():
                    continue
                forma = mapear_forma(parte, conhecidas, tabela)
                if forma:
                    palavras.add(forma)
    return palavras


def pontuar(lexico, frequencias):
    """Frequency of every lemma: the counts of all its forms. A form shared by several lemmas
    (casa: the noun and the verb casar) is shared out in proportion to what each lemma earns
    from its unshared forms, and the lemma spelled like the form keeps that form's own share."""
    proprias = defaultdict(int)
    for forma, lemas in lexico.formas.items():
        if len(lemas) == 1:
            proprias[next(iter(lemas))] += frequencias[forma]
    pontos = defaultdict(float)
    for forma in sorted(lexico.formas):
        lemas = sorted(lexico.formas[forma])
        n = frequencias[forma]
        pesos = [1 + proprias[l] + (n if l == forma else 0) for l in lemas]
        total = sum(pesos)
        for lema, peso in zip(lemas, pesos):
            pontos[lema] += n * peso / total
    for lema in lexico.lemas.values():
        if "participio" in lema.tipos:
            t = lema.texto
            pontos[t] = max(pontos[t], sum(frequencias.get(f, 0) for f in (t, t[:-1] + "a", t + "s", t[:-1] + "as")))
        if "curta" in lema.tipos:
            pontos[lema.texto] = max(pontos[lema.texto], frequencias.get(lema.texto, 0))
    return pontos


def vizinhos(lemas):
    """Lemma -> the lemmas one derivation or prefix step away, both ways."""
    viz = defaultdict(set)
    for lema in lemas.values():
        for base in lema.bases:
            viz[lema.texto].add(base)
            viz[base].add(lema.texto)
    return viz


# Derivations whose word may be common because the word it comes from is frequent. The others
# (-ção, -mento, -dor, -nte, -ice, hiper-, tetra- ...) are made by hunspell for every verb or noun
# of a class, often words no one uses (recusação, socorrimento): common only when attested.
DERIVACOES_FIAVEIS = set("mHBSRAuIrqdiv" "t")


def aparentado(lema, pontos, viz):
    """A word one derivation or prefix step away from a frequent word (or a participle of a
    frequent verb), when the step is one that makes real words."""
    if lema.tipos == {"curta"} or not lema.afixos <= DERIVACOES_FIAVEIS:
        return False
    return any(pontos.get(v, 0) > 0 for v in viz[lema.texto])


def escolher(lexico, pontos, tesauro, conhecidas, exclusoes):
    """Board form -> (text, common) for every word that may enter the list. Common: found in
    the subtitles, listed in the thesaurus, or close kin of a word found in the subtitles."""
    viz = vizinhos(lexico.lemas)
    por_grelha = {}
    for texto in sorted(lexico.lemas):
        lema = lexico.lemas[texto]
        if motivo_de_recusa(texto) or texto not in conhecidas or texto in exclusoes:
            continue
        if lema.tipos <= {"card"} and numeral_romano(texto):
            continue
        if lema.flexionado and any(r in lexico.lemas for r in reducoes(texto)):
            continue  # amores beside amor, caseira beside caseiro
        if texto.endswith("rmente"):
            continue  # -mente glued to a verb (atrofiarmente), a slip of the dictionary's flags
        if lema.tipos == {"interj"} and pontos.get(texto, 0) == 0:
            continue  # onomatopoeia nobody writes (dlim, truz)
        comum = (pontos.get(texto, 0) > 0 or (lema.tipos != {"curta"} and texto in tesauro)
                 or aparentado(lema, pontos, viz))
        chave = grelha(texto)
        atual = por_grelha.get(chave)
        if atual is None:
            por_grelha[chave] = (texto, comum)
            continue
        # one entry per board form: the spelling readers meet most, common if either is
        melhor = max((atual[0], texto), key=lambda t: (pontos.get(t, 0), t))
        por_grelha[chave] = (melhor, comum or atual[1])
    return por_grelha


CABECALHO = [
    "# Lista de palavras do Palvorin: português europeu, ortografia do Acordo Ortográfico de 1990.",
    "# Uma palavra por linha, em maiúsculas com acentos, de 2 a 15 letras.",
    "# Nomes e adjetivos no masculino singular, verbos no infinitivo; outras formas verbais só com 2 ou 3 letras.",
    "# Secção COMUNS: palavras que um leitor adulto conhece; o gerador usa-as primeiro.",
    "# Secção RARAS: palavras válidas menos conhecidas, usadas só quando o tabuleiro não fecha de outro modo.",
    "# Gerada por tools/wordlist/construir.py a partir do hunspell-pt-pt, do mythes-pt-pt e de frequências de legendas.",
]


def texto_da_lista(escolhidas):
    def linhas(comum):
        return sorted((t.upper() for t, c in escolhidas.values() if c == comum), key=lambda t: (grelha(t), t))
    todas = CABECALHO + ["#SECCAO COMUNS"] + linhas(True) + ["#SECCAO RARAS"] + linhas(False)
    return "\ufeff" + "".join(linha + "\r\n" for linha in todas)


def relatorio(escolhidas, saida=sys.stderr):
    import random
    comuns = [t for t, c in escolhidas.values() if c]
    raras = [t for t, c in escolhidas.values() if not c]
    print(f"entradas {len(escolhidas)}, comuns {len(comuns)}, raras {len(raras)}", file=saida)
    for n in range(2, 16):
        print(f"  {n:2}: {sum(len(t) == n for t in comuns):6} comuns {sum(len(t) == n for t in raras):6} raras", file=saida)
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
    print(f"{args.saida}: {len(escolhidas)} palavras em {time.monotonic() - inicio:.1f} s", file=sys.stderr)


if __name__ == "__main__":
    main()
