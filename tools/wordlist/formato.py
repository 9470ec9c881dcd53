"""The text of the list file: BOM, CR LF, comment lines, the three sections."""

from regras import grelha

CABECALHO = [
    "# Lista de palavras do Palvorin: português europeu, "
    "ortografia do Acordo Ortográfico de 1990.",
    "# Uma palavra por linha, em maiúsculas com acentos, de 2 a 15 letras.",
    "# Nomes e adjetivos no masculino singular (e os nomes femininos ou plurais de uso próprio), "
    "verbos no infinitivo; outras formas verbais só com 2 ou 3 letras.",
    "# Secções COMUNS: palavras que um leitor adulto conhece; o gerador usa-as primeiro, "
    "e antes de todas as FREQUENTES.",
    "# Secção RARAS: palavras válidas menos conhecidas, "
    "usadas só quando o tabuleiro não fecha de outro modo.",
    "# Gerada por tools/wordlist/construir.py a partir do hunspell-pt-pt, do mythes-pt-pt, "
    "dos analisadores do Apertium e de frequências de legendas e do wordfreq.",
]


def texto_da_lista(escolhidas):
    def linhas(comum, frequente):
        palavras = (t.upper() for t, c, _, f in escolhidas.values() if (c, f) == (comum, frequente))
        return sorted(palavras, key=lambda t: (grelha(t), t))
    todas = (CABECALHO + ["#SECCAO COMUNS FREQUENTES"] + linhas(True, True) +
             ["#SECCAO COMUNS"] + linhas(True, False) + ["#SECCAO RARAS"] + linhas(False, False))
    return "\ufeff" + "".join(linha + "\r\n" for linha in todas)
