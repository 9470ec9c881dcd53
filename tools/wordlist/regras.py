"""Which dictionary words may enter the list: letters, length, foreign shapes, Roman numerals,
the exclusion list."""

import os
import re
import unicodedata

LETRAS = set("abcdefghijlmnopqrstuvxz" "áàâãçéêíóôõú")
# Portuguese words end in a vowel or in l, m, n, r, s, x, z; anything else is a foreign word
# (chip, clube is Portuguese but club is not).
FINAIS = set("aeiouáàâãéêíóôõú" "lmnrsxz")
# Double consonants Portuguese writes: rr, ss, cc (secção), mm (comummente), nn (connosco).
_DOBRADA_ESTRANHA = re.compile(r"([bdfglptvz])\1")
# h only starts a word or follows c, l, n (chá, olho, ninho).
_H_ESTRANHO = re.compile(r"(?<=.)(?<![cln])h")
_ROMANO = re.compile(r"^m{0,3}(cm|cd|d?c{0,3})(xc|xl|l?x{0,3})(ix|iv|v?i{0,3})$")
_VOGAL = re.compile(r"[aeiouáàâãéêíóôõú]")
# Portuguese words the shape checks would take for foreign ones.
EXCECOES = {"sob", "ah", "eh", "oh"}
# Foreign words the dictionary does not mark as such (found by reading the list).
ESTRANGEIRAS = {"atelier", "bonsai", "cartoonista", "curie", "dojo", "dossier", "lingerie",
                "magazine", "mainframe", "online", "ozone", "régie"}
# Pronoun shapes that only exist joined to a verb (fazê-lo, dá-lho).
SO_COM_HIFEN = {"lo", "la", "los", "las", "lho", "lha", "lhos", "lhas", "mo", "ma", "mos",
               "to", "ta", "tos", "tas"}

PASTA = os.path.dirname(os.path.abspath(__file__))

def motivo_de_recusa(palavra):
    """Why PALAVRA cannot be a word of the list, or None when it can."""
    if not 2 <= len(palavra) <= 15:
        return "comprimento"
    if not set(palavra) <= LETRAS:
        return "letras"
    if palavra in EXCECOES:
        return None
    if palavra in SO_COM_HIFEN:
        return "só com hífen"
    if palavra in ESTRANGEIRAS:
        return "estrangeira"
    if palavra[-1] not in FINAIS:
        return "final estrangeiro"
    if _DOBRADA_ESTRANHA.search(palavra) or _H_ESTRANHO.search(palavra):
        return "grafia estrangeira"
    if re.search(r"q(?!u)", palavra):
        return "grafia estrangeira"
    if not _VOGAL.search(palavra):
        return "sem vogal"
    return None

_ACENTO_AGUDO_OU_CIRCUNFLEXO = re.compile(r"[áéíóúâêô]")
# Suffixes that carry the stress without an accent: the stem loses its accent mark
# (rápido -> rapidamente, imóvel -> imobilidade).
_SUFIXOS_SEM_ACENTO = ("mente", "idade", "ismo", "ista", "mento", "dor", "ção", "izar", "ice",
                       "eiro", "eira", "oso")


_PLURAIS_SEM_ACENTO = ("mentes", "idades", "ismos", "istas", "mentos", "dores", "ções", "ices",
                       "eiros", "eiras", "osos")


def acentos_impossiveis(palavra, derivada):
    """True for a spelling no Portuguese word has: two acute or circumflex accents, or (in a
    derived word) one before a suffix that carries the stress itself, in the singular or the
    plural (imóbilidade, volúbilidades)."""
    acentos = _ACENTO_AGUDO_OU_CIRCUNFLEXO.findall(palavra)
    if len(acentos) > 1:
        return True
    return derivada and bool(acentos) and palavra.endswith(_SUFIXOS_SEM_ACENTO + _PLURAIS_SEM_ACENTO)


def numeral_romano(palavra):
    return bool(_ROMANO.match(palavra))

def grelha(palavra):
    """The board letters: capitals without accents or cedilla."""
    decomposta = unicodedata.normalize("NFD", palavra.upper())
    return "".join(ch for ch in decomposta if not unicodedata.combining(ch))

def _linhas(nome):
    """The lines of a reviewed list beside this file, without comments (# on) and blank lines."""
    with open(os.path.join(PASTA, nome), encoding="utf-8") as f:
        for linha in f:
            linha = linha.split("#", 1)[0].strip()
            if linha:
                yield linha


def ler_lista(nome):
    """A reviewed list of lower-case words, one per line (exclusoes.txt, europeias.txt)."""
    return set(_linhas(nome))


def ler_pares(nome):
    """A reviewed list of pairs of lower-case words, two per line (brasileiras.txt): the first
    word -> the second."""
    return dict(linha.split() for linha in _linhas(nome))
