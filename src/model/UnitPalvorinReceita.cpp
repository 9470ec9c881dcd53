#include "UnitPalvorinReceita.hpp"

#include "UnitPalvorinOpcoesLivro.hpp"
#include "UnitPalvorinTexto.hpp"

#include <charconv>
#include <filesystem>
#include <vector>

namespace palvorin {

namespace {

constexpr std::string_view MARCA = "palvorin-receita";
constexpr std::string_view FORMATO = "1";

// Bounds on what a recipe may hold, well above anything this program writes: a recipe comes
// from a file that may come from anyone, and its text reaches messages.
constexpr std::size_t MAXIMO_RECEITA = 16 * 1024; // the whole line, as encoded
constexpr std::size_t MAXIMO_VERSAO = 32;
constexpr std::size_t MAXIMO_VALOR = 1024;    // bytes of an option's; its own rules come later
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

// The recipe's own fields, around the options' (OpcoesLivro), in the order they are written.
struct TCampoReceita {
    std::string_view Nome;
    std::string (*Escrever)(const TReceitaLivro&);
    bool (*Ler)(TReceitaLivro&, const std::string&); // false: not a valid value
    // Written only with a value, and may be missing: books without it keep their recipe.
    bool Opcional = false;
};

const TCampoReceita CAMPOS_ANTES[] = {
    {"versao", [](const TReceitaLivro& r) { return r.Versao; },
     [](TReceitaLivro& r, const std::string& v) {
         r.Versao = v;
         return VersaoValida(v);
     }},
    {"gerador", [](const TReceitaLivro& r) { return std::to_string(r.Gerador); },
     [](TReceitaLivro& r, const std::string& v) { return LerInteiro(v, r.Gerador); }},
};

const TCampoReceita CAMPOS_DEPOIS[] = {
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
    {"tema_sha256",
     [](const TReceitaLivro& r) {
         const auto& tema = r.Pedido.Tema;
         return tema && !tema->Embutido ? tema->Sha256 : std::string();
     },
     [](TReceitaLivro& r, const std::string& v) {
         if (!r.Pedido.Tema)
             r.Pedido.Tema.emplace();
         r.Pedido.Tema->Embutido = false;
         r.Pedido.Tema->Sha256 = v;
         return Sha256Valido(v);
     },
     true},
    // A built-in theme's words change between versions: the book says which it was made with.
    {"tema_embutido_sha256",
     [](const TReceitaLivro& r) {
         const auto& tema = r.Pedido.Tema;
         return tema && tema->Embutido ? tema->Sha256 : std::string();
     },
     [](TReceitaLivro& r, const std::string& v) {
         if (!r.Pedido.Tema)
             r.Pedido.Tema.emplace();
         r.Pedido.Tema->Sha256 = v;
         return r.Pedido.Tema->Embutido && Sha256Valido(v);
     },
     true},
    {"gerador_tema",
     [](const TReceitaLivro& r) {
         return r.Pedido.Tema ? std::to_string(r.GeradorTema) : std::string();
     },
     [](TReceitaLivro& r, const std::string& v) {
         return LerInteiro(v, r.GeradorTema) && r.GeradorTema > 0;
     },
     true},
};

// What made the themed books whose recipes do not say.
constexpr std::int32_t PRIMEIRO_GERADOR_TEMA = 1;

// Every field of a recipe, in the order they are written.
struct TCampo {
    std::string_view Nome;
    const TCampoReceita* Proprio = nullptr;
    const TOpcaoLivro* Opcao = nullptr;
};

std::vector<TCampo> Campos() {
    std::vector<TCampo> campos;
    for (const TCampoReceita& campo : CAMPOS_ANTES)
        campos.push_back({campo.Nome, &campo});
    for (const TOpcaoLivro& opcao : OpcoesLivro())
        if (!opcao.CampoReceita.empty())
            campos.push_back({opcao.CampoReceita, nullptr, &opcao});
    for (const TCampoReceita& campo : CAMPOS_DEPOIS)
        campos.push_back({campo.Nome, &campo});
    return campos;
}

std::optional<std::string> Escrever(const TCampo& ACampo, const TReceitaLivro& AReceita) {
    if (ACampo.Proprio) {
        std::string valor = ACampo.Proprio->Escrever(AReceita);
        if (ACampo.Proprio->Opcional && valor.empty())
            return std::nullopt;
        return valor;
    }
    return ACampo.Opcao->ValorNaReceita(AReceita.Pedido);
}

bool Ler(const TCampo& ACampo, TReceitaLivro& AReceita, const std::string& AValor) {
    if (ACampo.Proprio)
        return ACampo.Proprio->Ler(AReceita, AValor);
    if (AValor.size() > MAXIMO_VALOR)
        return false;
    // The empty value a book of default options writes (a book of any level) reads back as the
    // default.
    if (AValor.empty() && ACampo.Opcao->ValorNaReceita(TPedidoLivro{}) == std::string())
        return true;
    // A switch is written only when on.
    const bool interruptor = ACampo.Opcao->Tipo == TTipoOpcao::toInterruptor;
    if (interruptor ? AValor != VALOR_LIGADO : !ValorAceite(*ACampo.Opcao, AValor))
        return false;
    TArgumentosLivro argumentos{.Livro = AReceita.Pedido};
    ACampo.Opcao->Guardar(argumentos, interruptor ? "" : AValor);
    AReceita.Pedido = argumentos.Livro;
    return true;
}

// A field a book of default options leaves out may be missing.
bool PodeFaltar(const TCampo& ACampo) {
    if (ACampo.Proprio)
        return ACampo.Proprio->Opcional;
    return !ACampo.Opcao->ValorNaReceita(TPedidoLivro{});
}

// A theme file's field holds its path: the theme takes the file's name, as when it is read.
// A SHA-256 without a theme names nothing.
bool TemaCompleto(std::optional<TTema>& ATema) {
    if (!ATema)
        return true;
    if (ATema->Embutido)
        return !ATema->Nome.empty();
    if (ATema->Nome.empty())
        return false;
    ATema->Ficheiro = ATema->Nome;
    ATema->Nome = std::filesystem::path(ATema->Ficheiro).stem().string();
    return true;
}

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
    for (const TCampo& campo : Campos())
        if (const auto valor = Escrever(campo, AReceita))
            texto += "; " + std::string(campo.Nome) + "=" + Percentagem(*valor);
    return texto;
}

std::string ResumoDaReceita(const TReceitaLivro& AReceita) {
    const TPedidoLivro& c = AReceita.Pedido;
    std::string texto = "Livro de " + std::to_string(c.NumPuzzles) +
                        (c.NumPuzzles == 1 ? " puzzle" : " puzzles") + " de " +
                        TextoDoTamanho(c.Lado) + ", semente " + std::to_string(c.Semente);
    for (const std::string& escolha : EscolhasNomeadas(c, {"formato ", "páginas para gráfica"}))
        texto += ", " + escolha;
    if (!c.Titulo.empty())
        texto += ", título «" + c.Titulo + "»";
    texto += AReceita.Lista.Embutida ? ", lista de palavras do programa"
                                     : ", lista de palavras «" + AReceita.Lista.Ficheiro + "»";
    texto += " (SHA-256 " + AReceita.Lista.Sha256 + ")";
    if (const auto& tema = c.Tema)
        texto += tema->Embutido
                     ? ", tema «" + tema->Nome + "»"
                     : ", tema do ficheiro «" + tema->Ficheiro + "» (SHA-256 " + tema->Sha256 + ")";
    return texto + ", feito com o Palvorin " + AReceita.Versao +
           ". Para o refazer: palvorin-livro --refazer <este ficheiro>.";
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
    receita.GeradorTema = PRIMEIRO_GERADOR_TEMA;
    const std::vector<TCampo> campos = Campos();
    std::vector<bool> lidos(campos.size(), false);
    for (std::size_t i = 1; i < pares.size(); ++i) {
        const std::size_t igual = pares[i].find('=');
        const std::string_view nome = pares[i].substr(0, igual);
        std::size_t k = 0;
        while (k < campos.size() && campos[k].Nome != nome)
            ++k;
        if (k == campos.size())
            throw EPalvorin("A receita do livro tem um campo que esta versão não conhece: «" +
                            NomeMostrado(nome) + "».");
        if (igual == std::string_view::npos || lidos[k])
            throw Danificada(nome);
        const auto valor = SemPercentagem(pares[i].substr(igual + 1));
        // No text of a recipe holds a NUL: one would cut a path short where it is opened.
        if (!valor || valor->find('\0') != std::string::npos || !Ler(campos[k], receita, *valor))
            throw Danificada(nome);
        lidos[k] = true;
    }
    for (std::size_t k = 0; k < campos.size(); ++k)
        if (!lidos[k] && !PodeFaltar(campos[k]))
            throw Danificada(campos[k].Nome);
    // A list file has a name; the built-in list has none.
    if (receita.Lista.Embutida != receita.Lista.Ficheiro.empty())
        throw Danificada("ficheiro");
    if (!TemaCompleto(receita.Pedido.Tema))
        throw Danificada("tema");
    if (!receita.Pedido.Tema) {
        for (std::size_t k = 0; k < campos.size(); ++k)
            if (lidos[k] && campos[k].Nome == "gerador_tema")
                throw Danificada(campos[k].Nome);
        receita.GeradorTema = REVISAO_GERADOR_TEMA;
    }
    return receita;
}

} // namespace palvorin
