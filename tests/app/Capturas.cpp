// Screenshots of the window in each state of a run and of every dialog it opens, for a person
// to look at (at 1x and, with QT_SCALE_FACTOR=2, at 2x). The run is scripted; the dialogs are
// the real ones. Argument: the folder for the PNG files. Run from a folder with a few files,
// so that the save dialog has something to list.
#include "Falsos.hpp"
#include "PlataformaSemDialogo.hpp"
#include "UnitPalvorinAjuda.hpp"
#include "UnitPalvorinArranque.hpp"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <iostream>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

QString FPasta;

void Guardar(QWidget* AWidget, const std::string& ANome) {
    const QString ficheiro = FPasta + "/" + QString::fromStdString(ANome) + ".png";
    if (!AWidget->grab().save(ficheiro))
        std::cerr << "não foi possível gravar " << ficheiro.toStdString() << '\n';
}

template <typename TCondicao> void Esperar(TCondicao ACondicao, const char* AQue) {
    if (!QTest::qWaitFor(ACondicao, 30000))
        std::cerr << "à espera demais: " << AQue << '\n';
}

// Photographs each modal box once it has been open for a moment, then refuses it.
class TFotografo : public QObject {
public:
    std::deque<std::string> Nomes;

    TFotografo() {
        FRelogio.setInterval(50);
        connect(&FRelogio, &QTimer::timeout, this, [this] { Olhar(); });
        FRelogio.start();
    }

private:
    void Olhar() {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modal != FVisto) {
            FVisto = modal;
            FAberto.start();
            return;
        }
        // The file list fills itself in the background.
        if (modal == nullptr || FAberto.elapsed() < 600)
            return;
        Guardar(modal, Nomes.empty() ? "sem-nome" : Nomes.front());
        if (!Nomes.empty())
            Nomes.pop_front();
        FVisto = nullptr;
        modal->reject();
    }

    QTimer FRelogio;
    QPointer<QDialog> FVisto;
    QElapsedTimer FAberto;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "uso: palvorin_capturas PASTA\n";
        return 2;
    }
    QApplication app(argc, argv);
    CarregarTraducoes(app);
    AplicarEstilo(app);
    FPasta = QDir(argv[1]).absolutePath();
    QDir().mkpath(FPasta);

    teste::TPlataformaSemDialogo plataforma(std::filesystem::current_path() /
                                            "Palvorin_11x11_30.pdf");
    TGeracaoFalsa geracao;
    TGravacaoFalsa gravacao;
    TMotorLivro motor = MotorFalso(geracao, gravacao);
    motor.CarregarDicionario = [](const std::filesystem::path&, TRelatorioDic&) {
        return std::make_unique<TDicionario>();
    };
    TFotografo fotografo;
    TFormMain janela(plataforma, motor);
    janela.show();
    if (!QTest::qWaitForWindowExposed(&janela))
        std::cerr << "a janela não apareceu\n";
    QTest::qWait(300);
    Guardar(&janela, "1-parada");

    const auto esperarModais = [&] {
        Esperar([&] { return fotografo.Nomes.empty(); }, "as caixas");
    };
    janela.activateWindow();
    if (!QTest::qWaitForWindowActive(&janela))
        std::cerr << "a janela não ficou ativa\n";
    fotografo.Nomes = {"caixa-ajuda", "caixa-acerca"};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    Esperar([&] { return fotografo.Nomes.size() == 1; }, "a ajuda");
    plataforma.Mensagem(TTipoMensagem::tmInformacao, TextoAcerca());
    esperarModais();
    fotografo.Nomes = {"dialogo-gravar"};
    plataforma.TPlataformaQt::EscolherFicheiroPdf(
        (std::filesystem::current_path() / "Palvorin_11x11_30.pdf").string());
    esperarModais();

    // One run through every state: generating, the close question, writing, done.
    int passagem = 0;
    geracao.ReportesPorPuzzle = 1;
    geracao.AposReporte = [&] {
        ++passagem;
        NaJanela([&] {
            if (passagem == 20)
                Guardar(&janela, "2-a-gerar");
            if (passagem == 22) {
                fotografo.Nomes = {"caixa-fechar"};
                janela.close();
            }
        });
    };
    gravacao.AntesDeGravar = [&] { NaJanela([&] { Guardar(&janela, "3-a-gravar"); }); };
    const auto gerar = [&] {
        passagem = 0;
        QTest::mouseClick(janela.BitBtnGerar, Qt::LeftButton);
        Esperar([&] { return !janela.Gerando(); }, "o fim da corrida");
        esperarModais();
        QTest::qWait(200);
    };
    gerar();
    Guardar(&janela, "4-feito");

    geracao.AposReporte = [&] {
        ++passagem;
        NaJanela([&] {
            if (passagem == 10) {
                QTest::mouseClick(janela.BitBtnCancelar, Qt::LeftButton);
                Guardar(&janela, "5-a-cancelar");
            }
        });
    };
    gerar();
    Guardar(&janela, "6-cancelado");

    geracao.AposReporte = nullptr;
    geracao.Erro = "Não há memória para gerar o livro.";
    fotografo.Nomes = {"caixa-erro"};
    gerar();
    Guardar(&janela, "7-erro");

    geracao.Erro.reset();
    gravacao.Erro = "Não foi possível gravar o ficheiro «" +
                    (std::filesystem::current_path() / "Palvorin_11x11_30.pdf").string() +
                    "»: o disco está cheio.";
    fotografo.Nomes = {"caixa-regravar"};
    gerar();
    Guardar(&janela, "8-erro-ao-gravar");
    return 0;
}
