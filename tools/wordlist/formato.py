"""The text of the list file: BOM, CR LF, comment lines, the four sections."""

from regras import grelha

CABECALHO = [
    "# Lista de palavras do Palvorin: português europeu, "
    "ortografia do Acordo Ortográfico de 1990.",
    "# Uma palavra por linha, em maiúsculas com acentos, de 2 a 15 letras.",
    "# Nomes e adjetivos no masculino singular (e os nomes femininos ou plurais de uso próprio), "
    "verbos no infinitivo; outras formas verbais só com 2 ou 3 letras.",
    "# Secções COMUNS: palavras que um leitor adulto conhece; o gerador usa-as primeiro.",
    "# Secções RARAS: palavras válidas menos conhecidas, usadas só quando o tabuleiro não fecha "
    "de outro modo. Em cada secção, as PREFERIDAS vêm primeiro.",
    "# Gerada por tools/wordlist/construir.py a partir do hunspell-pt-pt, do mythes-pt-pt, "
    "dos analisadores do Apertium e de frequências de legendas e do wordfreq.",
]


SECCOES = (("#SECCAO COMUNS PREFERIDAS", True, True), ("#SECCAO COMUNS", True, False),
           ("#SECCAO RARAS PREFERIDAS", False, True), ("#SECCAO RARAS", False, False))


def texto_da_lista(escolhidas):
    def linhas(comum, preferida):
        palavras = (t.upper() for t, c, _, p in escolhidas.values() if (c, p) == (comum, preferida))
        return sorted(palavras, key=lambda t: (grelha(t), t))
    todas = list(CABECALHO)
    for marca, comum, preferida in SECCOES:
        todas += [marca] + linhas(comum, preferida)
    return "\ufeff" + "".join(linha + "\r\n" for linha in todas)
