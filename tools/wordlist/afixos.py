"""Reading the hunspell-pt-pt dictionary and expanding its affixes.

Every generated form keeps track of its lemma, so that the builder can tell
dictionary forms (the words of the list) from their inflections (which only
add to a lemma's frequency)."""

import re
from dataclasses import dataclass, field


@dataclass(frozen=True)
class Afixo:
    prefixo: bool
    retira: str
    junta: str
    condicao: re.Pattern
    morfologia: dict


@dataclass
class Classe:
    prefixo: bool
    cruzada: bool
    entradas: list = field(default_factory=list)


def ler_etiquetas(texto):
    """'CAT=nc,G=m,N=s' -> {'CAT': 'nc', 'G': 'm', 'N': 's'}; leading '+' ignored."""
    etiquetas = {}
    for parte in texto.lstrip("+").split(","):
        if "=" in parte:
            chave, valor = parte.split("=", 1)
            etiquetas[chave.strip()] = valor.strip()
    return etiquetas


def ler_aff(caminho):
    classes = {}
    with open(caminho, encoding="utf-8") as f:
        for linha in f:
            campos = linha.split()
            if len(campos) < 4 or campos[0] not in ("PFX", "SFX"):
                continue
            prefixo = campos[0] == "PFX"
            bandeira = campos[1]
            if bandeira not in classes:
                classes[bandeira] = Classe(prefixo, campos[2] == "Y")
                continue
            retira = "" if campos[2] == "0" else campos[2]
            junta = "" if campos[3] == "0" else campos[3]
            condicao = campos[4] if len(campos) > 4 else "."
            padrao = ("^" + condicao) if prefixo else ("(?:" + condicao + ")$")
            morfologia = ler_etiquetas(campos[5]) if len(campos) > 5 else {}
            classes[bandeira].entradas.append(
                Afixo(prefixo, retira, junta, re.compile(padrao), morfologia))
    return classes


@dataclass
class EntradaDic:
    palavra: str
    bandeiras: str
    etiquetas: dict      # the form's own tags (stem tags overridden by form tags)
    lema_dado: str       # lemma named by a "$lemma$" entry, else ""
    etiquetas_forma: dict  # tags that entry adds to its lemma's tags
    etiquetas_lema: dict   # that lemma's own tags


def ler_dic(caminho):
    entradas = []
    with open(caminho, encoding="utf-8") as f:
        next(f)  # entry count
        for linha in f:
            linha = linha.rstrip("\n")
            if "\t" not in linha:
                continue
            palavra, resto = linha.split("\t", 1)
            bandeiras = ""
            if "/" in palavra[1:]:
                palavra, bandeiras = palavra.split("/", 1)
            resto = resto.strip().strip("[]")
            lema, etiquetas_forma, etiquetas_lema = "", {}, {}
            if resto.startswith("$"):
                _, lema, base, proprias = (resto.split("$") + ["", ""])[:4]
                etiquetas_forma = ler_etiquetas(proprias)
                etiquetas_lema = ler_etiquetas(base)
                etiquetas = dict(etiquetas_lema)
                etiquetas.update(etiquetas_forma)
            else:
                etiquetas = ler_etiquetas(resto)
            entradas.append(
                EntradaDic(palavra, bandeiras, etiquetas, lema, etiquetas_forma, etiquetas_lema))
    return entradas


def aplicar_sufixo(afixo, palavra):
    if not afixo.condicao.search(palavra):
        return None
    if afixo.retira:
        if not palavra.endswith(afixo.retira):
            return None
        palavra = palavra[: -len(afixo.retira)]
    return palavra + afixo.junta


def aplicar_prefixo(afixo, palavra, raiz):
    """The condition is checked on the root, as hunspell does for cross products."""
    if not afixo.condicao.search(raiz):
        return None
    if afixo.retira:
        if not palavra.startswith(afixo.retira):
            return None
        palavra = palavra[len(afixo.retira):]
    return afixo.junta + palavra


def e_derivacao(morfologia):
    """Affixes that make a new lemma (-mente, -ção, -dor, -ismo ...), not an inflection."""
    return ("FSEM" in morfologia or "CAT" in morfologia) and "GR" not in morfologia
