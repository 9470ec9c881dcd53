"""The lexicon: every lemma the dictionary yields, its kinds, the lemmas it derives from,
and which lemmas each (interesting) inflected form belongs to."""

from collections import defaultdict
from dataclasses import dataclass, field

from afixos import aplicar_prefixo, aplicar_sufixo, e_derivacao
from flexao import citacoes, reducoes

CLASSES_FECHADAS = {"ppes", "pdem", "ppos", "pind", "prel", "pint", "art", "quant", "card",
                    "nord", "cp", "prep", "con", "neg", "pass"}
# Pronouns, determiners and numerals: every form (ela, estes, nossas, duas) is a word of its own.
CLASSES_FLEXIONADAS = {"ppes", "pdem", "ppos", "pind", "prel", "pint", "art", "quant", "card"}
# Nouns whose feminine may be a noun of its own (filha, senhora), not an adjective's (bonita).
CLASSES_NOMINAIS = {"nc", "a_nc"}
CLASSES_EXCLUIDAS = {"np", "pref", "nm"}
# Foreign (ORIG, PT = "use this Portuguese word instead"), Brazilian and abbreviation records.
# EQAO90 marks a pre-agreement spelling kept as an equivalent (apocalíptico, bijectiva).
MARCAS_EXCLUIDAS = ("ORIG", "PT", "BRAS", "ABR", "ORIT", "EQAO90")


@dataclass
class Lema:
    texto: str
    tipos: set = field(default_factory=set)   # verbo, nome, adv, fechada, interj, card, ...
    bases: set = field(default_factory=set)   # lemmas one derivation or prefix step away
    afixos: set = field(default_factory=set)  # derivation and prefix flags that made it
    flexionado: bool = None  # every record of it is a plural, or an adjective in the feminine


def entrada_limpa(entrada):
    cat = entrada.etiquetas.get("CAT", "")
    if cat == "np" and entrada.palavra[:1].islower():
        return True  # months and seasons, proper nouns only before the 1990 agreement
    if cat in CLASSES_EXCLUIDAS or cat.startswith("punct"):
        return False
    if any(marca in entrada.etiquetas for marca in MARCAS_EXCLUIDAS):
        return False
    return entrada.palavra[:1].islower()


def tipo_da_categoria(cat):
    if cat == "v":
        return "verbo"
    if cat in ("nc", "adj", "a_nc", "np"):
        return "nome"
    if cat in CLASSES_FECHADAS:
        return "card" if cat == "card" else "fechada"
    if cat == "in":
        return "interj"
    return "adv"


