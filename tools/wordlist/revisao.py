"""The editor's reading of the words puzzles lean on most: one verdict per word, with its
reason (revisao.txt)."""

from regras import _linhas

# fica: as the builder files it; comum: an everyday word, common and preferred whatever the
# sources say; menos: common, but not among the words the filler tries first (crossword
# filler a book would otherwise repeat); rara: a valid word an editor seldom prints; fora: not
# a word readers take for one, or not for this book.
VEREDICTOS = ("fica", "comum", "menos", "rara", "fora")


def ler_revisao(nome="revisao.txt"):
    """Word -> (verdict, reason). A verdict not in VEREDICTOS, or a word read twice, is an
    error: the list must not change because of a slip in the review."""
    revisao = {}
    for linha in _linhas(nome):
        palavra, veredicto, *motivo = linha.split()
        if veredicto not in VEREDICTOS or palavra in revisao:
            raise ValueError(f"{nome}: linha inválida: {linha}")
        revisao[palavra] = (veredicto, " ".join(motivo))
    return revisao


def duvidosas(revisao=None):
    """The words the review files as rare or out."""
    revisao = ler_revisao() if revisao is None else revisao
    return {p for p, (v, _) in revisao.items() if v in ("rara", "fora")}
