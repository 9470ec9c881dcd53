"""Rules of the word-list builder, on a small hunspell fixture and tables of cases.
Run: python3 -m unittest discover -s tools/wordlist"""

import os
import unittest

from afixos import ler_aff, ler_dic
from comuns import ParentesPelaForma
from formato import texto_da_lista
from frequencia import pontuar
from selecao import escolher
from flexao import citacoes
from lexico import Lexico
from ortografia import mapear_forma
from regras import acentos_impossiveis, grelha, ler_exclusoes, motivo_de_recusa, numeral_romano

TESTES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "testes")


def lexico_do_fixture(frequencias=()):
    classes = ler_aff(os.path.join(TESTES, "mini.aff"))
    lexico = Lexico(classes, set(frequencias))
    for entrada in ler_dic(os.path.join(TESTES, "mini.dic")):
        lexico.juntar(entrada)
    return lexico


class Lexicon(unittest.TestCase):
    def setUp(self):
        self.frequencias = {"bonitas": 50, "cantou": 80, "dou": 30, "dar": 20, "amor": 10,
                            "recanto": 5, "canto": 100}
        self.lexico = lexico_do_fixture(self.frequencias)

    def escolhidas(self, tesauro=(), exclusoes=()):
        pontos = pontuar(self.lexico, self.frequencias)
        todas = set(self.lexico.lemas)
        escolhidas = escolher(self.lexico, pontos, set(tesauro), todas, set(exclusoes))
        return {t: c for t, c in escolhidas.values()}

    def test_so_formas_de_dicionario(self):
        palavras = self.escolhidas()
        for presente in ("bonito", "bonitamente", "cantar", "cantador", "recantar", "lápis",
                         "amor", "cantor", "cantado", "dou", "das"):
            self.assertIn(presente, palavras)
        # plurals, feminines, verb forms of 4+ letters, proper nouns, foreign words, clitics
        for ausente in ("bonitos", "bonita", "cantas", "cantou", "cantadora", "cantadores",
                        "lisboa", "show", "amores", "cantora", "cantar-me"):
            self.assertNotIn(ausente, palavras)

    def test_frequencia_soma_as_formas_do_lema(self):
        pontos = pontuar(self.lexico, self.frequencias)
        self.assertEqual(pontos["bonito"], 50)   # from bonitas alone
        self.assertEqual(pontos["cantado"], 0)
        self.assertEqual(pontos["dou"], 30)      # a short verb form counts on its own
        # canto is the noun and a form of cantar: the noun keeps most of it
        self.assertGreater(pontos["canto"], 50)
        self.assertAlmostEqual(pontos["canto"] + pontos["cantar"], 180)

    def test_seccao_comum(self):
        palavras = self.escolhidas(tesauro={"lápis"})
        self.assertTrue(palavras["bonito"])       # frequent
        self.assertTrue(palavras["lápis"])        # in the thesaurus
        self.assertTrue(palavras["bonitamente"])  # -mente from a frequent adjective
        self.assertTrue(palavras["recantar"])     # prefix on a frequent verb
        self.assertTrue(palavras["cantado"])      # participle of a frequent verb
        self.assertFalse(palavras["cantador"])    # -dor is made for every verb: needs evidence
        self.assertFalse(palavras["das"])         # short verb form never seen

    def test_exclusao(self):
        self.assertNotIn("bonito", self.escolhidas(exclusoes={"bonito"}))


class LearnedKin(unittest.TestCase):
    def test_adjetivos_eruditos(self):
        class Lema:
            tipos = {"nome"}
        pontos = {"vampiro": 500, "anatomia": 300, "gigante": 900, "bandeira": 50}
        lexico = type("L", (), {"lemas": {t: Lema() for t in pontos}})
        parentes = ParentesPelaForma(lexico, pontos)
        casos = [("vampírico", True), ("anatómico", True), ("gigântico", True),
                 ("bandeirico", False),   # its kin is not frequent enough
                 ("vampiresa", False),    # not a learned suffix
                 ("gigantesco", False)]
        for palavra, esperado in casos:
            self.assertEqual(parentes.tem_parente(palavra), esperado, palavra)


