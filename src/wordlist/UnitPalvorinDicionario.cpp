#include "UnitPalvorinDicionario.hpp"

#include "UnitPalvorinLerFicheiro.hpp"
#include "UnitPalvorinRecursos.hpp"
#include "UnitPalvorinSha256.hpp"
#include "UnitPalvorinTexto.hpp"

#include <algorithm>
#include <cerrno>
#include <unordered_map>

namespace palvorin {

namespace {

constexpr int LETRAS = 26;

bool ComprimentoValido(std::int32_t AComprimento) {
    return AComprimento >= COMPRIMENTO_MINIMO && AComprimento <= COMPRIMENTO_MAXIMO;
}

std::size_t BlocosPara(std::size_t APalavras) {
    return (APalavras + 63) / 64;
}

const TConjuntoBits& ConjuntoVazio() {
    static const TConjuntoBits vazio;
    return vazio;
}

char MaiusculaAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

bool ComecaSemCaixa(std::string_view ATexto, std::string_view APrefixo) {
    if (ATexto.size() < APrefixo.size())
        return false;
    for (std::size_t i = 0; i < APrefixo.size(); ++i)
        if (MaiusculaAscii(ATexto[i]) != APrefixo[i])
            return false;
    return true;
}

bool ContemSemCaixa(std::string_view ATexto, std::string_view AProcura) {
    const auto it = std::search(ATexto.begin(), ATexto.end(), AProcura.begin(), AProcura.end(),
                                [](char a, char b) { return MaiusculaAscii(a) == b; });
    return it != ATexto.end();
}

// Word lines lose only codes 0 to 32: a no-break space or a C1 control is refused, not trimmed.
std::string_view ApararLinha(std::string_view ALinha) {
    std::size_t ini = 0, fim = ALinha.size();
    while (ini < fim && static_cast<unsigned char>(ALinha[ini]) <= 32)
        ++ini;
    while (fim > ini && static_cast<unsigned char>(ALinha[fim - 1]) <= 32)
        --fim;
    return ALinha.substr(ini, fim - ini);
}

void RegistarRejeicao(TRelatorioDic& ARel, std::size_t ALinha, std::string_view ATexto,
                      std::string_view AMotivo) {
    ++ARel.Rejeitadas;
    if (static_cast<std::int32_t>(ARel.Detalhe.size()) < MAX_DETALHE)
        ARel.Detalhe.push_back("linha " + std::to_string(ALinha) + ": \u00AB" +
                               std::string(ATexto) + "\u00BB - " + std::string(AMotivo));
}

std::unique_ptr<TDicionario> DicionarioDeBytes(std::span<const std::uint8_t> ABytes,
                                               TRelatorioDic& ARel) {
    return CriarDicionario(DividirLinhas(TextoDeBytes(ABytes)), ARel);
}

// A board form of at most 15 letters A-Z packed 5 bits a letter (A = 1), first
// letter highest and unused places 0: integer order is then ordinal order, with a
// proper prefix first. 75 bits: GCC's 128-bit integer, marked as the extension it is.
__extension__ typedef unsigned __int128 TChaveOrdinal;

TChaveOrdinal ChaveOrdinal(std::string_view AGrelha) {
    TChaveOrdinal chave = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(COMPRIMENTO_MAXIMO); ++i)
        chave =
            (chave << 5) | (i < AGrelha.size() ? static_cast<unsigned>(AGrelha[i] - 'A' + 1) : 0u);
    return chave;
}

std::vector<TPalavraDic> OrdenadasPorGrelha(std::vector<TPalavraDic> APalavras) {
    std::vector<std::pair<TChaveOrdinal, std::uint32_t>> chaves;
    chaves.reserve(APalavras.size());
    for (std::size_t i = 0; i < APalavras.size(); ++i)
        chaves.emplace_back(ChaveOrdinal(APalavras[i].Grelha), static_cast<std::uint32_t>(i));
    std::sort(chaves.begin(), chaves.end());
    std::vector<TPalavraDic> r;
    r.reserve(APalavras.size());
    for (const auto& [chave, i] : chaves)
        r.push_back(std::move(APalavras[i]));
    return r;
}

} // namespace

// ---- loading ----

TDicionario::TDicionario() {
    ConstruirIndices();
}

