#include "UnitPalvorinComboTema.hpp"

#include "UnitPalvorinErros.hpp"
#include "UnitPalvorinQtTexto.hpp"
#include "UnitPalvorinTema.hpp"
#include "UnitPalvorinTexto.hpp"

#include <algorithm>

namespace palvorin {

namespace {

constexpr std::size_t RECUSAS_MOSTRADAS = 5;

std::string AvisoDeRecusas(const TTema& ATema, const TRelatorioDic& ARel) {
    std::string texto = "O tema «" + ATema.Nome + "» tem " +
                        Plural(ARel.Rejeitadas, "linha rejeitada", "linhas rejeitadas") + ":";
    const std::size_t mostradas = std::min(ARel.Detalhe.size(), RECUSAS_MOSTRADAS);
    for (std::size_t i = 0; i < mostradas; ++i)
        texto += "\n" + ARel.Detalhe[i];
    if (ARel.Detalhe.size() > mostradas || ARel.Rejeitadas > std::int32_t(mostradas))
        texto += "\n…";
    return texto;
}

} // namespace

TComboTema::TComboTema(IPlataforma& APlataforma, QWidget* APai)
    : QComboBox(APai), FPlataforma(APlataforma) {
    addItem("Nenhum");
    for (const std::string_view nome : NomesDosTemasEmbutidos())
        addItem(ParaQString(std::string(nome)));
    addItem("Ficheiro próprio…");
    connect(this, &QComboBox::activated, this, [this](int AIndice) { Escolhido(AIndice); });
}

std::optional<TTema> TComboTema::Tema() const {
    const int i = currentIndex();
    if (i <= INDICE_NENHUM || i >= IndiceFicheiro())
        return std::nullopt;
    if (FProprio && i == IndiceFicheiro() - 1)
        return FProprio;
    return TemaEmbutido(ParaUtf8(itemText(i)));
}

void TComboTema::Escolhido(int AIndice) {
    if (AIndice == IndiceFicheiro())
        EscolherFicheiro();
    else
        FAnterior = AIndice;
}

void TComboTema::EscolherFicheiro() {
    const auto caminho = FPlataforma.EscolherFicheiroTema();
    std::optional<TTema> tema;
    if (caminho) {
        try {
            TRelatorioDic rel;
            tema = LerTemaDeFicheiro(*caminho, rel);
            if (rel.Rejeitadas > 0)
                FPlataforma.Mensagem(TTipoMensagem::tmAviso, AvisoDeRecusas(*tema, rel));
        } catch (const std::exception& e) {
            FPlataforma.Mensagem(TTipoMensagem::tmErro,
                                 "Não foi possível usar o tema. " + MensagemDoErro(e));
        }
    }
    if (!tema) {
        setCurrentIndex(FAnterior);
        return;
    }
    const QString nome = ParaQString("Ficheiro: " + tema->Nome);
    if (FProprio)
        setItemText(IndiceFicheiro() - 1, nome);
    else
        insertItem(IndiceFicheiro(), nome);
    FProprio = std::move(tema);
    FAnterior = IndiceFicheiro() - 1;
    setCurrentIndex(FAnterior);
    setToolTip(ParaQString(FProprio->Ficheiro));
}

} // namespace palvorin
