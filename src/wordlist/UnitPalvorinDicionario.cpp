#include "UnitPalvorinDicionario.hpp"

#include "UnitPalvorinErros.hpp"
#include "UnitPalvorinRecursos.hpp"
#include "UnitPalvorinSha256.hpp"
#include "UnitPalvorinTexto.hpp"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
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

// Upper-casing one character in, one character out, over Latin-1; other characters
// are refused by LetraAceite anyway and stay as they are.
char32_t Maiuscula(char32_t c) {
    if (c >= U'a' && c <= U'z')
        return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 32;
    return c;
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

// Windows-1252 bytes 80..9F; the rest of the code page is Latin-1.
constexpr char32_t CP1252_ALTOS[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

std::string DeUtf16(std::span<const std::uint8_t> ABytes, bool AGrandeFim) {
    std::string r;
    r.reserve(ABytes.size());
    const std::size_t pares = ABytes.size() / 2;
    auto unidade = [&](std::size_t k) -> char32_t {
        const std::uint8_t a = ABytes[2 * k], b = ABytes[2 * k + 1];
        return AGrandeFim ? (char32_t(a) << 8 | b) : (char32_t(b) << 8 | a);
    };
    for (std::size_t k = 0; k < pares; ++k) {
        const char32_t u = unidade(k);
        if (u >= 0xD800 && u <= 0xDBFF && k + 1 < pares) {
            const char32_t v = unidade(k + 1);
            if (v >= 0xDC00 && v <= 0xDFFF) {
                AcrescentarUtf8(r, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
                ++k;
                continue;
            }
        }
        // A lone surrogate becomes U+FFFD (AcrescentarUtf8 refuses surrogates).
        AcrescentarUtf8(r, u);
    }
    if (ABytes.size() % 2 != 0)
        AcrescentarUtf8(r, CARACTER_SUBSTITUTO);
    return r;
}

std::string DeCp1252(std::span<const std::uint8_t> ABytes) {
    std::string r;
    r.reserve(ABytes.size() + ABytes.size() / 8);
    for (const std::uint8_t b : ABytes)
        AcrescentarUtf8(r, b >= 0x80 && b < 0xA0 ? CP1252_ALTOS[b - 0x80] : char32_t(b));
    return r;
}

std::vector<std::uint8_t> LerFicheiro(const std::filesystem::path& ACaminho) {
    auto falha = [&] {
        return EPalvorin("Não foi possível ler o dicionário " + ACaminho.string() + ": " +
                         DescricaoDoErro(errno));
    };
    const int fd = ::open(ACaminho.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw falha();
    std::vector<std::uint8_t> bytes;
    std::uint8_t bloco[65536];
    for (;;) {
        const ssize_t n = ::read(fd, bloco, sizeof bloco);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const EPalvorin erro = falha();
            ::close(fd);
            throw erro;
        }
        if (n == 0)
            break;
        bytes.insert(bytes.end(), bloco, bloco + n);
    }
    ::close(fd);
    return bytes;
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

// ---- decoding ----

bool Utf8Valido(std::span<const std::uint8_t> ABytes, std::size_t AInicio) {
    std::size_t i = AInicio;
    const std::size_t n = ABytes.size();
    while (i < n) {
        const std::uint8_t b = ABytes[i];
        std::size_t seguintes;
        if (b < 0x80)
            seguintes = 0;
        else if (b >= 0xC2 && b <= 0xDF)
            seguintes = 1;
        else if (b >= 0xE0 && b <= 0xEF)
            seguintes = 2;
        else if (b >= 0xF0 && b <= 0xF4)
            seguintes = 3;
        else
            return false;
        if (seguintes > n - i - 1)
            return false;
        for (std::size_t k = 1; k <= seguintes; ++k)
            if ((ABytes[i + k] & 0xC0) != 0x80)
                return false;
        i += seguintes + 1;
    }
    return true;
}

std::string TextoDeBytes(std::span<const std::uint8_t> ABytes) {
    if (ABytes.empty())
        return {};
    if (ABytes.size() >= 2 && ABytes[0] == 0xFF && ABytes[1] == 0xFE)
        return DeUtf16(ABytes.subspan(2), false);
    if (ABytes.size() >= 2 && ABytes[0] == 0xFE && ABytes[1] == 0xFF)
        return DeUtf16(ABytes.subspan(2), true);
    const std::size_t inicio =
        ABytes.size() >= 3 && ABytes[0] == 0xEF && ABytes[1] == 0xBB && ABytes[2] == 0xBF ? 3 : 0;
    const auto resto = ABytes.subspan(inicio);
    if (!Utf8Valido(ABytes, inicio))
        return DeCp1252(resto);
    // Well-formed by the lead/continuation rule; overlong forms and encoded
    // surrogates still become U+FFFD so nothing invalid enters the program.
    const std::string_view bruto(reinterpret_cast<const char*>(resto.data()), resto.size());
    return SanearUtf8(bruto);
}

std::vector<std::string> DividirLinhas(std::string_view ATexto) {
    std::vector<std::string> linhas;
    std::size_t ini = 0;
    for (std::size_t i = 0; i < ATexto.size(); ++i) {
        if (ATexto[i] != '\r' && ATexto[i] != '\n')
            continue;
        linhas.emplace_back(ATexto.substr(ini, i - ini));
        if (ATexto[i] == '\r' && i + 1 < ATexto.size() && ATexto[i + 1] == '\n')
            ++i;
        ini = i + 1;
    }
    if (ini < ATexto.size())
        linhas.emplace_back(ATexto.substr(ini));
    return linhas;
}

// ---- letters ----

bool LetraAceite(char32_t ALetra) {
    if (ALetra >= U'A' && ALetra <= U'Z')
        return true;
    switch (ALetra) {
    case 0xC0:
    case 0xC1:
    case 0xC2:
    case 0xC3: // À Á Â Ã
    case 0xC7: // Ç
    case 0xC8:
    case 0xC9:
    case 0xCA: // È É Ê
    case 0xCD: // Í
    case 0xD3:
    case 0xD4:
    case 0xD5: // Ó Ô Õ
    case 0xDA:
    case 0xDC: // Ú Ü
        return true;
    default:
        return false;
    }
}

namespace {
char32_t SemAcento(char32_t c) {
    switch (c) {
    case 0xC0:
    case 0xC1:
    case 0xC2:
    case 0xC3:
        return U'A';
    case 0xC7:
        return U'C';
    case 0xC8:
    case 0xC9:
    case 0xCA:
        return U'E';
    case 0xCD:
        return U'I';
    case 0xD3:
    case 0xD4:
    case 0xD5:
        return U'O';
    case 0xDA:
    case 0xDC:
        return U'U';
    default:
        return c;
    }
}
} // namespace

std::u32string SemAcentos(std::u32string_view APalavra) {
    std::u32string r(APalavra);
    for (char32_t& c : r)
        c = SemAcento(c);
    return r;
}

int ContarBits(std::uint64_t AValor) {
    return std::popcount(AValor);
}
int BitMaisBaixo(std::uint64_t AValor) {
    return std::countr_zero(AValor);
}

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
    std::size_t numero = 0;
    for (const std::string& linha : ALinhas) {
        ++numero;
        const std::string_view s = ApararLinha(linha);
        if (s.empty())
            continue;
        if (s.front() == '#') {
            if (ComecaSemCaixa(s, "#SECCAO")) {
                if (ContemSemCaixa(s, "RARAS"))
                    comum = false;
                else if (ContemSemCaixa(s, "COMUNS"))
                    comum = true;
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
            }
            continue;
        }
        palavras.push_back(TPalavraDic{texto, grelha, comum});
    }
    FPalavras = OrdenadasPorGrelha(std::move(palavras));
    FComuns = static_cast<std::int32_t>(
        std::count_if(FPalavras.begin(), FPalavras.end(), [](const auto& p) { return p.Comum; }));
    ARel.Aceites = Total();
    ARel.Comuns = FComuns;
    ConstruirIndices();
}

void TDicionario::ConstruirIndices() {
    for (std::int32_t l = 0; l <= COMPRIMENTO_MAXIMO; ++l) {
        FGrupos[l] = TGrupoComprimento{};
        FMascarasComuns[l].clear();
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
    }
}

std::unique_ptr<TDicionario> CriarDicionario(const std::vector<std::string>& ALinhas,
                                             TRelatorioDic& ARel) {
    auto dic = std::make_unique<TDicionario>();
    dic->CarregarDeLinhas(ALinhas, ARel);
    return dic;
}

std::unique_ptr<TDicionario> CarregarDicionarioDeFicheiro(const std::filesystem::path& ACaminho,
                                                          TRelatorioDic& ARel) {
    std::error_code erro;
    if (!std::filesystem::exists(ACaminho, erro))
        throw EPalvorin("Dicionário não encontrado: " + ACaminho.string());
    const std::vector<std::uint8_t> bytes = LerFicheiro(ACaminho);
    auto dic = DicionarioDeBytes(bytes, ARel);
    ARel.Lista = {false, ACaminho.string(), Sha256Hex(bytes)};
    return dic;
}

std::unique_ptr<TDicionario> CarregarDicionario(const std::filesystem::path& APasta,
                                                TRelatorioDic& ARel) {
    if (const auto recurso = ProcurarRecurso("DICIONARIO")) {
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

TPalavraDic TDicionario::GetPalavra(std::int32_t AIndice) const {
    if (AIndice < 0 || AIndice >= Total())
        throw EPalvorin("TDicionario: índice de palavra fora do intervalo");
    return FPalavras[static_cast<std::size_t>(AIndice)];
}

std::int32_t TDicionario::ContarComprimento(std::int32_t AComprimento) const {
    const TGrupoComprimento* g = Grupo(AComprimento);
    return g ? static_cast<std::int32_t>(g->Indices.size()) : 0;
}

std::int32_t TDicionario::ContarComunsComprimento(std::int32_t AComprimento) const {
    const TGrupoComprimento* g = Grupo(AComprimento);
    if (!g)
        return 0;
    return static_cast<std::int32_t>(
        std::count_if(g->Indices.begin(), g->Indices.end(), [this](std::int32_t i) {
            return FPalavras[static_cast<std::size_t>(i)].Comum;
        }));
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
        throw EPalvorin("PalavraDoGrupo: fora do intervalo");
    return g->Indices[static_cast<std::size_t>(AJ)];
}

const TConjuntoBits& TDicionario::MascaraDaLetra(std::int32_t AComprimento, std::int32_t APosicao,
                                                 char ALetra) const {
    const TGrupoComprimento* g = Grupo(AComprimento);
    if (!g)
        return ConjuntoVazio();
    if (APosicao < 0 || APosicao >= AComprimento || ALetra < 'A' || ALetra > 'Z')
        throw EPalvorin("MascaraDaLetra: posição ou letra inválida");
    if (g->Indices.empty())
        return ConjuntoVazio();
    return g->Mascaras[static_cast<std::size_t>(APosicao) * LETRAS +
                       static_cast<std::size_t>(ALetra - 'A')];
}

const TConjuntoBits& TDicionario::MascaraComuns(std::int32_t AComprimento) const {
    return ComprimentoValido(AComprimento) ? FMascarasComuns[AComprimento] : ConjuntoVazio();
}

TConjuntoBits TDicionario::MascaraDoPadrao(std::string_view APadrao) const {
    for (const char c : APadrao)
        if (c != '?' && (c < 'A' || c > 'Z'))
            throw EPalvorin("Padrão inválido: " + std::string(APadrao));
    const auto l = static_cast<std::int32_t>(APadrao.size());
    const TGrupoComprimento* g = Grupo(l);
    if (!g || g->Indices.empty())
        return {};
    const std::size_t n = g->Indices.size();
    TConjuntoBits r(BlocosPara(n), ~std::uint64_t{0});
    if (n % 64 != 0)
        r.back() = (std::uint64_t{1} << (n % 64)) - 1;
    for (std::size_t p = 0; p < APadrao.size(); ++p) {
        if (APadrao[p] == '?')
            continue;
        const TConjuntoBits& m =
            g->Mascaras[p * LETRAS + static_cast<std::size_t>(APadrao[p] - 'A')];
        for (std::size_t b = 0; b < r.size(); ++b)
            r[b] &= m[b];
    }
    return r;
}

std::int32_t TDicionario::ContarPadrao(std::string_view APadrao) const {
    std::int32_t n = 0;
    for (const std::uint64_t w : MascaraDoPadrao(APadrao))
        n += ContarBits(w);
    return n;
}

std::vector<std::int32_t> TDicionario::PalavrasDoPadrao(std::string_view APadrao,
                                                        std::int32_t AMax) const {
    const TConjuntoBits mascara = MascaraDoPadrao(APadrao);
    std::vector<std::int32_t> r;
    if (AMax <= 0 || mascara.empty())
        return r;
    const TGrupoComprimento& g = FGrupos[APadrao.size()]; // a non-empty mask means a valid length
    for (std::size_t b = 0; b < mascara.size(); ++b) {
        for (std::uint64_t w = mascara[b]; w != 0; w &= w - 1) {
            r.push_back(g.Indices[b * 64 + static_cast<std::size_t>(BitMaisBaixo(w))]);
            if (static_cast<std::int32_t>(r.size()) == AMax)
                return r;
        }
    }
    return r;
}

} // namespace palvorin
