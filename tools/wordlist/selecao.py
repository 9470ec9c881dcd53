"""Which words enter the list, in which section, one per board form."""

from comuns import ParentesPelaForma, aparentado, frequente, vizinhos
from flexao import reducoes
from regras import acentos_impossiveis, grelha, motivo_de_recusa, numeral_romano


def escolher(lexico, pontos, tesauro, conhecidas, exclusoes):
    """Board form -> (text, common) for every word that may enter the list. Common: found in
    the subtitles, listed in the thesaurus, or close kin of a word found in the subtitles."""
    viz = vizinhos(lexico)
    parentes = ParentesPelaForma(lexico, pontos)
    grelhas_dos_lemas = {grelha(t) for t in lexico.lemas}
    por_grelha = {}
    for texto in sorted(lexico.lemas):
        lema = lexico.lemas[texto]
        if motivo_de_recusa(texto) or texto not in conhecidas or texto in exclusoes:
            continue
        if lema.tipos <= {"card"} and numeral_romano(texto):
            continue
        if lema.flexionado and any(grelha(r) in grelhas_dos_lemas for r in reducoes(texto)):
            continue  # amores beside amor, caseira beside caseiro, bisavós beside bisavô
        if acentos_impossiveis(texto, bool(lema.afixos)):
            continue  # imóbilidade: the derivation rule kept the stem's accent
        if texto.endswith("rmente"):
            continue  # -mente glued to a verb (atrofiarmente), a slip of the dictionary's flags
        if lema.tipos == {"interj"} and (pontos.get(texto, 0) == 0
                                         or texto.capitalize() in conhecidas):
            continue  # onomatopoeia nobody writes (dlim, truz), names used as oaths (jesus)
        comum = (frequente(texto, pontos) or (lema.tipos != {"curta"} and texto in tesauro)
                 or aparentado(lema, pontos, viz)
                 or (lema.tipos <= {"nome", "derivado"} and parentes.tem_parente(texto)))
        chave = grelha(texto)
        atual = por_grelha.get(chave)
        if atual is None:
            por_grelha[chave] = (texto, comum)
            continue
        # one entry per board form: the spelling readers meet most, common if either is
        melhor = max((atual[0], texto), key=lambda t: (pontos.get(t, 0), t))
        por_grelha[chave] = (melhor, comum or atual[1])
    return por_grelha
