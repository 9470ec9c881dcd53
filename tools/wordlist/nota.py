"""One score per word, on the Zipf scale, from every sign that Portuguese readers know it:
written and European subtitle frequency, the thesaurus, kinship with a well-known word, and a
penalty for Brazilian usage."""

import math

# A lemma's subtitle count adds up all its forms (a verb's forty, a noun's plural): weighed
# this much below the word's own count.
DESCONTO_DO_LEMA = 0.7
BONUS_TESAURO = 0.3
BONUS_PARENTESCO = 0.3
# Kinship counts only with a word at least this well known.
NOTA_DO_PARENTE = 4.0
# Brazilian usage: a word Brazilian subtitles prefer to a synonym this many times more than
# European subtitles do (geladeira to frigorífico). Both lists miss rare forms, so a ratio of
# two rates alone cannot show it for a word absent from the European list.
RAZAO_BRASILEIRA = 8.0
# ... and that is itself this many times more frequent in Brazilian subtitles than in European
# ones (a word the European list misses taken at its floor).
RAZAO_MINIMA = 4.0
PENALIDADE_BRASILEIRA = 2.0  # times log10 of the preference
# A reviewed everyday word counts at least as this.
NOTA_DAS_EUROPEIAS = 4.0


class Notas:
    def __init__(self, zipf, legendas, legendas_br, tesauro, europeias, pares_brasileiros=None):
        self.zipf = zipf                # written frequency of the form
        self.legendas = legendas        # European subtitle counts (Legendas)
        self.legendas_br = legendas_br  # Brazilian subtitle counts (Legendas)
        self.tesauro = tesauro          # word -> its one-word synonyms
        self.europeias = europeias      # reviewed everyday words the sources under-rate
        # reviewed Brazilian word -> its European counterpart (imã -> íman)
        self.pares_brasileiros = pares_brasileiros or {}

    def razao_brasileira(self, texto):
        return self.legendas_br.taxa(texto) / self.legendas.taxa(texto)

    def brasileira(self, texto, listadas):
        """How much more Brazilian subtitles prefer TEXT to its European counterpart than
        European ones do (xícara to chávena), or 0 when it has none: a thesaurus synonym among
        LISTADAS, more frequent in European subtitles, against which the preference reaches
        RAZAO_BRASILEIRA."""
        razao = self.razao_brasileira(texto)
        if razao < RAZAO_MINIMA:
            return 0.0
        propria = self.legendas.contagens.get(texto, 0)
        maior = 0.0
        for outra in sorted(self.tesauro.get(texto, ())):
            if outra in listadas and self.legendas.contagens.get(outra, 0) > propria:
                maior = max(maior, razao / self.razao_brasileira(outra))
        return maior if maior >= RAZAO_BRASILEIRA else 0.0

    def par_europeu_listado(self, texto, listadas):
        """True when TEXT is a reviewed Brazilian word whose European counterpart is among
        LISTADAS: pairs the comparison cannot find, two board forms with no thesaurus link."""
        return self.pares_brasileiros.get(texto) in listadas

    def frequencia(self, texto, do_lema):
        """The best frequency evidence of the word itself, on the Zipf scale."""
        return max(self.zipf.get(texto, 0.0),
                   self.legendas.zipf(self.legendas.contagens.get(texto, 0)),
                   self.legendas.zipf(do_lema.get(texto, 0)) - DESCONTO_DO_LEMA)

    def nota(self, texto, frequencia, parente, preferencia_brasileira):
        """FREQUENCIA: frequencia(); PARENTE: kin of a well-known word; PREFERENCIA_BRASILEIRA:
        brasileira()."""
        nota = frequencia
        if texto in self.tesauro:
            nota += BONUS_TESAURO
        if parente:
            nota += BONUS_PARENTESCO
        if preferencia_brasileira:
            nota -= PENALIDADE_BRASILEIRA * math.log10(preferencia_brasileira)
        return nota

    def nota_revista(self, texto, nota):
        """A reviewed everyday word counts as well known whatever its evidence."""
        return max(nota, NOTA_DAS_EUROPEIAS) if texto in self.europeias else nota
