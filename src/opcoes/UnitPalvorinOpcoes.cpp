#include "UnitPalvorinOpcoes.hpp"

#include "UnitPalvorinTexto.hpp"

namespace palvorin {

TAnalise AnalisarOpcoes(const TPedidoLivro& APedido) {
    TAnalise analise;
    if (!TamanhoValido(APedido.Lado))
        analise.Motivo = "Escolha o tamanho do tabuleiro.";
    else if (APedido.NumPuzzles < MIN_PUZZLES || APedido.NumPuzzles > MAX_PUZZLES)
        analise.Motivo = "Indique um número de puzzles entre " + std::to_string(MIN_PUZZLES) +
                         " e " + std::to_string(MAX_PUZZLES) + ".";
    else
        analise.Motivo = MotivoTitulo(APedido.Titulo);
    if (analise.Motivo.empty() && APedido.LetraGrande && !LetraGrandeCabe(APedido.Formato))
        analise.Motivo = "A letra grande só cabe nos formatos A4 e Carta.";
    if (analise.Motivo.empty() && APedido.Tema)
        analise.Motivo = MotivoNomeDoTema(APedido.Tema->Nome);
    if (analise.Motivo.empty()) {
        TPedidoLivro aceite = APedido;
        aceite.Titulo = Aparar(APedido.Titulo);
        analise.Config = TConfigLivro(std::move(aceite));
    }
    return analise;
}

} // namespace palvorin