void TDicionario::CarregarDeLinhas(const std::vector<std::string>& ALinhas, TRelatorioDic& ARel) {
    ARel = TRelatorioDic{};
    std::vector<TPalavraDic> palavras;
    palavras.reserve(ALinhas.size());
    std::unordered_map<std::string, std::size_t> posicoes;
    posicoes.reserve(ALinhas.size());
    std::string texto, grelha;
    bool comum = true;
    bool preferida = false;
    std::size_t numero = 0;
    for (const std::string& linha : ALinhas) {
        ++numero;
        const std::string_view s = ApararLinha(linha);
        if (s.empty())
            continue;
        if (s.front() == '#') {
            if (ComecaSemCaixa(s, "#SECCAO")) {
                const bool rara = ContemSemCaixa(s, "RARAS");
                if (rara || ContemSemCaixa(s, "COMUNS")) {
                    comum = !rara;
                    preferida = ContemSemCaixa(s, "PREFERIDAS");
                }
            }
            continue;
        }
        ++ARel.Lidas;
        // One pass: upper-case, check and map each character.
        texto.clear();
        grelha.clear();
        bool letras = true;
        for (std::size_t i = 0; i < s.size() && letras;) {
            const char32_t c = Maiuscula(LerPontoUtf8(s, i));
            letras = LetraAceite(c);
            AcrescentarUtf8(texto, c);
            grelha += static_cast<char>(SemAcento(c));
        }
        if (!letras) {
            RegistarRejeicao(ARel, numero, s, "tem algo que não é letra");
            continue;
        }
        if (grelha.size() < COMPRIMENTO_MINIMO || grelha.size() > COMPRIMENTO_MAXIMO) {
            RegistarRejeicao(ARel, numero, s,
                             "comprimento fora de " + std::to_string(COMPRIMENTO_MINIMO) + " a " +
                                 std::to_string(COMPRIMENTO_MAXIMO) + " letras");
            continue;
        }
        const auto [it, novo] = posicoes.try_emplace(grelha, palavras.size());
        if (!novo) {
            ++ARel.Repetidas;
            TPalavraDic& existente = palavras[it->second];
            if (comum && !existente.Comum) {
                existente.Texto = texto;
                existente.Comum = true;
                existente.Preferida = preferida;
            } else if (comum == existente.Comum) {
                existente.Preferida = existente.Preferida || preferida;
            }
            continue;
        }
        palavras.push_back(TPalavraDic{texto, grelha, comum, preferida});
    }
    CarregarPalavras(std::move(palavras));
    ARel.Aceites = Total();
    ARel.Comuns = static_cast<std::int32_t>(
        std::count_if(FPalavras.begin(), FPalavras.end(), [](const auto& p) { return p.Comum; }));
}

void TDicionario::CarregarPalavras(std::vector<TPalavraDic> APalavras) {
    FPalavras = OrdenadasPorGrelha(std::move(APalavras));
    ConstruirIndices();
}

void TDicionario::ConstruirIndices() {
    for (std::int32_t l = 0; l <= COMPRIMENTO_MAXIMO; ++l) {
        FGrupos[l] = TGrupoComprimento{};
        FMascarasComuns[l].clear();
        FMascarasPreferidas[l].clear();
        FTemPreferidas[l] = false;
    }
    std::array<std::size_t, COMPRIMENTO_MAXIMO + 1> contagem{};
    for (const TPalavraDic& p : FPalavras)
        ++contagem[p.Grelha.size()];
    for (std::int32_t l = COMPRIMENTO_MINIMO; l <= COMPRIMENTO_MAXIMO; ++l) {
        const std::size_t n = contagem[l];
        FGrupos[l].Indices.reserve(n);
        if (n > 0)
            FGrupos[l].Mascaras.assign(static_cast<std::size_t>(l) * LETRAS,
                                       TConjuntoBits(BlocosPara(n), 0));
        FMascarasComuns[l].assign(BlocosPara(n), 0);
        FMascarasPreferidas[l].assign(BlocosPara(n), 0);
    }
    // One walk: every word lands in its group in ascending index order.
    for (std::size_t i = 0; i < FPalavras.size(); ++i) {
        const TPalavraDic& p = FPalavras[i];
        TGrupoComprimento& grupo = FGrupos[p.Grelha.size()];
        const std::size_t j = grupo.Indices.size();
        grupo.Indices.push_back(static_cast<std::int32_t>(i));
        const std::uint64_t bit = std::uint64_t{1} << (j % 64);
        for (std::size_t pos = 0; pos < p.Grelha.size(); ++pos)
            grupo.Mascaras[pos * LETRAS + static_cast<std::size_t>(p.Grelha[pos] - 'A')][j / 64] |=
                bit;
        if (p.Comum)
            FMascarasComuns[p.Grelha.size()][j / 64] |= bit;
        if (p.Preferida) {
            FMascarasPreferidas[p.Grelha.size()][j / 64] |= bit;
            FTemPreferidas[p.Grelha.size()] = true;
        }
    }
}

std::unique_ptr<TDicionario> CriarDicionario(const std::vector<std::string>& ALinhas,
                                             TRelatorioDic& ARel) {
    auto dic = std::make_unique<TDicionario>();
    dic->CarregarDeLinhas(ALinhas, ARel);
    return dic;
}

