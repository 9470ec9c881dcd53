#include "UnitPalvorinTema.hpp"

#include "UnitPalvorinDecodificacao.hpp"
#include "UnitPalvorinLerFicheiro.hpp"
#include "UnitPalvorinLetras.hpp"
#include "UnitPalvorinRecursos.hpp"
#include "UnitPalvorinSha256.hpp"
#include "UnitPalvorinTexto.hpp"

#include <cerrno>
#include <unordered_set>

namespace palvorin {

namespace {

struct TTemaEmbutido {
    std::string_view Nome;
    std::string_view Recurso;
};

constexpr TTemaEmbutido TEMAS_EMBUTIDOS[] = {
    {"Animais", recurso::TEMA_ANIMAIS},
    {"Comida e bebida", recurso::TEMA_COMIDA_E_BEBIDA},
    {"Desporto e jogos", recurso::TEMA_DESPORTO},
    {"Natureza", recurso::TEMA_NATUREZA},
    {"Casa", recurso::TEMA_CASA},
    {"Profissões e ferramentas", recurso::TEMA_PROFISSOES},
    {"Corpo e saúde", recurso::TEMA_CORPO_E_SAUDE},
    {"Viagens e transportes", recurso::TEMA_VIAGENS},
};

constexpr auto NOMES_EMBUTIDOS = [] {
    std::array<std::string_view, std::size(TEMAS_EMBUTIDOS)> nomes{};
    for (std::size_t i = 0; i < nomes.size(); ++i)
        nomes[i] = TEMAS_EMBUTIDOS[i].Nome;
    return nomes;
}();

// A name as it may be typed: capitals without accents, blanks, hyphens and underscores alike.
std::string NomeDobrado(std::string_view ANome) {
    std::string dobrado;
    for (std::size_t i = 0; i < ANome.size();) {
        const char32_t c = SemAcento(Maiuscula(LerPontoUtf8(ANome, i)));
        if (c == U'-' || c == U'_')
            AcrescentarUtf8(dobrado, U' ');
        else
            AcrescentarUtf8(dobrado, c);
    }
    return Aparar(dobrado);
}

} // namespace

TMascarasTema MascarasDoTema(const TDicionario& ADic, const std::vector<TPalavraDic>& APalavras) {
    std::vector<bool> doTema(static_cast<std::size_t>(ADic.Total()), false);
    for (const TPalavraDic& p : APalavras)
        if (const std::int32_t i = ADic.IndiceDaGrelha(p.Grelha); i >= 0)
            doTema[static_cast<std::size_t>(i)] = true;
    TMascarasTema mascaras;
    for (std::int32_t L = COMPRIMENTO_MINIMO; L <= COMPRIMENTO_MAXIMO; ++L) {
        const std::int32_t c = ADic.ContarComprimento(L);
        TConjuntoBits mascara((c + 63) / 64, 0);
        bool alguma = false;
        for (std::int32_t j = 0; j < c; ++j)
            if (doTema[static_cast<std::size_t>(ADic.PalavraDoGrupo(L, j))]) {
                mascara[j / 64] |= std::uint64_t{1} << (j % 64);
                alguma = true;
            }
        if (alguma)
            mascaras[L] = std::move(mascara);
    }
    return mascaras;
}

std::vector<std::string> PalavrasDoTemaNoPuzzle(const TTema& ATema, const TPuzzle& APuzzle) {
    std::unordered_set<std::string_view> doTema;
    for (const TPalavraDic& p : ATema.Palavras)
        doTema.insert(p.Grelha);
    std::vector<std::string> palavras;
    for (const TPalavraColocada& p : APuzzle.Palavras)
        if (doTema.contains(p.Grelha))
            palavras.push_back(p.Texto);
    return palavras;
}

std::unique_ptr<TDicionario> DicionarioComTema(const TDicionario& ADic,
                                               const std::vector<TPalavraDic>& APalavras) {
    std::vector<TPalavraDic> palavras;
    bool mudou = false;
    for (const TPalavraDic& p : APalavras) {
        const std::int32_t i = ADic.IndiceDaGrelha(p.Grelha);
        if (i >= 0 && ADic.Palavra(i).Comum)
            continue;
        if (!mudou) {
            palavras.reserve(static_cast<std::size_t>(ADic.Total()) + APalavras.size());
            for (std::int32_t k = 0; k < ADic.Total(); ++k)
                palavras.push_back(ADic.Palavra(k));
            mudou = true;
        }
        // As a list read with the theme in a common section after it: a rare word takes the
        // theme's spelling.
        if (i >= 0)
            palavras[static_cast<std::size_t>(i)] = TPalavraDic{p.Texto, p.Grelha, true, false};
        else
            palavras.push_back(TPalavraDic{p.Texto, p.Grelha, true, false});
    }
    if (!mudou)
        return nullptr;
    auto dic = std::make_unique<TDicionario>();
    dic->CarregarPalavras(std::move(palavras));
    return dic;
}

TTema TemaDeLinhas(const std::vector<std::string>& ALinhas, TRelatorioDic& ARel) {
    const auto lido = CriarDicionario(ALinhas, ARel);
    TTema tema;
    tema.Palavras.reserve(static_cast<std::size_t>(lido->Total()));
    for (std::int32_t i = 0; i < lido->Total(); ++i) {
        TPalavraDic p = lido->Palavra(i);
        p.Comum = true;
        p.Preferida = false;
        tema.Palavras.push_back(std::move(p));
    }
    return tema;
}

TTema LerTemaDeFicheiro(const std::filesystem::path& ACaminho, TRelatorioDic& ARel) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = LerFicheiroInteiro(ACaminho, TAMANHO_MAXIMO_LISTA);
    } catch (const ELeitura& e) {
        if (e.Erro() == ENOENT)
            throw EPalvorin("Tema não encontrado: «" + ACaminho.string() + "».");
        throw EPalvorin("Não foi possível ler o tema «" + ACaminho.string() + "»: " + e.what() +
                        ".");
    }
    return TemaDeBytes(bytes, ACaminho, ARel);
}

TTema TemaDeBytes(const std::vector<std::uint8_t>& ABytes, const std::filesystem::path& ACaminho,
                  TRelatorioDic& ARel) {
    TTema tema = TemaDeLinhas(DividirLinhas(TextoDeBytes(ABytes)), ARel);
    if (tema.Palavras.empty())
        throw EPalvorin("O tema «" + ACaminho.string() + "» não tem nenhuma palavra aceite.");
    tema.Nome = ACaminho.stem().string();
    tema.Embutido = false;
    tema.Ficheiro = ACaminho.string();
    tema.Sha256 = Sha256Hex(ABytes);
    return tema;
}

std::span<const std::string_view> NomesDosTemasEmbutidos() {
    return NOMES_EMBUTIDOS;
}

std::optional<TTema> TemaEmbutido(std::string_view ANome) {
    const std::string procurado = NomeDobrado(ANome);
    for (const TTemaEmbutido& embutido : TEMAS_EMBUTIDOS) {
        if (NomeDobrado(embutido.Nome) != procurado)
            continue;
        const auto bytes = ProcurarRecurso(embutido.Recurso);
        if (!bytes)
            return std::nullopt;
        TRelatorioDic rel;
        TTema tema = TemaDeLinhas(DividirLinhas(TextoDeBytes(*bytes)), rel);
        tema.Nome = std::string(embutido.Nome);
        tema.Sha256 = Sha256Hex(*bytes);
        return tema;
    }
    return std::nullopt;
}

} // namespace palvorin
