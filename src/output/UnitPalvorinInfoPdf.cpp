#include "UnitPalvorinInfoPdf.hpp"

#include "UnitPalvorinLerFicheiro.hpp"
#include "UnitPalvorinTexto.hpp"
#include "UnitPalvorinTipos.hpp"

#include <charconv>
#include <optional>
#include <string_view>

namespace palvorin {

namespace {

// Books of 100 puzzles are a few megabytes; this keeps a wrong file from filling memory.
constexpr std::uint64_t MAXIMO_BYTES = 256u << 20;
// What is kept of the dictionary: its entries are short lines, and a crafted one must not fill
// memory. A longer string is kept cut at the bound, so its reader sees it is too long.
constexpr std::size_t MAXIMO_TEXTO = 64 * 1024;
constexpr std::size_t MAXIMO_ENTRADAS = 64;

bool Espaco(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool Delimitador(char c) {
    return Espaco(c) || c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' ||
           c == '{' || c == '}' || c == '/' || c == '%';
}

// Text strings are UTF-16BE after a byte-order mark, UTF-8 after its mark (PDF 2.0), or
// single bytes, read here as Latin-1.
std::string TextoDeString(const std::string& ABytes) {
    if (ABytes.rfind("\xFE\xFF", 0) == 0)
        return Utf8DeUtf16(
            std::span(reinterpret_cast<const std::uint8_t*>(ABytes.data()), ABytes.size())
                .subspan(2),
            true);
    if (ABytes.rfind("\xEF\xBB\xBF", 0) == 0)
        return SanearUtf8(std::string_view(ABytes).substr(3));
    std::string texto;
    for (const char c : ABytes)
        AcrescentarUtf8(texto, static_cast<unsigned char>(c));
    return texto;
}

// Reads PDF objects from a position; every read stops at the end of the bytes.
class TLeitor {
public:
    TLeitor(std::string_view ATexto, std::size_t APos) : FTexto(ATexto), FPos(APos) {}

    void SaltarEspacos() {
        while (FPos < FTexto.size()) {
            if (FTexto[FPos] == '%') {
                while (FPos < FTexto.size() && FTexto[FPos] != '\n' && FTexto[FPos] != '\r')
                    ++FPos;
            } else if (Espaco(FTexto[FPos])) {
                ++FPos;
            } else {
                break;
            }
        }
    }
    bool Fim() const { return FPos >= FTexto.size(); }
    bool Comeca(std::string_view APrefixo) const {
        return FTexto.substr(FPos, APrefixo.size()) == APrefixo;
    }
    void Avancar(std::size_t AQuantos) { FPos += AQuantos; }

    std::string_view Palavra() {
        const std::size_t inicio = FPos;
        while (FPos < FTexto.size() && !Delimitador(FTexto[FPos]))
            ++FPos;
        return FTexto.substr(inicio, FPos - inicio);
    }

    std::optional<std::int64_t> Inteiro() {
        SaltarEspacos();
        const std::string_view palavra = Palavra();
        std::int64_t valor = 0;
        const auto [fim, erro] =
            std::from_chars(palavra.data(), palavra.data() + palavra.size(), valor);
        if (palavra.empty() || erro != std::errc{} || fim != palavra.data() + palavra.size())
            return std::nullopt;
        return valor;
    }

    // A literal string, at its opening parenthesis.
    std::string Literal() {
        std::string bytes;
        int profundidade = 0;
        for (++FPos; FPos < FTexto.size(); ++FPos) {
            const char c = FTexto[FPos];
            if (c == ')' && profundidade == 0) {
                ++FPos;
                break;
            }
            if (c == '(' || c == ')') {
                profundidade += c == '(' ? 1 : -1;
                Guardar(bytes, std::string_view(&c, 1));
            } else if (c == '\\' && FPos + 1 < FTexto.size()) {
                Guardar(bytes, Escape());
            } else {
                Guardar(bytes, std::string_view(&c, 1));
            }
        }
        return bytes;
    }

    // A hexadecimal string, at its "<".
    std::string Hexadecimal() {
        std::string bytes;
        int alto = -1;
        for (++FPos; FPos < FTexto.size() && FTexto[FPos] != '>'; ++FPos) {
            const int v = ValorHexadecimal(FTexto[FPos]);
            if (v < 0)
                continue;
            if (alto < 0) {
                alto = v;
            } else {
                const char c = static_cast<char>(alto * 16 + v);
                Guardar(bytes, std::string_view(&c, 1));
                alto = -1;
            }
        }
        if (alto >= 0) {
            const char c = static_cast<char>(alto * 16);
            Guardar(bytes, std::string_view(&c, 1));
        }
        ++FPos;
        return bytes;
    }

    // Passes over one value that is not a string: a name, number, keyword, array or
    // dictionary (nested ones counted, not recursed into).
    void SaltarValor() {
        int profundidade = 0;
        do {
            SaltarEspacos();
            if (Fim())
                return;
            if (Comeca("<<") || Comeca(">>")) {
                profundidade += Comeca("<<") ? 1 : -1;
                FPos += 2;
            } else if (Comeca("[") || Comeca("]")) {
                profundidade += Comeca("[") ? 1 : -1;
                ++FPos;
            } else if (Comeca("(")) {
                Literal();
            } else if (Comeca("<")) {
                Hexadecimal();
            } else if (Comeca("/")) {
                ++FPos;
                Palavra();
            } else if (Palavra().empty()) {
                ++FPos; // a stray delimiter
            }
        } while (profundidade > 0);
    }

private:
    static void Guardar(std::string& ABytes, std::string_view AMais) {
        if (ABytes.size() < MAXIMO_TEXTO)
            ABytes.append(AMais.substr(0, MAXIMO_TEXTO - ABytes.size()));
    }

    // The escape at FPos (a backslash); leaves FPos on its last character.
    std::string Escape() {
        const char c = FTexto[++FPos];
        switch (c) {
        case 'n':
            return "\n";
        case 'r':
            return "\r";
        case 't':
            return "\t";
        case 'b':
            return "\b";
        case 'f':
            return "\f";
        case '\r':
            if (FPos + 1 < FTexto.size() && FTexto[FPos + 1] == '\n')
                ++FPos;
            return "";
        case '\n':
            return "";
        default:
            break;
        }
        if (c < '0' || c > '7')
            return std::string(1, c);
        int valor = c - '0';
        for (int i = 0; i < 2 && FPos + 1 < FTexto.size() && FTexto[FPos + 1] >= '0' &&
                        FTexto[FPos + 1] <= '7';
             ++i)
            valor = valor * 8 + (FTexto[++FPos] - '0');
        return std::string(1, static_cast<char>(valor & 0xFF));
    }

    std::string_view FTexto;
    std::size_t FPos;
};

// Where object "N G obj" starts its body: the last such header, as a later update wins.
std::optional<std::size_t> InicioDoObjecto(std::string_view ATexto, std::int64_t ANumero,
                                           std::int64_t AGeracao) {
    const std::string cabecalho = std::to_string(ANumero) + " " + std::to_string(AGeracao) + " obj";
    for (std::size_t pos = ATexto.rfind(cabecalho); pos != std::string_view::npos;
         pos = pos == 0 ? std::string_view::npos : ATexto.rfind(cabecalho, pos - 1)) {
        const std::size_t fim = pos + cabecalho.size();
        if ((pos == 0 || Espaco(ATexto[pos - 1])) &&
            (fim == ATexto.size() || Delimitador(ATexto[fim])))
            return fim;
    }
    return std::nullopt;
}

} // namespace

std::map<std::string, std::string> LerInfoPdf(std::span<const std::uint8_t> ABytes) {
    const std::string_view texto(reinterpret_cast<const char*>(ABytes.data()), ABytes.size());
    std::map<std::string, std::string> info;
    // The trailer (or cross-reference stream) comes last and names the dictionary.
    const std::size_t referencia = texto.rfind("/Info");
    if (referencia == std::string_view::npos)
        return info;
    TLeitor leitorRef(texto, referencia + 5);
    const auto numero = leitorRef.Inteiro();
    const auto geracao = leitorRef.Inteiro();
    leitorRef.SaltarEspacos();
    if (!numero || !geracao || !leitorRef.Comeca("R"))
        return info;
    const auto inicio = InicioDoObjecto(texto, *numero, *geracao);
    if (!inicio)
        return info;

    TLeitor leitor(texto, *inicio);
    leitor.SaltarEspacos();
    if (!leitor.Comeca("<<"))
        return info;
    leitor.Avancar(2);
    for (;;) {
        leitor.SaltarEspacos();
        if (leitor.Fim() || leitor.Comeca(">>"))
            break;
        if (!leitor.Comeca("/")) {
            leitor.SaltarValor(); // the "0 R" of a reference, or damage
            continue;
        }
        leitor.Avancar(1);
        const std::string_view chave = leitor.Palavra();
        leitor.SaltarEspacos();
        if (info.size() >= MAXIMO_ENTRADAS || chave.size() > MAXIMO_TEXTO)
            leitor.SaltarValor();
        else if (leitor.Comeca("("))
            info[std::string(chave)] = TextoDeString(leitor.Literal());
        else if (leitor.Comeca("<") && !leitor.Comeca("<<"))
            info[std::string(chave)] = TextoDeString(leitor.Hexadecimal());
        else
            leitor.SaltarValor();
    }
    return info;
}

std::map<std::string, std::string> LerInfoDoFicheiroPdf(const std::filesystem::path& ACaminho) {
    const std::string nome = "«" + ACaminho.string() + "»";
    std::vector<std::uint8_t> bytes;
    try {
        bytes = LerFicheiroInteiro(ACaminho, MAXIMO_BYTES);
    } catch (const ELeitura& e) {
        throw EPalvorin("Não foi possível ler o ficheiro " + nome + ": " + e.what() + ".");
    }
    const std::string_view inicio(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (inicio.substr(0, 5) != "%PDF-")
        throw EPalvorin("O ficheiro " + nome + " não é um PDF.");
    return LerInfoPdf(bytes);
}

} // namespace palvorin
