#include "UnitPalvorinTextos.hpp"

#include "UnitPalvorinMarca.hpp"

namespace palvorin {

namespace {

const char* const QUEBRA = "\r\n";
constexpr std::size_t FALHAS_LISTADAS = 5;

} // namespace

std::string NomeFicheiroPadrao(std::int32_t ALado, std::int32_t ANumPuzzles) {
    const std::string lado = std::to_string(ALado);
    return NOME_PROGRAMA + "_" + lado + "x" + lado + "_" + std::to_string(ANumPuzzles) + ".pdf";
}

std::string TextoResumo(const TPedidoLivro& APedido) {
    std::string resumo =
        Plural(APedido.NumPuzzles, "puzzle", "puzzles") + " \u00B7 " + TextoDoTamanho(APedido.Lado);
    for (const std::string& escolha : EscolhasNomeadas(APedido, {"", "para gráfica"}))
        resumo += " \u00B7 " + escolha;
    if (APedido.Tema)
        resumo += " \u00B7 tema " + APedido.Tema->Nome;
    return resumo;
}

std::string TextoLivroGerado(std::int32_t APuzzles, std::int32_t APaginas) {
    return "Livro gerado: " + Plural(APuzzles, "puzzle", "puzzles") + ", " +
           Plural(APaginas, "página", "páginas") + ".";
}

std::string TextoLivroGeradoComSemente(std::int32_t APuzzles, std::int32_t APaginas,
                                       std::uint32_t ASemente) {
    return TextoLivroGerado(APuzzles, APaginas) + " Semente " + std::to_string(ASemente) + ".";
}

std::string TextoProgresso(std::int32_t APosicao, std::int32_t ATotal) {
    return "A gerar o puzzle " + std::to_string(static_cast<std::int64_t>(APosicao) + 1) + " de " +
           std::to_string(ATotal) + "\u2026";
}

std::string TextoCancelado(std::int32_t AGerados, std::int32_t APedidos) {
    return "Geração cancelada aos " + std::to_string(AGerados) + " de " + std::to_string(APedidos) +
           " puzzles. Nada foi gravado.";
}

std::string TextoConfirmarSaida() {
    return "Está a ser gerado um livro. Cancelar e sair?";
}

std::string TextoFalhas(const TRelatorioLivro& ARel) {
    if (ARel.Falhas.empty())
        return "";
    std::string texto = "O livro tem " + std::to_string(ARel.Gerados) + " dos " +
                        std::to_string(ARel.Pedidos) + " puzzles pedidos.";
    for (std::size_t i = 0; i < ARel.Falhas.size() && i < FALHAS_LISTADAS; ++i)
        texto += QUEBRA + ARel.Falhas[i];
    if (ARel.Falhas.size() > FALHAS_LISTADAS)
        texto += std::string(QUEBRA) + "\u2026 e mais " +
                 std::to_string(ARel.Falhas.size() - FALHAS_LISTADAS) + ".";
    return texto;
}

} // namespace palvorin
