#include "UnitPalvorinOpcoes.hpp"

#include "UnitPalvorinTexto.hpp"

#include <charconv>

namespace palvorin {

namespace {

template <typename TInteiro> std::optional<TInteiro> NumeroDeTexto(std::string_view ATexto) {
    const std::string texto = Aparar(ATexto);
    std::string_view digitos = texto;
    // from_chars takes a leading "-" but not a "+".
    const bool mais = !digitos.empty() && digitos.front() == '+';
    if (mais)
        digitos.remove_prefix(1);
    if (digitos.empty() || (mais && digitos.front() == '-'))
        return std::nullopt;
    TInteiro valor = 0;
    const auto [fim, erro] =
        std::from_chars(digitos.data(), digitos.data() + digitos.size(), valor);
    if (erro != std::errc() || fim != digitos.data() + digitos.size())
        return std::nullopt;
    return valor;
}

} // namespace

TAnalise AnalisarOpcoes(const TConfigLivro& AConfig) {
    TAnalise analise;
    if (!TamanhoValido(AConfig.Lado))
        analise.Motivo = "Escolha o tamanho do tabuleiro.";
    else if (AConfig.NumPuzzles < MIN_PUZZLES || AConfig.NumPuzzles > MAX_PUZZLES)
        analise.Motivo = "Indique um número de puzzles entre " + std::to_string(MIN_PUZZLES) +
                         " e " + std::to_string(MAX_PUZZLES) + ".";
    else
        analise.Motivo = MotivoTitulo(AConfig.Titulo);
    analise.PodeGerar = analise.Motivo.empty();
    return analise;
}

std::string TextoDosTamanhos(std::string_view ASeparador, std::string_view AUltimo) {
    std::string texto;
    for (std::size_t i = 0; i < TamanhosTabuleiro.size(); ++i) {
        if (i > 0)
            texto += i + 1 == TamanhosTabuleiro.size() ? AUltimo : ASeparador;
        texto += std::to_string(TamanhosTabuleiro[i]);
    }
    return texto;
}

std::optional<std::int32_t> InteiroDeTexto(std::string_view ATexto) {
    return NumeroDeTexto<std::int32_t>(ATexto);
}

std::optional<std::uint32_t> NaturalDeTexto(std::string_view ATexto) {
    return NumeroDeTexto<std::uint32_t>(ATexto);
}

} // namespace palvorin
