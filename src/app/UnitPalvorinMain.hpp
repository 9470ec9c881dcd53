#pragma once

#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinMotor.hpp"
#include "UnitPalvorinPlataforma.hpp"
#include "UnitPalvorinUpDown.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace palvorin {

// How a run ended, as the worker hands it to the window.
struct TFimCorrida {
    std::int32_t Pedidos = 0;
    std::uint32_t Semente = 0; // shown in the final line
    TRelatorioLivro Relatorio;
    std::int32_t Puzzles = 0;
    std::optional<std::string> Erro;
};

// The program's one window: the book's options, a live summary and status line,
// and the generation run (progress, cancelling, closing during a run). The run works on
// a thread of its own and reports back through queued calls, so the window never waits.
class TFormMain : public QWidget {
public:
    TFormMain(IPlataforma& APlataforma, TMotorLivro AMotor, QWidget* AParent = nullptr);
    ~TFormMain() override;

    void IniciarDicionario();
    void LigarEventos();
    static void DefinirLimites(TUpDown& AUpDown, std::int32_t AMin, std::int32_t AMax);
    static bool LerInteiro(const QLineEdit& AEdit, std::int32_t& AValor);
    bool LerConfig(TConfigLivro& AConfig, std::string& AMensagem) const;
    void AtualizarResumo();
    void DefinirOcupado(bool AOcupado);
    void GerarLivroPdf();
    void BitBtnGerarClick() { GerarLivroPdf(); }
    void BitBtnCancelarClick();
    void BitBtnSairClick() { close(); }
    void FormCloseQuery(bool& APodeFechar);

    const TDicionario* Dicionario() const { return FDic.get(); }
    const std::string& ErroDicionario() const { return FErroDicionario; }
    bool Gerando() const { return FGerando; }

    QGroupBox* GroupBoxLivro;
    QGroupBox* RadioGroupTamanho;
    QButtonGroup* GrupoTamanhos;
    std::array<QRadioButton*, 4> RadioTamanhos;
    QLabel* LabelNumPuzzles;
    QLineEdit* EditNumPuzzles;
    TUpDown* UpDownNumPuzzles;
    QCheckBox* CheckBoxAbrirPDF;
    QLabel* LabelTituloLivro;
    QLineEdit* EditTituloLivro;
    QLabel* LabelResumo;
    QLabel* LabelEstado;
    QProgressBar* ProgressBarLote;
    QFrame* BevelApp;
    QLabel* LabelNome;
    QLabel* LabelAutor;
    QPushButton* BitBtnGerar;
    QPushButton* BitBtnCancelar;
    QPushButton* BitBtnSair;

protected:
    void closeEvent(QCloseEvent* AEvento) override;

private:
    void CriarControlos();
    void CentrarNoEcra();
    void MostrarEstado(const std::string& ATexto);
    void IniciarCorrida(const TConfigLivro& AConfig, const std::filesystem::path& ACaminho);
    void MostrarProgresso(std::int32_t AAtual, std::int32_t ATotal);
    void MostrarGravacao();
    void AcabarCorrida(const TFimCorrida& AFim);

    IPlataforma& FPlataforma;
    TMotorLivro FMotor;
    std::unique_ptr<TDicionario> FDic;
    std::string FErroDicionario;
    TListaUsada FListaUsada; // recorded in every book's recipe
    bool FAtualizando = false;
    bool FGerando = false;
    bool FCancelar = false;
    bool FFecharNoFim = false;
    bool FGravando = false;
    // The end of a run that arrived while the close question was open: handled after it.
    bool FPerguntando = false;
    std::optional<TFimCorrida> FFimAdiado;
    std::filesystem::path FCaminho;
    // Last member, so that it is stopped and joined before anything the run reads goes.
    std::jthread FTrabalho;
};

} // namespace palvorin
