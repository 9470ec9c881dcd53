"""Which words enter the list, in which section, one per board form."""

from dataclasses import dataclass

from comuns import DERIVACOES_FIAVEIS, ParentesPelaForma, vizinhos
from confirmacao import feminino_nominal
from nota import NOTA_DO_PARENTE
from flexao import reducoes
from lexico import Lema
from regras import acentos_impossiveis, grelha, motivo_de_recusa, numeral_romano

# The score a word needs to be common, by length: the longer a word is, the fewer times even
# a well-known one is written.
LIMIARES = {2: 3.0, 3: 3.0, 4: 3.0, 5: 3.0, 6: 2.9, 7: 2.8, 8: 2.7, 9: 2.6, 10: 2.3,
            11: 2.0, 12: 1.8, 13: 1.5}
LIMIAR_LONGAS = 1.2
# A word of European usage written at least this often is common whatever its score: readers
# meet it about once in a hundred million words, and the generator, which fills boards from the
# common words, needs every such word (a smaller common section sends more boards to rare words).
ZIPF_COMUM = 2.0
# Preferred words, which the filler tries before the other words of their section: a common
# word readers meet often in writing (or a reviewed everyday word), and a rare word of European
# usage they still meet now and then.
ZIPF_COMUM_PREFERIDA = 3.0
ZIPF_RARA_PREFERIDA = 1.5


# The review's verdicts that set the section: (common, preferred).
SECCAO_REVISTA = {"comum": (True, True), "menos": (True, False), "rara": (False, False)}


@dataclass
class Contexto:
    conhecidas: set              # forms wportuguese knows
    exclusoes: set               # exclusoes.txt, with every word derived from one (familia_excluida)
    pontos: dict                 # lemma -> European subtitle frequency (frequencia.pontuar)
    do_lema: dict                # lemma -> subtitle counts no homograph lends it
    notas: object                # nota.Notas
    leituras: dict               # word -> the analyser's categories (analisador.analisar)
    participios_inventados: set  # confirmacao.participios_inventados
    acentos: dict                # confirmacao.acentos_corrigidos
    revisao: dict = None         # revisao.ler_revisao: word -> (verdict, reason)


def familia_excluida(lexico, exclusoes):
    """EXCLUSOES and every lemma derived from one of them, or its participle, at any number of
    steps (fornicar: fornicação, fornicador, fornicado): the policy holds for whole families.
    A feminine is not derived: judia is judeu's, not judio's."""
    excluidas = set(exclusoes)
    mudou = True
    while mudou:
        novas = {t for t, lema in lexico.lemas.items() if t not in excluidas
                 and (lema.afixos or "participio" in lema.tipos) and lema.bases & excluidas}
        excluidas |= novas
        mudou = bool(novas)
    return excluidas


def juntar_revistas(lexico, contexto):
    """Everyday words the review files as common although the dictionary yields them only as
    inflections (prima, sogra, miúda): lemmas of their own when they are known forms."""
    for texto, (veredicto, _) in sorted((contexto.revisao or {}).items()):
        if veredicto == "comum" and texto not in lexico.lemas and texto in contexto.conhecidas:
            lexico.lemas[texto] = Lema(texto, {"revista"})


def limiar(texto):
    return LIMIARES.get(len(texto), LIMIAR_LONGAS)


FATOR_DO_PLURAL = 10


def plural_de_uso(texto, singulares, legendas):
    """A plural European subtitles have FATOR_DO_PLURAL times as often as each singular."""
    vezes = legendas.contagens.get(texto, 0)
    return all(vezes >= FATOR_DO_PLURAL * max(legendas.contagens.get(s, 0), legendas.piso)
               for s in singulares)


