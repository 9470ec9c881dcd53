#include "UnitPalvorinRegras.hpp"

#include "UnitPalvorinMarca.hpp"

namespace palvorin {

const std::string TEXTO_MARCA = NOME_PROGRAMA;
const std::string TEXTO_AVISO = "© " + NOME_AUTOR + ". Alguns direitos reservados.";
const std::string TEXTO_LICENCA =
    "Este livro está licenciado com uma Licença Creative Commons "
    "Atribuição-NãoComercial-SemDerivações 4.0 Internacional (CC BY-NC-ND 4.0). "
    "Para ver uma cópia desta licença, visite creativecommons.org/licenses/by-nc-nd/4.0/.";

const std::string TITULO_PUZZLES = "Puzzles";
const std::string TITULO_SOLUCOES = "Soluções";
const std::string TITULO_NOTAS = "Notas";

std::vector<TLinhaRegras> LinhasDasRegras(bool ATemAcentos) {
    using enum TTipoLinhaRegras;
    std::vector<TLinhaRegras> linhas = {
        {lrTitulo, "Como jogar " + NOME_PROGRAMA},
        {lrBranco, ""},
        {lrTexto, "O tabuleiro está vazio. Encaixe todas as palavras da lista, uma só vez cada, "
                  "nas casas brancas: na horizontal, da esquerda para a direita, ou na vertical, "
                  "de cima para baixo. Onde duas palavras se cruzam, partilham a letra. As casas "
                  "pretas não se preenchem."},
        {lrBranco, ""},
        {lrTexto, "Cada puzzle tem uma única solução: só há uma maneira de encaixar todas as "
                  "palavras. Algumas casas brancas pertencem a uma só palavra e outras a duas, uma "
                  "na horizontal e outra na vertical."},
    };
    if (ATemAcentos) {
        linhas.push_back({lrBranco, ""});
        linhas.push_back({lrTexto, "O tabuleiro não leva acentos nem cedilha: a palavra AÇÚCAR, "
                                   "por exemplo, escreve-se ACUCAR."});
    }
    const std::vector<TLinhaRegras> dicas = {
        {lrBranco, ""},
        {lrTitulo, "Dicas"},
        {lrBranco, ""},
        {lrItem, "- Comece pelas palavras de que há menos, por exemplo a única com 9 letras, e "
                 "pelas que têm letras pouco comuns, como Z, X ou Q."},
        {lrItem, "- Conte as casas: uma palavra só cabe onde houver exatamente o seu número de "
                 "letras."},
        {lrItem, "- Escreva a lápis e risque cada palavra da lista depois de a encaixar, para "
                 "saber o que falta."},
        {lrItem, "- Se ficar preso, as soluções estão no fim do livro."},
    };
    linhas.insert(linhas.end(), dicas.begin(), dicas.end());
    return linhas;
}

} // namespace palvorin
