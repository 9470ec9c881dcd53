"""The text of the list file: BOM, CR LF, comment lines, the two sections."""

from regras import grelha

CABECALHO = [
    "# Lista de palavras do Palvorin: português europeu, "
    "ortografia do Acordo Ortográfico de 1990.",
    "# Uma palavra por linha, em maiúsculas com acentos, de 2 a 15 letras.",
    "# Nomes e adjetivos no masculino singular (e os nomes femininos ou plurais de uso próprio), "
    "verbos no infinitivo; outras formas verbais só com 2 ou 3 letras.",
    "# Secção COMUNS: palavras que um leitor adulto conhece; o gerador usa-as primeiro.",
    "# Secção RARAS: palavras válidas menos conhecidas, "
    "usadas só quando o tabuleiro não fecha de outro modo.",
    "# Gerada por tools/wordlist/construir.py a partir do hunspell-pt-pt, do mythes-pt-pt, "
    "dos analisadores do Apertium e de frequências de legendas e do wordfreq.",
]


def texto_da_lista(escolhidas):
    def linhas(comum):
        palavras = (t.upper() for t, c, *_ in escolhidas.values() if c == comum)
        return sorted(palavras, key=lambda t: (grelha(t), t))
    todas = CABECALHO + ["#SECCAO COMUNS"] + linhas(True) + ["#SECCAO RARAS"] + linhas(False)
    return "\ufeff" + "".join(linha + "\r\n" for linha in todas)
