#pragma once

#include "UnitPalvorinPlataforma.hpp"
#include "UnitPalvorinTipos.hpp"

#include <QComboBox>
#include <optional>

namespace palvorin {

// The book's theme: none (the default), a built-in theme, or a file of one's own, read and
// checked when it is chosen, so that a bad file is told at once and never reaches a run.
class TComboTema : public QComboBox {
public:
    TComboTema(IPlataforma& APlataforma, QWidget* APai);

    std::optional<TTema> Tema() const;

    static constexpr int INDICE_NENHUM = 0;

private:
    void Escolhido(int AIndice);
    void EscolherFicheiro();
    int IndiceFicheiro() const { return count() - 1; }

    IPlataforma& FPlataforma;
    std::optional<TTema> FProprio; // the file's theme, in the item before the last
    int FAnterior = INDICE_NENHUM;
};

} // namespace palvorin