std::vector<std::uint8_t> LerFicheiroDaLista(const std::filesystem::path& ACaminho) {
    try {
        return LerFicheiroInteiro(ACaminho, TAMANHO_MAXIMO_LISTA);
    } catch (const ELeitura& e) {
        if (e.Erro() == ENOENT)
            throw EPalvorin("Dicionário não encontrado: «" + ACaminho.string() + "».");
        throw EPalvorin("Não foi possível ler o dicionário «" + ACaminho.string() +
                        "»: " + e.what() + ".");
    }
}

std::unique_ptr<TDicionario> CarregarDicionarioDeBytes(std::span<const std::uint8_t> ABytes,
                                                       const std::filesystem::path& ACaminho,
                                                       TRelatorioDic& ARel) {
    auto dic = DicionarioDeBytes(ABytes, ARel);
    ARel.Lista = {false, ACaminho.string(), Sha256Hex(ABytes)};
    return dic;
}

std::unique_ptr<TDicionario> CarregarDicionarioDeFicheiro(const std::filesystem::path& ACaminho,
                                                          TRelatorioDic& ARel) {
    return CarregarDicionarioDeBytes(LerFicheiroDaLista(ACaminho), ACaminho, ARel);
}

std::unique_ptr<TDicionario> CarregarDicionario(const std::filesystem::path& APasta,
                                                TRelatorioDic& ARel) {
    if (const auto recurso = ProcurarRecurso(recurso::DICIONARIO)) {
        auto dic = DicionarioDeBytes(*recurso, ARel);
        ARel.Lista = {true, "", Sha256Hex(*recurso)};
        return dic;
    }
    // operator/ adds the delimiter only when the folder lacks one.
    return CarregarDicionarioDeFicheiro(APasta / "Dicionario.txt", ARel);
}

// ---- queries ----

const TGrupoComprimento* TDicionario::Grupo(std::int32_t AComprimento) const {
    return ComprimentoValido(AComprimento) ? &FGrupos[AComprimento] : nullptr;
}

const TPalavraDic& TDicionario::Palavra(std::int32_t AIndice) const {
    if (AIndice < 0 || AIndice >= Total())
        throw EInterno("TDicionario: índice de palavra fora do intervalo");
    return FPalavras[static_cast<std::size_t>(AIndice)];
}

std::int32_t TDicionario::ContarComprimento(std::int32_t AComprimento) const {
    const TGrupoComprimento* g = Grupo(AComprimento);
    return g ? static_cast<std::int32_t>(g->Indices.size()) : 0;
}

std::int32_t TDicionario::IndiceDaGrelha(std::string_view AGrelha) const {
    std::int32_t lo = 0, hi = Total() - 1;
    while (lo <= hi) {
        const std::int32_t mid = lo + (hi - lo) / 2;
        const int cmp =
            std::string_view(FPalavras[static_cast<std::size_t>(mid)].Grelha).compare(AGrelha);
        if (cmp == 0)
            return mid;
        if (cmp < 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return -1;
}

std::int32_t TDicionario::PalavraDoGrupo(std::int32_t AComprimento, std::int32_t AJ) const {
    const TGrupoComprimento* g = Grupo(AComprimento);
    if (!g || AJ < 0 || AJ >= static_cast<std::int32_t>(g->Indices.size()))
        throw EInterno("PalavraDoGrupo: fora do intervalo");
    return g->Indices[static_cast<std::size_t>(AJ)];
}

const TConjuntoBits& TDicionario::MascaraDaLetra(std::int32_t AComprimento, std::int32_t APosicao,
                                                 char ALetra) const {
    const TGrupoComprimento* g = Grupo(AComprimento);
    if (!g)
        return ConjuntoVazio();
    if (APosicao < 0 || APosicao >= AComprimento || ALetra < 'A' || ALetra > 'Z')
        throw EInterno("MascaraDaLetra: posição ou letra inválida");
    if (g->Indices.empty())
        return ConjuntoVazio();
    return g->Mascaras[static_cast<std::size_t>(APosicao) * LETRAS +
                       static_cast<std::size_t>(ALetra - 'A')];
}

const TConjuntoBits& TDicionario::MascaraComuns(std::int32_t AComprimento) const {
    return ComprimentoValido(AComprimento) ? FMascarasComuns[AComprimento] : ConjuntoVazio();
}

const TConjuntoBits& TDicionario::MascaraPreferidas(std::int32_t AComprimento) const {
    return ComprimentoValido(AComprimento) ? FMascarasPreferidas[AComprimento] : ConjuntoVazio();
}

bool TDicionario::TemPreferidas(std::int32_t AComprimento) const {
    return ComprimentoValido(AComprimento) && FTemPreferidas[AComprimento];
}

} // namespace palvorin
