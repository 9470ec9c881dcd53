#include "UnitPalvorinTipos.hpp"

namespace palvorin {

std::int32_t IndiceDoTamanho(std::int32_t ALado) {
    for (std::size_t i = 0; i < TamanhosTabuleiro.size(); ++i)
        if (TamanhosTabuleiro[i] == ALado)
            return static_cast<std::int32_t>(i);
    return -1;
}

bool TamanhoValido(std::int32_t ALado) {
    return IndiceDoTamanho(ALado) >= 0;
}

std::int32_t TamanhoDoIndice(std::int32_t AIndice) {
    if (AIndice < 0 || AIndice >= static_cast<std::int32_t>(TamanhosTabuleiro.size()))
        throw EInterno("TamanhoDoIndice: índice fora do intervalo");
    return TamanhosTabuleiro[static_cast<std::size_t>(AIndice)];
}

std::string TextoDoTamanho(std::int32_t ALado) {
    const std::string lado = std::to_string(ALado);
    return lado + " \u00D7 " + lado;
}

std::string TextoDoNivel(TNivelDificuldade ANivel) {
    return std::string(NIVEIS[static_cast<std::size_t>(ANivel)].Nome);
}

std::optional<TNivelDificuldade> NivelDeTexto(std::string_view ATexto) {
    for (const TDescNivel& nivel : NIVEIS)
        if (ATexto == nivel.Id || ATexto == nivel.Variante)
            return nivel.Nivel;
    return std::nullopt;
}

namespace {

struct TNomesFormato {
    TFormatoLivro Formato;
    const char* Id;
    const char* Texto;
};

constexpr TNomesFormato NOMES_FORMATOS[] = {
    {TFormatoLivro::flA4, "a4", "A4"},
    {TFormatoLivro::flA5, "a5", "A5"},
    {TFormatoLivro::flCarta, "carta", "Carta"},
    {TFormatoLivro::fl6x9, "6x9", "6 \u00D7 9 pol."},
};

const TNomesFormato& NomesDe(TFormatoLivro AFormato) {
    return NOMES_FORMATOS[static_cast<std::size_t>(AFormato)];
}

} // namespace

std::string IdDoFormato(TFormatoLivro AFormato) {
    return NomesDe(AFormato).Id;
}

std::optional<TFormatoLivro> FormatoDoId(std::string_view AId) {
    for (const TNomesFormato& nomes : NOMES_FORMATOS)
        if (AId == nomes.Id)
            return nomes.Formato;
    return std::nullopt;
}

std::string TextoDoFormato(TFormatoLivro AFormato) {
    return NomesDe(AFormato).Texto;
}

bool LetraGrandeCabe(TFormatoLivro AFormato) {
    return AFormato == TFormatoLivro::flA4 || AFormato == TFormatoLivro::flCarta;
}

std::vector<std::string> EscolhasNomeadas(const TPedidoLivro& APedido,
                                          const TPalavrasEscolhas& APalavras) {
    std::vector<std::string> escolhas;
    if (APedido.Nivel)
        escolhas.push_back("nível " + TextoDoNivel(*APedido.Nivel));
    if (APedido.Formato != TFormatoLivro::flA4)
        escolhas.push_back(std::string(APalavras.AntesDoFormato) + TextoDoFormato(APedido.Formato));
    if (APedido.LetraGrande)
        escolhas.emplace_back("letra grande");
    if (APedido.Grafica)
        escolhas.emplace_back(APalavras.Grafica);
    return escolhas;
}

} // namespace palvorin
