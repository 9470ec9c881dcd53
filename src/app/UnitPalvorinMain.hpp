#pragma once

#include "UnitPalvorinComboTema.hpp"
#include "UnitPalvorinCorridaLivro.hpp"
#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinMotor.hpp"
#include "UnitPalvorinPlataforma.hpp"
#include "UnitPalvorinUpDown.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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

// The names under which the window keeps the user's choices.
inline constexpr const char* PREF_LADO = "lado";
inline constexpr const char* PREF_PUZZLES = "puzzles";
inline constexpr const char* PREF_ABRIR_PDF = "abrirPdf";
inline constexpr const char* PREF_PASTA = "pasta";

// The program's one window: the book's options, a live summary and status line, and what
// the run (TCorridaLivro, on a thread of its own) has to show. The run's reports come through
// the window's queue, so the window never waits.
class TFormMain : public QWidget {
public:
    // AInterrupcao, read by the run's worker, says the program was asked to end.
    TFormMain(IPlataforma& APlataforma, TMotorLivro AMotor, TPedidoParagem AInterrupcao = {},
              QWidget* AParent = nullptr);
    ~TFormMain() override;

    void IniciarDicionario();
    void LigarEventos();
    static void DefinirLimites(TUpDown& AUpDown, std::int32_t AMin, std::int32_t AMax);
    static bool LerInteiro(const QLineEdit& AEdit, std::int32_t& AValor);
    // The options as the controls hold them; false, with why, when a control cannot be read.
    bool LerPedido(TPedidoLivro& APedido, std::string& AMensagem) const;
    TFormatoLivro FormatoEscolhido() const;
    void AtualizarResumo();
    void DefinirOcupado(bool AOcupado);
    void GerarLivroPdf();
    void BitBtnGerarClick() { GerarLivroPdf(); }
    void BitBtnCancelarClick();
    void BitBtnSairClick() { close(); }
    void FormCloseQuery(bool& APodeFechar);
    // The program was asked to end (a signal): open boxes go, a run is cancelled, a write
    // under way is abandoned, and the window closes without a question.
    void Interromper();

    const TDicionario* Dicionario() const { return FDic.get(); }
    const std::string& ErroDicionario() const { return FErroDicionario; }
    bool Gerando() const { return FCorrida.Ativa(); }

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
    QLabel* LabelTituloResta;
    QLabel* LabelNivel;
    // "Qualquer" (a book as drawn), then the levels, easiest first.
    QComboBox* ComboBoxNivel;
    // The pages, a row of their own under everything else.
    QWidget* PainelPaginas;
    QLabel* LabelFormato;
    QComboBox* ComboBoxFormato; // in the order of FormatosLivro
    QCheckBox* CheckBoxLetraGrande;
    QCheckBox* CheckBoxGrafica;
    QLabel* LabelResumo;
    QLabel* LabelEstado;
    QProgressBar* ProgressBarLote;
    // In the progress bar's place once a book is written: where it went, and a way there.
    QLabel* LabelCaminho;
    QPushButton* BitBtnAbrirPasta;
    QFrame* BevelApp;
    QLabel* LabelNome;
    QLabel* LabelAutor;
    QLabel* LabelTema;
    TComboTema* ComboTema;
    QPushButton* BitBtnGerar;
    QPushButton* BitBtnCancelar;
    QPushButton* BitBtnSair;
    QPushButton* BitBtnAjuda;

protected:
    void closeEvent(QCloseEvent* AEvento) override;
    void keyPressEvent(QKeyEvent* AEvento) override;

private:
    void CriarControlos();
    void RestaurarPreferencias();
    // ANome in the folder of the last book, while that folder exists.
    std::string NomeProposto(const std::string& ANome) const;
    void CentrarNoEcra();
    void MostrarEstado(const std::string& ATexto);
    void MostrarTituloResta();
    // The written book's path and "Abrir pasta", or the progress bar again.
    void MostrarLivroGravado(bool AMostrar);
    TEventosCorrida EventosDaCorrida();
    void MostrarProgresso(std::int32_t AAtual, std::int32_t ATotal);
    void MostrarGravacao();
    void DesativarCancelar();
    void AcabarCorrida(const TFimCorrida& AFim);
    void OferecerOutroFicheiro(const TFimCorrida& AFim);

    IPlataforma& FPlataforma;
    TMotorLivro FMotor;
    std::unique_ptr<TDicionario> FDic;
    std::string FErroDicionario;
    TListaUsada FListaUsada; // recorded in every book's recipe
    bool FAtualizando = false;
    std::filesystem::path FCaminho;
    // Last member, so that its worker is stopped and joined before anything it reads goes.
    TCorridaLivro FCorrida;
};

} // namespace palvorin
