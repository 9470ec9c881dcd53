"""Mapping pre-1990 spellings (acção, óptimo, pára) to the spelling of the 1990 agreement."""

import itertools
import re

# Silent consonants the agreement dropped: the c of acção/actual, the p of óptimo/adopção.
_CONSOANTE_MUDA = re.compile(r"[cp](?=[cçt])")
# Accents the agreement dropped (pára, pêlo, pólo, crêem, vôo) and the diaeresis.
_ACENTOS_CAIDOS = [("pára", "para"), ("pêlo", "pelo"), ("pêla", "pela"), ("pólo", "polo"),
                   ("pêra", "pera"), ("êem", "eem"), ("ôo", "oo"), ("ü", "u")]


# Brazilian spellings in the subtitles: econômico, gênero, bebê (económico, género, bebé).
_ACENTOS_DO_BRASIL = [("ô", "ó"), ("ê", "é")]


def candidatos_ao90(forma):
    """Every spelling the agreement could have turned FORMA into, most conservative first."""
    vistos = [forma]
    base = forma
    for antigo, novo in _ACENTOS_CAIDOS:
        base = base.replace(antigo, novo)
    if base != forma:
        vistos.append(base)
    for brasileiro, europeu in _ACENTOS_DO_BRASIL:
        if brasileiro in base:
            vistos.append(base.replace(brasileiro, europeu))
    posicoes = [m.start() for m in _CONSOANTE_MUDA.finditer(base)][:4]
    for n in range(1, len(posicoes) + 1):
        for escolha in itertools.combinations(posicoes, n):
            letras = [ch for i, ch in enumerate(base) if i not in escolha]
            vistos.append("".join(letras))
    return vistos


_CLITICOS = {"me", "te", "se", "lhe", "lhes", "nos", "vos", "o", "a", "os", "as", "no", "na",
             "nas", "mo", "ma", "mos", "mas", "to", "ta", "lho", "lha", "lhos", "lhas", "lo", "la",
             "los", "las"}
# fazê-lo, ajudá-la, pô-los: the verb lost its final r before the pronoun.
_SEM_R = {"á": "ar", "ê": "er", "í": "ir", "ô": "or"}


def verbo_de_forma_clitica(forma):
    """The verb form of DEIXA-ME or FAZÊ-LO (deixa, fazer), or None when FORMA is no such form."""
    partes = forma.split("-")
    if len(partes) < 2 or not all(p in _CLITICOS for p in partes[1:]) or not partes[0]:
        return None
    verbo = partes[0]
    if partes[1].startswith("l") and verbo[-1] in _SEM_R:
        return verbo[:-1] + _SEM_R[verbo[-1]]
    return verbo


def mapear_forma(forma, conhecidas, tabela_antiga):
    """The 1990 spelling of FORMA: itself when it is already a known form, the dictionary's own
    PREAO90 record when it has one, else the first known form among the dropped-consonant and
    dropped-accent variants. None when nothing fits."""
    if "-" in forma:
        verbo = verbo_de_forma_clitica(forma)
        return mapear_forma(verbo, conhecidas, tabela_antiga) if verbo else None
    if forma in conhecidas:
        return forma
    if forma in tabela_antiga:
        return tabela_antiga[forma]
    for candidato in candidatos_ao90(forma)[1:]:
        if candidato in conhecidas:
            return candidato
    return None