class Lexico:
    def __init__(self, classes, interesse):
        self.classes = classes
        self.interesse = interesse            # forms whose lemmas matter (frequency keys)
        self.lemas = {}
        self.formas = defaultdict(set)        # form -> lemmas it inflects

    # -- registration ------------------------------------------------------------------
    def _lema(self, texto, tipo, base=None):
        lema = self.lemas.get(texto)
        if lema is None:
            lema = self.lemas[texto] = Lema(texto)
        lema.tipos.add(tipo)
        if base and base != texto:
            lema.bases.add(base)
        self._forma(texto, texto)
        return lema

    def _forma(self, forma, lema):
        if forma in self.interesse:
            self.formas[forma].add(lema)

    # -- expansion ---------------------------------------------------------------------
    def _sufixos(self, raiz, bandeiras):
        """(form, morphology, flag) for every suffix of BANDEIRAS that applies to RAIZ."""
        for bandeira in bandeiras:
            classe = self.classes.get(bandeira)
            if classe is None or classe.prefixo:
                continue
            for afixo in classe.entradas:
                if "-" in afixo.junta:
                    continue  # clitic forms (dá-lhe) never reach a board
                forma = aplicar_sufixo(afixo, raiz)
                if forma:
                    yield forma, afixo.morfologia, bandeira

    def _registos(self, entrada):
        """(kind, text, lemma[, flag]) records of one dictionary entry, before prefixes.
        kind: 'lema' (a word of its own; LEMMA is the word it derives from, by derivation FLAG,
        or None), 'flexionado' (a stem recorded as a plural or feminine), 'forma' (TEXT inflects
        LEMMA), 'participio' and 'curta' (participle, 2-3 letter form of the verb LEMMA)."""
        et = entrada.etiquetas
        cat = et.get("CAT", "")
        raiz = entrada.palavra
        proprias = entrada.etiquetas_forma
        registos = []
        if entrada.lema_dado:
            cat_do_lema = entrada.etiquetas_lema.get("CAT", "")
            # a derivation (integramente, dificilmente) is a lemma of its own, and so are
            # irregular superlatives (péssimo, acérrimo), but not -íssimo ones
            proprio = (
                "FSEM" in proprias or ("CAT" in proprias and proprias["CAT"] != cat_do_lema)
                or (raiz.endswith("mente") and not entrada.lema_dado.endswith("mente"))
                or (proprias.get("GR") == "sup" and et.get("N") != "p" and et.get("G") != "f"
                    and not raiz.endswith("íssimo")))
            if proprio:
                registos.append(("lema", raiz, entrada.lema_dado))
                lema = raiz
            else:
                lema = entrada.lema_dado
                registos.append(("lema", lema, None))
                registos.append(("forma", raiz, lema))
                masculino_singular = et.get("G") == "m" and et.get("N") == "s"
                if cat == "v" and et.get("T") == "ppa" and masculino_singular:
                    registos.append(("participio", raiz, lema))
                elif cat == "v" and len(raiz) <= 3:
                    registos.append(("curta", raiz, lema))
                elif cat in CLASSES_FLEXIONADAS:
                    registos.append(("lema", raiz, None))
        else:
            lema = raiz
            # plurals, and feminine adjectives, also when mistagged masculine (pretoriana); a
            # feminine noun headword (saída beside saído) is a word of its own
            flexionado = cat not in CLASSES_FLEXIONADAS and (et.get("N") == "p" or (
                cat == "adj" and et.get("G") == "f") or (cat in ("adj", "a_nc") and (
                    et.get("G") == "m" and raiz.endswith(("a", "ã")))))
            registos.append(("flexionado" if flexionado else "lema", raiz, None))

        derivadas = defaultdict(list)
        for forma, morf, bandeira in self._sufixos(raiz, entrada.bandeiras):
            if e_derivacao(morf):
                derivadas[bandeira].append((forma, morf))
                continue
            registos.append(("forma", forma, lema))
            if cat == "v":
                if morf.get("T") == "ppa":
                    if morf.get("G") == "m" and morf.get("N") == "s":
                        registos.append(("participio", forma, lema))
                elif len(forma) <= 3:
                    registos.append(("curta", forma, lema))
            elif cat in CLASSES_FLEXIONADAS:
                registos.append(("lema", forma, None))
            elif cat in CLASSES_NOMINAIS and morf.get("G") == "f" and morf.get("N") != "p":
                registos.append(("feminino", forma, lema))
            elif cat in CLASSES_NOMINAIS and morf.get("N") == "p" and forma in self.interesse:
                registos.append(("plural", forma, lema))
        for bandeira in sorted(derivadas):
            registos += self._derivados(derivadas[bandeira], lema, bandeira)
        return registos

    @staticmethod
    def _derivados(grupo, base, bandeira):
        """One derivation flag on one stem: its dictionary forms become lemmas deriving from
        BASE; its plurals and feminines inflect them; its participles inflect its verb."""
        verbos = [f for f, m in grupo if m.get("T") == "inf"]
        nominais = [f for f, m in grupo if "T" not in m]
        registos = []
        for verbo in verbos:
            registos.append(("lema", verbo, base, bandeira))
            for forma, morf in grupo:
                if morf.get("T") == "ppa":
                    registos.append(("forma", forma, verbo))
                    if morf.get("G") == "m" and morf.get("N") == "s":
                        registos.append(("participio", forma, verbo))
        cits = citacoes(nominais)
        for cit in cits:
            registos.append(("lema", cit, base, bandeira))
        for forma in nominais:
            if forma in cits:
                continue
            alvos = [r for r in reducoes(forma) if r in cits] or cits
            for alvo in alvos:
                registos.append(("forma", forma, alvo))
        return registos

    def juntar(self, entrada):
        if not entrada_limpa(entrada):
            return
        tipo = tipo_da_categoria(entrada.etiquetas.get("CAT", ""))
        registos = self._registos(entrada)
        self._guardar(registos, tipo)
        for bandeira in entrada.bandeiras:
            classe = self.classes.get(bandeira)
            if classe is None or not classe.prefixo or not classe.cruzada:
                continue
            for afixo in classe.entradas:
                if "-" in afixo.junta or entrada.palavra.startswith(afixo.junta):
                    continue  # hyphenated, or the prefix twice (desdestruir)
                prefixados = []
                for kind, texto, lema, *derivacao in registos:
                    novo = aplicar_prefixo(afixo, texto, entrada.palavra)
                    novo_lema = aplicar_prefixo(afixo, lema, entrada.palavra) if lema else None
                    if novo is None or (lema and novo_lema is None):
                        break
                    if kind in ("lema", "flexionado"):
                        # the prefixed word derives from the unprefixed one; a prefixed
                        # derivation (reorientação) carries both steps
                        prefixados.append((kind, novo, texto, bandeira, *derivacao))
                    elif kind != "curta":
                        prefixados.append((kind, novo, novo_lema))
                else:
                    self._guardar(prefixados, tipo)

    def _guardar(self, registos, tipo):
        for kind, texto, lema, *afixos in registos:
            if kind in ("lema", "flexionado"):
                novo = self._lema(texto, tipo if lema is None else "derivado", lema)
                novo.afixos.update(afixos)
                novo.flexionado = novo.flexionado is not False and kind == "flexionado"
            elif kind == "forma":
                self._forma(texto, lema)
            else:  # participles, short verb forms, feminines, plurals: judged apart
                if kind in ("feminino", "plural"):
                    self._forma(texto, lema)
                extra = self.lemas.setdefault(texto, Lema(texto))
                extra.tipos.add(kind)
                extra.bases.add(lema)
