#include "UnitPalvorinReceita.hpp"

#include "UnitPalvorinTexto.hpp"

#include <charconv>
#include <vector>

namespace palvorin {

namespace {

constexpr std::string_view MARCA = "palvorin-receita";
constexpr std::string_view FORMATO = "1";

// Bounds on what a recipe may hold, well above anything this program writes: a recipe comes
// from a file that may come from anyone, and its text reaches messages.
constexpr std::size_t MAXIMO_RECEITA = 16 * 1024; // the whole line, as encoded
constexpr std::size_t MAXIMO_VERSAO = 32;
constexpr std::size_t MAXIMO_TITULO = 1024;   // bytes; the title's own rules come later
constexpr std::size_t MAXIMO_FICHEIRO = 4096; // a path the system can open
constexpr std::size_t MAXIMO_NOME_MOSTRADO = 40;

bool VersaoValida(const std::string& AVersao) {
    if (AVersao.empty() || AVersao.size() > MAXIMO_VERSAO)
        return false;
    for (const char c : AVersao)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
              c == '.' || c == '-' || c == '+' || c == '~'))
            return false;
    return true;
}

bool Sha256Valido(const std::string& ASoma) {
    if (ASoma.size() != 64)
        return false;
    for (const char c : ASoma)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

std::string Percentagem(std::string_view ATexto) {
    static const char HEX[] = "0123456789ABCDEF";
    std::string texto;
    for (const char c : ATexto) {
        const auto u = static_cast<unsigned char>(c);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~') {
            texto += c;
        } else {
            texto += '%';
            texto += HEX[u >> 4];
            texto += HEX[u & 0xF];
        }
    }
    return texto;
}

std::optional<std::string> SemPercentagem(std::string_view ATexto) {
    std::string texto;
    for (std::size_t i = 0; i < ATexto.size(); ++i) {
        if (ATexto[i] != '%') {
            texto += ATexto[i];
            continue;
        }
        if (i + 2 >= ATexto.size())
            return std::nullopt;
        const int alto = ValorHexadecimal(ATexto[i + 1]);
        const int baixo = ValorHexadecimal(ATexto[i + 2]);
        if (alto < 0 || baixo < 0)
            return std::nullopt;
        texto += static_cast<char>(alto * 16 + baixo);
        i += 2;
    }
    return texto;
}

template <typename TInteiro> bool LerInteiro(const std::string& ATexto, TInteiro& AValor) {
    const char* fim = ATexto.data() + ATexto.size();
    const auto [resto, erro] = std::from_chars(ATexto.data(), fim, AValor);
    return !ATexto.empty() && erro == std::errc{} && resto == fim;
}

struct TCampoReceita {
    std::string_view Nome;
    std::string (*Escrever)(const TReceitaLivro&);
    bool (*Ler)(TReceitaLivro&, const std::string&); // false: not a valid value
};

// Every field of a recipe, in the order they are written. An option that changes the book
// adds its row here, and nowhere else.
// A book of one level records the level's plain name; a book of any level, nothing.
constexpr std::string_view IDS_DOS_NIVEIS[] = {"facil", "medio", "dificil"};

std::string IdDoNivel(const std::optional<TNivelDificuldade>& ANivel) {
    return ANivel ? std::string(IDS_DOS_NIVEIS[static_cast<std::size_t>(*ANivel)]) : "";
}

bool LerNivel(const std::string& AValor, std::optional<TNivelDificuldade>& ANivel) {
    if (AValor.empty()) {
        ANivel.reset();
        return true;
    }
    for (std::size_t i = 0; i < std::size(IDS_DOS_NIVEIS); ++i)
        if (AValor == IDS_DOS_NIVEIS[i]) {
            ANivel = static_cast<TNivelDificuldade>(i);
            return true;
        }
    return false;
}

const TCampoReceita CAMPOS[] = {
    {"versao", [](const TReceitaLivro& r) { return r.Versao; },
     [](TReceitaLivro& r, const std::string& v) {
         r.Versao = v;
         return VersaoValida(v);
     }},
    {"gerador", [](const TReceitaLivro& r) { return std::to_string(r.Gerador); },
     [](TReceitaLivro& r, const std::string& v) { return LerInteiro(v, r.Gerador); }},
    {"lado", [](const TReceitaLivro& r) { return std::to_string(r.Config.Lado); },
     [](TReceitaLivro& r, const std::string& v) { return LerInteiro(v, r.Config.Lado); }},
    {"puzzles", [](const TReceitaLivro& r) { return std::to_string(r.Config.NumPuzzles); },
     [](TReceitaLivro& r, const std::string& v) { return LerInteiro(v, r.Config.NumPuzzles); }},
    {"semente", [](const TReceitaLivro& r) { return std::to_string(r.Config.Semente); },
     [](TReceitaLivro& r, const std::string& v) { return LerInteiro(v, r.Config.Semente); }},
    {"nivel", [](const TReceitaLivro& r) { return IdDoNivel(r.Config.Nivel); },
     [](TReceitaLivro& r, const std::string& v) { return LerNivel(v, r.Config.Nivel); }},
    {"titulo", [](const TReceitaLivro& r) { return r.Config.Titulo; },
     [](TReceitaLivro& r, const std::string& v) {
         r.Config.Titulo = v;
         return v.size() <= MAXIMO_TITULO;
     }},
    {"lista",
     [](const TReceitaLivro& r) { return std::string(r.Lista.Embutida ? "embutida" : "ficheiro"); },
     [](TReceitaLivro& r, const std::string& v) {
         r.Lista.Embutida = v == "embutida";
         return v == "embutida" || v == "ficheiro";
     }},
    {"ficheiro", [](const TReceitaLivro& r) { return r.Lista.Ficheiro; },
     [](TReceitaLivro& r, const std::string& v) {
         r.Lista.Ficheiro = v;
         return v.size() <= MAXIMO_FICHEIRO;
     }},
    {"sha256", [](const TReceitaLivro& r) { return r.Lista.Sha256; },
     [](TReceitaLivro& r, const std::string& v) {
         r.Lista.Sha256 = v;
         return Sha256Valido(v);
     }},
};

