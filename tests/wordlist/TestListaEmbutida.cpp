// The committed built-in list, loaded through the program's own loader: it must load
// whole and keep the sizes the generator counts on.
#include "Fixtures.hpp"

#include <bit>
#include <gtest/gtest.h>
#include <string>

using namespace palvorin;

namespace {

struct TListaCarregada {
    TRelatorioDic Rel;
    std::unique_ptr<TDicionario> Dic;
};

const TListaCarregada& Lista() {
    static const TListaCarregada lista = [] {
        TListaCarregada l;
        l.Dic = CarregarDicionario("/pasta/que/nao/existe", l.Rel);
        return l;
    }();
    return lista;
}

// The entry with board form AGrelha, or nullptr.
const TPalavraDic* Procurar(std::string_view AGrelha, TPalavraDic& AGuarda) {
    const auto i = Lista().Dic->IndiceDaGrelha(AGrelha);
    if (i < 0)
        return nullptr;
    AGuarda = Lista().Dic->Palavra(i);
    return &AGuarda;
}

// The common words of one length, counted from the index.
std::int32_t Comuns(std::int32_t AComprimento) {
    std::int32_t n = 0;
    for (const std::uint64_t bloco : Lista().Dic->MascaraComuns(AComprimento))
        n += std::popcount(bloco);
    return n;
}

} // namespace

TEST(ListaEmbutida, CarregaSemRejeicoesNemRepeticoes) {
    const auto& rel = Lista().Rel;
    EXPECT_EQ(rel.Rejeitadas, 0) << (rel.Detalhe.empty() ? "" : rel.Detalhe[0]);
    // the builder writes one line per board form, so nothing collapses on load
    EXPECT_EQ(rel.Repetidas, 0);
    EXPECT_EQ(rel.Lidas, rel.Aceites);
    EXPECT_EQ(rel.Aceites, Lista().Dic->Total());
    std::int32_t comuns = 0;
    for (std::int32_t l = COMPRIMENTO_MINIMO; l <= COMPRIMENTO_MAXIMO; ++l)
        comuns += Comuns(l);
    EXPECT_EQ(rel.Comuns, comuns);
}

TEST(ListaEmbutida, TemPalavrasSuficientes) {
    EXPECT_GE(Lista().Dic->Total(), 45000);
    EXPECT_GE(Lista().Rel.Comuns, 19000);
}

TEST(ListaEmbutida, SoTemLetrasPortuguesas) {
    const auto& d = *Lista().Dic;
    for (std::int32_t i = 0; i < d.Total(); ++i) {
        const auto p = d.Palavra(i);
        EXPECT_EQ(p.Grelha.find_first_of("KWY"), std::string::npos) << p.Texto;
        // no diaeresis or grave e: the 1990 agreement dropped them from Portuguese words
        EXPECT_EQ(p.Texto.find("Ü"), std::string::npos) << p.Texto;
        EXPECT_EQ(p.Texto.find("È"), std::string::npos) << p.Texto;
    }
}

TEST(ListaEmbutida, PalavrasConhecidasNaSecaoCerta) {
    struct TCaso {
        const char* Grelha;
        const char* Texto;
        bool Comum;
    };
    const TCaso casos[] = {
        {"CASA", "CASA", true},
        {"AGUA", "ÁGUA", true},
        {"FALAR", "FALAR", true},
        {"SOU", "SOU", true},
        {"VOU", "VOU", true},
        {"CANSADO", "CANSADO", true},
        {"OTIMO", "ÓTIMO", true},
        {"ACAO", "AÇÃO", true},
        {"RAPIDAMENTE", "RAPIDAMENTE", true},
        {"BICHA", "BICHA", true},
        {"PRETO", "PRETO", true},
        // written often enough though subtitles seldom say them; obscure words stay rare
        {"ISTMO", "ISTMO", true},
        {"IGLU", "IGLU", true},
        {"BESOIRAR", "BESOIRAR", false},
        {"DULCOROSO", "DULÇOROSO", false},
        // feminine and plural nouns of their own, numerals, headwords beside a masculine
        {"FILHA", "FILHA", true},
        {"FERIAS", "FÉRIAS", true},
        {"OCULOS", "ÓCULOS", true},
        {"SEIS", "SEIS", true},
        {"SAIDA", "SAÍDA", true},
        {"ZOO", "ZOO", true},
        // the spelling European readers use, and Brazilian usage left rare
        {"CARACTER", "CARÁCTER", true},
        {"VEREDICTO", "VEREDICTO", true},
        {"GELADEIRA", "GELADEIRA", false},
        {"LEGENDA", "LEGENDA", true}, // Brazilians say it more, but it is European too
        {"GRAMA", "GRAMA", true},
        {"XICARA", "XÍCARA", false},
        // two spellings on two board forms: the Brazilian one rare
        {"IMA", "IMÃ", false},
        {"IMAN", "ÍMAN", true},
        {"QUATORZE", "QUATORZE", false},
        {"CATORZE", "CATORZE", true},
        {"AMEM", "AMÉM", false},
        {"AMEN", "ÁMEN", true},
        // the editor's review: the form Portugal writes, Brazilian usage beside its European
        // word, short words readers do not take for words, everyday words the sources missed
        {"PRO", "PRÓ", true},
        {"SUFLE", "SUFLÉ", true},
        {"VARAL", "VARAL", false},
        {"ESTENDAL", "ESTENDAL", true},
        {"ELETRON", "ELÉTRON", false},
        {"ELETRAO", "ELETRÃO", true},
        {"MOR", "MOR", false},
        {"GANHADO", "GANHADO", false},
        {"SOGRA", "SOGRA", true},
        {"PRIMA", "PRIMA", true},
        {"COSTAS", "COSTAS", true},
    };
    for (const auto& c : casos) {
        TPalavraDic guarda;
        const auto* p = Procurar(c.Grelha, guarda);
        ASSERT_NE(p, nullptr) << c.Grelha;
        EXPECT_EQ(p->Texto, c.Texto);
        EXPECT_EQ(p->Comum, c.Comum) << c.Grelha;
    }
}

TEST(ListaEmbutida, NaoTemFormasFlexionadasEstrangeirasOuExcluidas) {
    // plurals, feminines, inflected verbs, a proper noun, a foreign word, pre-1990
    // spellings (acção and óptimo keep their c and p on the board), obscenities and slurs,
    // the less European of two spellings, made-up participles (abrido, escrevido), and what
    // the editor's review takes out: sexual and excretory words with their families, slurs,
    // malformed words, short words that are no words
    const char* ausentes[] = {
        "CASAS",     "BONITA",  "FALOU",     "FAZEMOS",       "LISBOA", "JOHN",       "ACCAO",
        "OPTIMO",    "MERDA",   "PORRA",     "AMORES",        "BOCHE",  "TETUDO",     "MONGOLICO",
        "CARATER",   "ABRIDO",  "ESCREVIDO", "ANAL",          "ANUS",   "FORNICACAO", "PILINHA",
        "RETARDADO", "QUATROS", "ADVIDO",    "VOLUBILIDADES", "ONIBUS", "SES",        "ICE"};
    for (const char* g : ausentes)
        EXPECT_LT(Lista().Dic->IndiceDaGrelha(g), 0) << g;
}
