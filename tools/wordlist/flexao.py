"""Telling plural and feminine forms from their masculine singular, by shape alone.

The dictionary's tags on derived forms are not always right (étrica is tagged masculine,
ómanas singular), so the forms a derivation rule makes are sorted by their endings."""

_PLURAIS = [("ões", "ão"), ("ães", "ão"), ("ãos", "ão"), ("eis", "el"), ("eis", "il"),
            ("óis", "ol"), ("is", "l"), ("ns", "m"), ("es", ""), ("s", "")]
_FEMININOS = [("ona", "ão"), ("ã", "ão"), ("esa", "ês"), ("a", "o"), ("a", "e"), ("a", "")]


def _trocas(forma, tabela):
    return [forma[: len(forma) - len(fim)] + novo for fim, novo in tabela if forma.endswith(fim)]


def reducoes(forma):
    """Masculine-singular shapes FORMA could inflect (ógicas -> ógico, dores -> dor)."""
    singulares = _trocas(forma, _PLURAIS)
    resultado = singulares + _trocas(forma, _FEMININOS)
    for singular in singulares:
        resultado += _trocas(singular, _FEMININOS)
    return [r for r in resultado if r and r != forma]


def citacoes(formas):
    """The dictionary forms among FORMAS: those that are not the plural or feminine of another."""
    conjunto = set(formas)
    return sorted(f for f in conjunto if not any(r in conjunto for r in reducoes(f)))
