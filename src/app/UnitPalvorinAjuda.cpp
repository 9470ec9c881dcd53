#include "UnitPalvorinAjuda.hpp"

#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinTitulo.hpp"
#include "UnitPalvorinVersao.hpp"

namespace palvorin {

std::string TextoAjuda() {
    return "O Palvorin faz livros em PDF, prontos a imprimir, de puzzles de palavras para "
           "preencher: em cada tabuleiro o leitor encaixa todas as palavras da lista, na "
           "horizontal ou na vertical, partilhando as letras onde se cruzam. Cada puzzle tem uma "
           "só solução, que vem no fim do livro.\r\n\r\n"
           "Tamanho: o lado dos tabuleiros.\r\n"
           "Número de puzzles: de " +
           std::to_string(MIN_PUZZLES) + " a " + std::to_string(MAX_PUZZLES) +
           " (as setas, as teclas ↑ ↓ e a roda do rato também o mudam).\r\n"
           "Título do livro: vai na capa; até " +
           std::to_string(MAX_TITULO) +
           " caracteres.\r\n"
           "Abrir PDF: abre o livro no leitor de PDF quando estiver gravado.\r\n"
           "Nível: a dificuldade dos puzzles; com «Qualquer», saem de todos os níveis.\r\n"
           "Tema: as palavras de um assunto entram primeiro nos puzzles e a capa diz o tema; "
           "«Ficheiro próprio…» lê um tema seu, uma palavra por linha.\r\n"
           "Formato: o tamanho da página (A4, A5, Carta ou 6 × 9 pol.). Letra grande: listas e "
           "regras em 16 pt ou mais e casas maiores, em A4 e Carta. Páginas para gráfica: número "
           "par de páginas, medianiz, nada a menos de 12,7 mm do corte e só tinta preta (precisa "
           "do Ghostscript).\r\n"
           "Gerar: pergunta onde gravar o livro, faz os puzzles um a um e grava o PDF nesse "
           "ficheiro; a pasta escolhida fica para a vez seguinte. Depois, «Abrir pasta» abre "
           "a pasta onde o livro ficou.\r\n"
           "Cancelar: para sem gravar nada.\r\n"
           "Sair (Esc): fecha o programa; a meio de um livro, pergunta antes.";
}

std::string TextoAcerca() {
    return "Palvorin " + std::string(VERSAO_PALVORIN) +
           ", de Teodoro Valquim. Licença do programa: GPL versão 2 ou posterior; os livros "
           "levam a licença CC BY-NC-ND 4.0. A lista de palavras vem do hunspell-pt-pt e da "
           "wportuguese (Projecto Natura, Universidade do Minho), do tesauro mythes-pt-pt "
           "(Daniel Naber) e das frequências das legendas do OpenSubtitles 2018 "
           "(FrequencyWords).";
}

} // namespace palvorin
