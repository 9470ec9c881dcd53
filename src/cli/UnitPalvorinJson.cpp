#include "UnitPalvorinJson.hpp"

#include "UnitPalvorinTema.hpp"
#include "UnitPalvorinTexto.hpp"
#include "UnitPalvorinVersao.hpp"

namespace palvorin {

namespace {

const char* Booleano(bool AValor) {
    return AValor ? "true" : "false";
}

template <typename T, typename TEscrever>
void Lista(std::ostream& ASaida, const std::vector<T>& AItens, TEscrever AEscrever) {
    ASaida << '[';
    for (std::size_t i = 0; i < AItens.size(); ++i) {
        if (i > 0)
            ASaida << ',';
        AEscrever(AItens[i]);
    }
    ASaida << ']';
}

void EscreverPuzzle(std::ostream& ASaida, const TPuzzle& APuzzle,
                    const std::optional<TTema>& ATema) {
    ASaida << "{\"lado\":" << APuzzle.Lado << ",\"letras\":" << TextoJson(APuzzle.Letras)
           << ",\"ranhuras\":";
    Lista(ASaida, APuzzle.Ranhuras, [&](const TRanhura& r) {
        ASaida << "{\"linha\":" << r.Linha << ",\"coluna\":" << r.Coluna
               << ",\"horizontal\":" << Booleano(r.Horizontal)
               << ",\"comprimento\":" << r.Comprimento << '}';
    });
    ASaida << ",\"palavras\":";
    Lista(ASaida, APuzzle.Palavras, [&](const TPalavraColocada& p) {
        ASaida << "{\"texto\":" << TextoJson(p.Texto) << ",\"grelha\":" << TextoJson(p.Grelha)
               << ",\"ranhura\":" << p.Ranhura << '}';
    });
    // Only a book of one level grades its puzzles: other books keep their bytes.
    if (const auto& d = APuzzle.Dificuldade)
        ASaida << ",\"dificuldade\":{\"nivel\":" << TextoJson(TextoDoNivel(d->Nivel))
               << ",\"pontos\":" << d->Pontos << '}';
    if (ATema) {
        const std::vector<std::string> doTema = PalavrasDoTemaNoPuzzle(*ATema, APuzzle);
        ASaida << ",\"tema\":{\"palavras\":";
        Lista(ASaida, doTema, [&](const std::string& p) { ASaida << TextoJson(p); });
        ASaida << ",\"quantas\":" << doTema.size() << '}';
    }
    ASaida << '}';
}

} // namespace

std::string TextoJson(std::string_view ATexto) {
    std::string json = "\"";
    for (const char c : ATexto) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        case '\b':
            json += "\\b";
            break;
        case '\f':
            json += "\\f";
            break;
        default:
            if (u < 0x20) {
                json += "\\u00";
                json += DIGITOS_HEXADECIMAIS[u >> 4];
                json += DIGITOS_HEXADECIMAIS[u & 0xF];
            } else {
                json += c;
            }
        }
    }
    return json + "\"";
}

void EscreverLivroJson(std::ostream& ASaida, const TConfigLivro& AConfig,
                       const TRelatorioLivro& ARel, const std::vector<TPuzzle>& APuzzles) {
    ASaida << "{\"versao\":" << TextoJson(VERSAO_PALVORIN) << ",\"lado\":" << AConfig.Lado()
           << ",\"semente\":" << AConfig.Semente() << ",\"pedidos\":" << ARel.Pedidos
           << ",\"gerados\":" << ARel.Gerados << ",\"cancelado\":" << Booleano(ARel.Cancelado)
           << ",\"comRaras\":" << ARel.ComRaras;
    // Only a themed book names its theme: other books keep their bytes.
    if (AConfig.Tema())
        ASaida << ",\"tema\":" << TextoJson(AConfig.Tema()->Nome);
    ASaida << ",\"falhas\":";
    Lista(ASaida, ARel.Falhas, [&](const std::string& f) { ASaida << TextoJson(f); });
    ASaida << ",\"puzzles\":";
    Lista(ASaida, APuzzles, [&](const TPuzzle& p) { EscreverPuzzle(ASaida, p, AConfig.Tema()); });
    ASaida << "}\n";
}

} // namespace palvorin
