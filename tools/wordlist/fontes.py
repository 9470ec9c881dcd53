"""Reading the sources: known word forms, the subtitle frequencies and the thesaurus, all put
in the 1990 spelling."""

from collections import defaultdict

from afixos import aplicar_sufixo
from ortografia import mapear_forma


def ler_formas(caminho):
    with open(caminho, encoding="utf-8") as f:
        return {linha.strip() for linha in f if linha.strip()}


def tabela_preao90(entradas, classes):
    """Pre-agreement form -> 1990 form, for the PREAO90 records and their inflections."""
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
    """Every word the thesaurus names, in a headword or a synonym, alone or inside an expression
    (a respeito de, porco-formigueiro), in the 1990 spelling."""
    palavras = set()
    with open(caminho, encoding="utf-8") as f:
        next(f)
        for linha in f:
            for parte in linha.replace("|", " ").replace("-", " ").split():
                if parte.startswith("(") or parte.isdigit():
                    continue  # part-of-speech marks and sense counts
                forma = mapear_forma(parte, conhecidas, tabela)
                if forma:
                    palavras.add(forma)
    return palavras