std::string_view Aparado(std::string_view ATexto) {
    while (!ATexto.empty() && ATexto.front() == ' ')
        ATexto.remove_prefix(1);
    while (!ATexto.empty() && ATexto.back() == ' ')
        ATexto.remove_suffix(1);
    return ATexto;
}

// A field's name as a message shows it: a long one is cut.
std::string NomeMostrado(std::string_view ANome) {
    if (ANome.size() <= MAXIMO_NOME_MOSTRADO)
        return std::string(ANome);
    return std::string(ANome.substr(0, MAXIMO_NOME_MOSTRADO)) + "\u2026";
}

EPalvorin Danificada(std::string_view ACampo) {
    return EPalvorin("A receita do livro está danificada (campo «" + NomeMostrado(ACampo) + "»).");
}

} // namespace

std::string TextoDaReceita(const TReceitaLivro& AReceita) {
    std::string texto = std::string(MARCA) + "=" + std::string(FORMATO);
    for (const TCampoReceita& campo : CAMPOS)
        texto += "; " + std::string(campo.Nome) + "=" + Percentagem(campo.Escrever(AReceita));
    return texto;
}

std::string ResumoDaReceita(const TReceitaLivro& AReceita) {
    const TConfigLivro& c = AReceita.Config;
    std::string texto = "Livro de " + std::to_string(c.NumPuzzles) +
                        (c.NumPuzzles == 1 ? " puzzle" : " puzzles") + " de " +
                        TextoDoTamanho(c.Lado) + ", semente " + std::to_string(c.Semente);
    if (c.Nivel)
        texto += ", nível " + TextoDoNivel(*c.Nivel);
    if (!c.Titulo.empty())
        texto += ", título «" + c.Titulo + "»";
    texto += AReceita.Lista.Embutida ? ", lista de palavras do programa"
                                     : ", lista de palavras «" + AReceita.Lista.Ficheiro + "»";
    return texto + " (SHA-256 " + AReceita.Lista.Sha256 + "), feito com o Palvorin " +
           AReceita.Versao + ". Para o refazer: palvorin-livro --refazer <este ficheiro>.";
}

std::optional<TReceitaLivro> LerReceita(std::string_view ATexto) {
    const std::string marca = std::string(MARCA) + "=";
    if (Aparado(ATexto).substr(0, marca.size()) != marca)
        return std::nullopt;
    if (ATexto.size() > MAXIMO_RECEITA)
        throw EPalvorin("A receita do livro está danificada (longa demais).");
    std::vector<std::string_view> pares;
    for (std::size_t inicio = 0; inicio <= ATexto.size();) {
        std::size_t fim = ATexto.find(';', inicio);
        if (fim == std::string_view::npos)
            fim = ATexto.size();
        pares.push_back(Aparado(ATexto.substr(inicio, fim - inicio)));
        inicio = fim + 1;
    }
    if (pares.front().substr(marca.size()) != FORMATO)
        throw EPalvorin("A receita do livro tem um formato que esta versão não conhece.");

    TReceitaLivro receita;
    std::vector<bool> lidos(std::size(CAMPOS), false);
    for (std::size_t i = 1; i < pares.size(); ++i) {
        const std::size_t igual = pares[i].find('=');
        const std::string_view nome = pares[i].substr(0, igual);
        std::size_t k = 0;
        while (k < std::size(CAMPOS) && CAMPOS[k].Nome != nome)
            ++k;
        if (k == std::size(CAMPOS))
            throw EPalvorin("A receita do livro tem um campo que esta versão não conhece: «" +
                            NomeMostrado(nome) + "».");
        if (igual == std::string_view::npos || lidos[k])
            throw Danificada(nome);
        const auto valor = SemPercentagem(pares[i].substr(igual + 1));
        // No text of a recipe holds a NUL: one would cut a path short where it is opened.
        if (!valor || valor->find('\0') != std::string::npos || !CAMPOS[k].Ler(receita, *valor))
            throw Danificada(nome);
        lidos[k] = true;
    }
    for (std::size_t k = 0; k < std::size(CAMPOS); ++k)
        if (!lidos[k])
            throw Danificada(CAMPOS[k].Nome);
    // A list file has a name; the built-in list has none.
    if (receita.Lista.Embutida != receita.Lista.Ficheiro.empty())
        throw Danificada("ficheiro");
    return receita;
}

} // namespace palvorin
