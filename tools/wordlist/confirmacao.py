"""What the morphological analyser confirms: participles, feminine nouns, hiatus accents."""

import re

# A participle ending the analyser refuses on a verb it knows (escrevido) condemns the same
# ending on the verb's prefixed kin (reescrevido); shorter endings would reach unrelated verbs.
FINAL_MINIMO = 6
_HIATO = re.compile(r"(?<=[aeiou])[iu]")
_COM_ACENTO = {"i": "í", "u": "ú"}


def participios_inventados(lexico, leituras):
    """Participles the dictionary's regular rule made for verbs whose participle is irregular
    (abrido, escrevido, descobrido)."""
    def desconhecido(texto):  # reconstruido is only missing its accent
        return not any(leituras.get(v) for v in [texto] + variantes_de_hiato(texto))

    participios = sorted(t for t, lema in lexico.lemas.items()
                         if "participio" in lema.tipos and desconhecido(t))
    inventados = {t for t in participios
                  if any("vblex" in leituras.get(v, ()) for v in lexico.lemas[t].bases)}
    finais = tuple(sorted(p for p in inventados if len(p) >= FINAL_MINIMO))
    return inventados | {t for t in participios if t.endswith(finais)}


def feminino_nominal(texto, leituras):
    """A feminine the analyser reads as a noun and never as an adjective (filha, not bonita)."""
    categorias = leituras.get(texto, ())
    return "n" in categorias and "adj" not in categorias


def variantes_de_hiato(texto):
    """TEXT with an accent on one unaccented i or u after a vowel (reconstruido: reconstruído)."""
    return [texto[:m.start()] + _COM_ACENTO[m.group()] + texto[m.end():]
            for m in _HIATO.finditer(texto)]


def acentos_corrigidos(textos, leituras):
    """Word -> its spelling with the hiatus accent, for the words the analyser does not know
    and knows only with that accent. LEITURAS must cover the variants of variantes_de_hiato."""
    correcoes = {}
    for texto in sorted(textos):
        if leituras.get(texto):
            continue
        conhecidas = [v for v in variantes_de_hiato(texto) if leituras.get(v)]
        if len(conhecidas) == 1:
            correcoes[texto] = conhecidas[0]
    return correcoes