def admissivel(texto, lema, grelhas_dos_lemas, contexto):
    """True when the lemma TEXTO may be a word of the list (either section)."""
    if motivo_de_recusa(texto) or texto not in contexto.conhecidas or texto in contexto.exclusoes:
        return False
    veredicto = (contexto.revisao or {}).get(texto, ("",))[0]
    if veredicto == "fora":
        return False
    if veredicto == "comum":
        return True  # an everyday word, whatever its inflection (costas, sogra)
    if lema.tipos <= {"card"} and numeral_romano(texto):
        return False
    reduzidas = [r for r in reducoes(texto) if grelha(r) in grelhas_dos_lemas]
    if lema.tipos == {"plural"} or (lema.flexionado and reduzidas):
        # amores beside amor, caseira beside caseiro, bisavós beside bisavô: a plural stays only
        # when readers meet it far more than its singular (férias, óculos)
        singulares = lema.bases if lema.tipos == {"plural"} else reduzidas
        if not texto.endswith("s") or not plural_de_uso(texto, singulares, contexto.notas.legendas):
            return False
    if "feminino" in lema.tipos and lema.tipos <= {"feminino", "participio"}:
        if not feminino_nominal(texto, contexto.leituras):
            return False  # the feminine of an adjective (bonita), or unknown to the analyser
    if lema.tipos == {"participio"} and texto in contexto.participios_inventados:
        return False  # abrido, escrevido: the verb's participle is irregular
    if acentos_impossiveis(texto, bool(lema.afixos) or "plural" in lema.tipos):
        return False  # imóbilidade: the derivation rule kept the stem's accent
    if texto.endswith("rmente"):
        return False  # -mente glued to a verb (atrofiarmente), a slip of the dictionary's flags
    if lema.tipos == {"interj"} and (contexto.pontos.get(texto, 0) == 0
                                     or texto.capitalize() in contexto.conhecidas):
        return False  # onomatopoeia nobody writes (dlim, truz), names used as oaths (jesus)
    return True


def escolher(lexico, contexto):
    """Board form -> (text, common, score) for every word that may enter the list."""
    notas = contexto.notas
    revisao = contexto.revisao or {}
    juntar_revistas(lexico, contexto)
    admitidas = {}
    grelhas_dos_lemas = {grelha(t) for t in lexico.lemas}
    for texto in sorted(lexico.lemas):
        lema = lexico.lemas[texto]
        if admissivel(texto, lema, grelhas_dos_lemas, contexto):
            admitidas[contexto.acentos.get(texto, texto)] = lema
    frequencias = {t: notas.frequencia(t, contexto.do_lema) for t in admitidas}
    viz = vizinhos(lexico)
    parentes = ParentesPelaForma(lexico, contexto.pontos)
    por_grelha = {}
    for texto in sorted(admitidas):
        lema = admitidas[texto]
        parente = (lema.tipos != {"curta"} and lema.afixos <= DERIVACOES_FIAVEIS and any(
            frequencias.get(v, 0) >= NOTA_DO_PARENTE for v in viz[lema.texto])) or (
                lema.tipos <= {"nome", "derivado"} and parentes.tem_parente(texto))
        brasileira = 0.0
        if lema.tipos == {"curta"}:
            # a short verb form stands on its own occurrences, counted only when its verb is in
            # use: the written ada, zoe, pie are names and English
            nota = notas.legendas.zipf(contexto.pontos.get(texto, 0))
        else:
            brasileira = notas.brasileira(texto, admitidas)
            nota = notas.nota(texto, frequencias[texto], parente, brasileira)
        nota = notas.nota_revista(texto, nota)
        escrita = notas.zipf.get(texto, 0.0)
        par_europeu = notas.par_europeu_listado(texto, admitidas)
        uso_brasileiro = bool(brasileira) or par_europeu
        comum = not par_europeu and (nota >= limiar(texto) or (
            lema.tipos != {"curta"} and escrita >= ZIPF_COMUM and not uso_brasileiro))
        if comum:
            preferida = escrita >= ZIPF_COMUM_PREFERIDA or texto in notas.europeias
        else:
            preferida = escrita >= ZIPF_RARA_PREFERIDA and not uso_brasileiro
        comum, preferida = SECCAO_REVISTA.get(revisao.get(texto, ("",))[0], (comum, preferida))
        chave = grelha(texto)
        atual = por_grelha.get(chave)
        # one entry per board form: the spelling readers meet most, common if either is, and
        # preferred if a spelling of its section is
        if atual is not None:
            comum_antes, preferida_antes = atual[1], atual[3]
            if comum != comum_antes:
                preferida = preferida if comum else preferida_antes
            else:
                preferida = preferida or preferida_antes
            comum = comum or comum_antes
        if atual is None or (nota, texto) > (atual[2], atual[0]):
            por_grelha[chave] = (texto, comum, nota, preferida)
        else:
            por_grelha[chave] = (atual[0], comum, atual[2], preferida)
    return por_grelha

