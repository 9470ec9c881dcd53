"""Reading the sources: known word forms, the subtitle frequencies and the thesaurus, all put
in the 1990 spelling."""

import math
from collections import defaultdict
from dataclasses import dataclass

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
    """Subtitle counts of every known 1990 form, and the file's total and smallest counts."""
    frequencias = defaultdict(int)
    contagens = ler_contagens(caminho)
    for antiga, contagem in contagens.items():
        forma = mapear_forma(antiga, conhecidas, tabela)
        if forma:
            frequencias[forma] += contagem
    return Legendas(frequencias, sum(contagens.values()), min(contagens.values(), default=1))


@dataclass
class Legendas:
    contagens: dict
    total: int  # tokens the counts add up to
    piso: int   # the smallest count the file lists: rarer forms are missing

    def zipf(self, contagem):
        """A count on the Zipf scale: log10 of occurrences per billion words, 0 for none."""
        return math.log10(contagem * 1e9 / self.total) if contagem > 0 else 0.0

    def taxa(self, forma):
        """Occurrences per billion words, taking a missing form at the file's floor."""
        return max(self.contagens.get(forma, 0), self.piso) * 1e9 / self.total


def ler_zipf(caminho):
    """Written-language frequency: form -> Zipf value (TAB-separated, lower case)."""
    zipf = {}
    with open(caminho, encoding="utf-8") as f:
        for linha in f:
            campos = linha.rstrip("\n").split("\t")
            if len(campos) == 2:
                zipf[campos[0]] = float(campos[1])
    return zipf


def ler_tesauro(caminho, conhecidas, tabela):
    """Every word the thesaurus names, in a headword or a synonym, alone or inside an expression
    (a respeito de, porco-formigueiro), in the 1990 spelling -> the one-word synonyms of its
    entries."""
    sinonimos = defaultdict(set)
    with open(caminho, encoding="utf-8") as f:
        next(f)
        entrada = set()
        for linha in f:
            if not linha.startswith(" "):
                entrada = set()  # a headword line starts the next entry
            for termo in linha.strip().split("|"):
                palavras = []
                for parte in termo.replace("-", " ").split():
                    if parte.startswith("(") or parte.isdigit():
                        continue  # part-of-speech marks and sense counts
                    forma = mapear_forma(parte, conhecidas, tabela)
                    if forma:
                        palavras.append(forma)
                        sinonimos[forma]
                if len(palavras) == 1 and " " not in termo.strip():
                    for outra in entrada:
                        sinonimos[outra].add(palavras[0])
                        sinonimos[palavras[0]].add(outra)
                    entrada.add(palavras[0])
    return sinonimos


def ler_contagens(caminho):
    """The subtitle counts as written, before any change of spelling."""
    contagens = {}
    with open(caminho, encoding="utf-8") as f:
        for linha in f:
            campos = linha.split()
            if len(campos) == 2:
                contagens[campos[0]] = int(campos[1])
    return contagens


def preferir_grafias_europeias(entradas, contagens):
    """Of two valid spellings (carácter and caráter: the dictionary tags the first EQAO90, the
    second PREAO90), make the one European subtitles use more the word of the list, by swapping
    the two tags. A tie keeps the dictionary's choice."""
    por_palavra = {e.palavra: e for e in entradas if not e.lema_dado}
    for velha in entradas:
        nova = por_palavra.get(velha.etiquetas.get("EQAO90"))
        if (velha.lema_dado or nova is None or "PREAO90" in velha.etiquetas
                or nova.etiquetas.get("PREAO90") != velha.palavra
                or contagens.get(velha.palavra, 0) <= contagens.get(nova.palavra, 0)):
            continue
        del velha.etiquetas["EQAO90"], nova.etiquetas["PREAO90"]
        velha.etiquetas["PREAO90"] = nova.palavra
        nova.etiquetas["EQAO90"] = velha.palavra
