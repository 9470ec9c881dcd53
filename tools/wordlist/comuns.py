"""Signs that readers know a word besides its own frequency: kinship with a frequent word."""

import bisect
import os
from collections import defaultdict

from regras import grelha


def vizinhos(lexico):
    """Lemma -> the lemmas one derivation or prefix step away, both ways, and for nouns and
    adjectives the lemmas spelled like one of their inflections (aritmético: aritmética)."""
    viz = defaultdict(set)
    for lema in lexico.lemas.values():
        for base in lema.bases:
            viz[lema.texto].add(base)
            viz[base].add(lema.texto)
    for forma, lemas in lexico.formas.items():
        if forma not in lexico.lemas:
            continue
        for texto in lemas:
            if texto != forma and lexico.lemas[texto].tipos <= {"nome", "derivado"}:
                viz[texto].add(forma)
    return viz


# Affix flags of pt_PT.aff whose words count as kin of the word they come from: -mente (m, H, B), des- (S), re- (R), anti- (A), sub- (u), in- (I), -lógico (r),
# -logo (q), -idade (d), -ismo (i), -ista (t), -vel (v). The others (-ção, -mento, -dor, -nte,
# -ice, hiper-, tetra- ...) are made for every verb or noun of a class, often words no one uses
# (recusação, socorrimento): those need evidence of their own.
DERIVACOES_FIAVEIS = set("mHBSRAuIrqdtiv")

# Learned adjectives the affix rules do not make (vampírico from vampiro, anatómico from
# anatomia): kin of a frequent noun or adjective when they share its stem.
SUFIXOS_ERUDITOS = ("ico", "ivo", "ário")
RADICAL_MINIMO = 6
FREQUENCIA_DO_PARENTE = 100


class ParentesPelaForma:
    def __init__(self, lexico, pontos):
        self.frequentes = sorted(
            grelha(t) for t, lema in lexico.lemas.items()
            if "nome" in lema.tipos and pontos.get(t, 0) >= FREQUENCIA_DO_PARENTE)

    def tem_parente(self, texto):
        """TEXT ends in a learned suffix and shares at least two thirds of its letters (6 or
        more) with a frequent word that is at most two letters longer than that stem."""
        if not texto.endswith(SUFIXOS_ERUDITOS):
            return False
        g = grelha(texto)
        minimo = max(RADICAL_MINIMO, (2 * len(g) + 2) // 3)
        i = bisect.bisect_left(self.frequentes, g[:RADICAL_MINIMO])
        while i < len(self.frequentes) and self.frequentes[i].startswith(g[:RADICAL_MINIMO]):
            outra = self.frequentes[i]
            i += 1
            comum = os.path.commonprefix([g, outra])
            if outra != g and len(comum) >= minimo and len(comum) >= len(outra) - 2:
                return True
        return False
