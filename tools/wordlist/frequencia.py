"""The frequency of every lemma, from the subtitle counts of its forms."""

from collections import defaultdict


def contagens_proprias(lexico, frequencias):
    """Lemma -> the counts of its forms no other lemma shares, and of a shared form spelled like
    it (sua, nada): evidence no homograph lends it (irar gets nothing from ira, irei)."""
    proprias = defaultdict(int)
    for forma, lemas in lexico.formas.items():
        if len(lemas) == 1:
            proprias[next(iter(lemas))] += frequencias[forma]
        elif forma in lemas:
            proprias[forma] += frequencias[forma]
    return proprias


def pontuar(lexico, frequencias):
    """Frequency of every lemma: the counts of all its forms. A form shared by several lemmas
    (casa: the noun and the verb casar) is shared out in proportion to each lemma's evidence (its
    unshared forms, and the word itself when spelled like a shared form), the lemma spelled like
    the form weighing that form's count more. Participles count their four forms; a 2-3 letter
    verb form counts its own occurrences."""
    proprias = contagens_proprias(lexico, frequencias)
    pontos = defaultdict(float)
    for forma in sorted(lexico.formas):
        lemas = sorted(lexico.formas[forma])
        n = frequencias[forma]
        pesos = [1 + proprias[l] + (n if l == forma else 0) for l in lemas]
        total = sum(pesos)
        for lema, peso in zip(lemas, pesos):
            pontos[lema] += n * peso / total
    for lema in lexico.lemas.values():
        if "participio" in lema.tipos:
            t = lema.texto
            formas = (t, t[:-1] + "a", t + "s", t[:-1] + "as")
            pontos[t] = max(pontos[t], sum(frequencias.get(f, 0) for f in formas))
        if "curta" in lema.tipos and any(frequencias.get(v, 0) for v in lema.bases):
            # a short form of a verb whose infinitive is in use: ada (adir) is mostly a name
            pontos[lema.texto] = max(pontos[lema.texto], frequencias.get(lema.texto, 0))
    return pontos


def evidencia_propria(lexico, frequencias, pontos):
    """Lemma -> the subtitle counts that speak for it alone: its unshared forms; a participle's
    four forms (PONTOS from pontuar); a verb's infinitive only, since its forty forms are often
    words of their own (tarado, irado)."""
    evidencia = contagens_proprias(lexico, frequencias)
    for texto, lema in lexico.lemas.items():
        if "participio" in lema.tipos:
            evidencia[texto] = pontos[texto]
        elif "verbo" in lema.tipos:
            evidencia[texto] = frequencias.get(texto, 0)
    return evidencia