class Shapes(unittest.TestCase):
    def test_citacoes_de_uma_derivacao(self):
        casos = [(["cantador", "cantadora", "cantadores", "cantadoras"], ["cantador"]),
                 (["ação", "ações"], ["ação"]),
                 (["amável", "amáveis"], ["amável"]),
                 (["laranjeira", "laranjeiras"], ["laranjeira"]),
                 (["biológico", "biológica", "biológicos", "biológicas"], ["biológico"]),
                 (["artista", "artistas"], ["artista"]),
                 (["irmão", "irmã"], ["irmão"])]
        for formas, esperadas in casos:
            self.assertEqual(citacoes(formas), esperadas, formas)

    def test_grafia_de_1990(self):
        conhecidas = {"ação", "ótimo", "para", "facto", "fato", "deixa", "fazer", "atual", "pelo",
                      "económico"}
        casos = [("acção", "ação"), ("óptimo", "ótimo"), ("actual", "atual"), ("pára", "para"),
                 ("econômico", "económico"),
                 ("pêlo", "pelo"), ("facto", "facto"), ("deixa-me", "deixa"),
                 ("fazê-lo", "fazer"), ("xpto", None), ("bem-vindo", None)]
        for antiga, nova in casos:
            self.assertEqual(mapear_forma(antiga, conhecidas, {}), nova, antiga)
        self.assertEqual(mapear_forma("baptismo", conhecidas, {"baptismo": "batismo"}), "batismo")

    def test_recusas(self):
        casos = [("casa", None), ("sob", None), ("oh", None), ("açúcar", None),
                 ("a", "comprimento"), ("anticonstitucionalíssimo", "comprimento"),
                 ("kiwi", "letras"), ("guarda-chuva", "letras"), ("tranqüilo", "letras"),
                 ("chip", "final estrangeiro"), ("jazz", "grafia estrangeira"),
                 ("ohm", "grafia estrangeira"), ("show", "letras"), ("lo", "só com hífen"),
                 ("psst", "final estrangeiro"), ("brrr", "sem vogal"),
                 ("mainframe", "estrangeira")]
        for palavra, motivo in casos:
            self.assertEqual(motivo_de_recusa(palavra), motivo, palavra)

    def test_acentos(self):
        casos = [("rapidamente", True, False), ("imóbilidade", True, True),
                 ("miserávelista", True, True), ("amável", True, False),
                 ("cristãmente", True, False), ("médico", False, False),
                 ("pôrtátil", False, True)]
        for palavra, derivada, impossivel in casos:
            self.assertEqual(acentos_impossiveis(palavra, derivada), impossivel, palavra)

    def test_numerais_romanos(self):
        for romano in ("ii", "xiv", "mcm", "xx"):
            self.assertTrue(numeral_romano(romano), romano)
        for palavra in ("mil", "civil", "dim", "lid"):
            self.assertFalse(numeral_romano(palavra), palavra)

    def test_lista_de_exclusoes(self):
        exclusoes = ler_exclusoes()
        self.assertIn("merda", exclusoes)
        self.assertIn("paneleiro", exclusoes)
        for inocente in ("bicha", "preto", "cabra", "cigano", "tomate"):
            self.assertNotIn(inocente, exclusoes)


class Format(unittest.TestCase):
    def test_bom_crlf_seccoes_e_uma_linha_por_grelha(self):
        escolhidas = {"SE": ("se", True), "MAS": ("mas", True), "ISTMO": ("istmo", False)}
        texto = texto_da_lista(escolhidas)
        self.assertTrue(texto.startswith("\ufeff#"))
        self.assertTrue(texto.endswith("ISTMO\r\n"))
        self.assertNotIn("\n", texto.replace("\r\n", ""))
        linhas = texto[1:].split("\r\n")
        self.assertEqual(linhas[linhas.index("#SECCAO COMUNS") + 1:],
                         ["MAS", "SE", "#SECCAO RARAS", "ISTMO", ""])
        self.assertEqual(grelha("ação"), "ACAO")


if __name__ == "__main__":
    unittest.main()
