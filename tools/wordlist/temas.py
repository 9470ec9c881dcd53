"""The built-in themes (temas/*.txt): every word must be a common word of the list, printed as
the list prints it, of 3 to 12 letters."""

import os

from regras import grelha

PASTA_TEMAS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "temas")


def ler_tema(caminho):
    with open(caminho, encoding="utf-8") as f:
        return [linha.strip() for linha in f if linha.strip() and not linha.startswith("#")]


def temas(pasta=PASTA_TEMAS):
    return {nome[:-4]: ler_tema(os.path.join(pasta, nome))
            for nome in sorted(os.listdir(pasta)) if nome.endswith(".txt")}


def palavras_fora_da_lista(escolhidas, pasta=PASTA_TEMAS):
    """(theme, word, reason) for every theme word the list does not hold as a common word."""
    na_lista = {grelha(t): (t.upper(), comum) for t, comum, _, _ in escolhidas.values()}
    fora = []
    for tema, palavras in temas(pasta).items():
        for palavra in palavras:
            texto, comum = na_lista.get(grelha(palavra), (None, False))
            if not 3 <= len(grelha(palavra)) <= 12:
                fora.append((tema, palavra, "fora de 3 a 12 letras"))
            elif texto is None:
                fora.append((tema, palavra, "não está na lista"))
            elif not comum:
                fora.append((tema, palavra, "é rara"))
            elif texto != palavra:
                fora.append((tema, palavra, f"a lista escreve {texto}"))
    return fora
