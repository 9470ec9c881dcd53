"""A second opinion on word forms: the Portuguese morphological analysers of Apertium
(apertium-pt-gl, apertium-es-pt), run with lttoolbox's lt-proc."""

import re
import shutil
import subprocess

ANALISADORES = ("/usr/share/apertium/apertium-pt-gl/pt-gl.automorf.bin",
                "/usr/share/apertium/apertium-es-pt/pt-es.automorf.bin")
_UNIDADE = re.compile(r"\^([^/$]*)/([^$]*)\$")
_ETIQUETA = re.compile(r"<([^>]+)>")


def _categorias(leitura):
    """'filho<n><f><sg>' -> {'n'}; 'abrir<vblex><pp><m><sg>' -> {'vblex', 'pp'}."""
    etiquetas = _ETIQUETA.findall(leitura)
    if not etiquetas:
        return set()
    categorias = {etiquetas[0]}
    if "pp" in etiquetas:
        categorias.add("pp")
    return categorias


def analisar(palavras, analisadores=ANALISADORES):
    """Word -> the categories any analyser reads in it (n, adj, vblex, pp, ...); an empty set
    when no analyser knows it."""
    if shutil.which("lt-proc") is None:
        raise SystemExit("falta o lt-proc: apt-get install lttoolbox apertium-pt-gl apertium-es-pt")
    palavras = sorted(set(palavras))
    leituras = {p: set() for p in palavras}
    # one null-flushed chunk per word, so that no two words are read as one expression
    entrada = "".join(p + "\0" for p in palavras)
    for analisador in analisadores:
        saida = subprocess.run(["lt-proc", "-z", analisador], input=entrada, capture_output=True,
                               text=True, check=True).stdout
        for forma, resto in _UNIDADE.findall(saida):
            if forma in leituras and not resto.startswith("*"):
                for leitura in resto.split("/"):
                    leituras[forma] |= _categorias(leitura)
    return leituras
