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
#include <string>

namespace palvorin {

// The program's one window: the book's options, a live summary and status line,
// and the generation run (progress, cancelling, closing during a run).
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
    void ProgressoLivro(std::int32_t AAtual, std::int32_t ATotal, bool& ACancelar);
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
    void GravarLivro(const std::filesystem::path& ACaminho, const TDadosLivro& ALivro,
                     const TRelatorioLivro& ARel);

    IPlataforma& FPlataforma;
    TMotorLivro FMotor;
    std::unique_ptr<TDicionario> FDic;
    std::string FErroDicionario;
    TListaUsada FListaUsada; // recorded in every book's recipe
    bool FAtualizando = false;
    bool FGerando = false;
    bool FCancelar = false;
    bool FFecharNoFim = false;
};

} // namespace palvorin
