#include "UnitPalvorinMain.hpp"

#include "UnitPalvorinAjuda.hpp"
#include "UnitPalvorinErros.hpp"
#include "UnitPalvorinMarca.hpp"
#include "UnitPalvorinOpcoes.hpp"
#include "UnitPalvorinQtTexto.hpp"
#include "UnitPalvorinTeclasGrupo.hpp"
#include "UnitPalvorinTexto.hpp"
#include "UnitPalvorinTextoQueCabe.hpp"
#include "UnitPalvorinTextos.hpp"
#include "UnitPalvorinValidadorTitulo.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <exception>

namespace palvorin {

namespace {

constexpr int LARGURA_JANELA = 609;
constexpr int ALTURA_JANELA = 421;

// Liberation Sans has Arial's metrics, close enough to the widths the layout was
// drawn for; the usual desktop sans (DejaVu) is wider and would overrun the labels.
QFont Fonte(int APixels, bool ANegrito = false) {
    QFont fonte;
    fonte.setFamilies({"Liberation Sans", "Arial", "DejaVu Sans"});
    fonte.setPixelSize(APixels);
    fonte.setBold(ANegrito);
    return fonte;
}

template <typename TControlo>
TControlo* Criar(QWidget* APai, const char* ANome, int AFonte, QRect AGeometria) {
    auto* controlo = new TControlo(APai);
    controlo->setObjectName(ANome);
    controlo->setFont(Fonte(AFonte));
    controlo->setGeometry(AGeometria);
    return controlo;
}

// A label sized to its text, as a label without a given size is.
QLabel* CriarRotulo(QWidget* APai, const char* ANome, const QString& ATexto, int AFonte,
                    QPoint APosicao) {
    auto* rotulo = Criar<QLabel>(APai, ANome, AFonte, QRect(APosicao, QSize()));
    rotulo->setText(ATexto);
    rotulo->adjustSize();
    return rotulo;
}

} // namespace

TFormMain::TFormMain(IPlataforma& APlataforma, TMotorLivro AMotor, TPedidoParagem AInterrupcao,
                     QWidget* AParent)
    : QWidget(AParent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      FPlataforma(APlataforma), FMotor(std::move(AMotor)),
      FCorrida(
          FMotor,
          [this](std::function<void()> AAcao) {
              QMetaObject::invokeMethod(this, std::move(AAcao), Qt::QueuedConnection);
          },
          EventosDaCorrida(), std::move(AInterrupcao)) {
    FAtualizando = true;
    setObjectName("FormMain");
    setWindowTitle(ParaQString("PALVORIN | " + NOME_AUTOR));
    setFont(Fonte(12));
    setFixedSize(LARGURA_JANELA, ALTURA_JANELA);
    CentrarNoEcra();
    CriarControlos();
    RestaurarPreferencias();
    FAtualizando = false;
    IniciarDicionario();
    LigarEventos();
    AtualizarResumo();
    // Not on the first option, where a Space would change the size unseen.
    if (BitBtnGerar->isEnabled())
        BitBtnGerar->setFocus();
    else
        GrupoTamanhos->checkedButton()->setFocus();
}

TFormMain::~TFormMain() = default;

void TFormMain::CriarControlos() {
    GroupBoxLivro = Criar<QGroupBox>(this, "GroupBoxLivro", 17, {12, 12, 366, 205});
    GroupBoxLivro->setTitle("Livro");

    RadioGroupTamanho = Criar<QGroupBox>(GroupBoxLivro, "RadioGroupTamanho", 15, {12, 31, 339, 58});
    RadioGroupTamanho->setTitle(ParaQString(std::string(Opcao("--lado").RotuloJanela)));
    GrupoTamanhos = new QButtonGroup(this);
    const int margem = 10;
    const int coluna = (RadioGroupTamanho->width() - 2 * margem) / int(RadioTamanhos.size());
    for (int i = 0; i < int(RadioTamanhos.size()); ++i) {
        auto* radio = Criar<QRadioButton>(RadioGroupTamanho, "RadioTamanho", 15,
                                          {margem + i * coluna, 24, coluna, 26});
        radio->setText(ParaQString(TextoDoTamanho(TamanhoDoIndice(i))));
        GrupoTamanhos->addButton(radio, i);
        RadioTamanhos[std::size_t(i)] = radio;
    }
    RadioTamanhos[std::size_t(IndiceDoTamanho(LADO_OMISSAO))]->setChecked(true);
    new TTeclasGrupo(GrupoTamanhos);

    const TOpcaoLivro& puzzles = Opcao("--puzzles");
    LabelNumPuzzles = CriarRotulo(GroupBoxLivro, "LabelNumPuzzles",
                                  ParaQString(std::string(puzzles.RotuloJanela)), 15, {16, 103});
    EditNumPuzzles = Criar<QLineEdit>(GroupBoxLivro, "EditNumPuzzles", 17, {151, 101, 57, 31});
    UpDownNumPuzzles = Criar<TUpDown>(GroupBoxLivro, "UpDownNumPuzzles", 12, {208, 101, 25, 31});
    UpDownNumPuzzles->Associar(EditNumPuzzles);
    DefinirLimites(*UpDownNumPuzzles, static_cast<std::int32_t>(puzzles.Min),
                   static_cast<std::int32_t>(puzzles.Max));
    UpDownNumPuzzles->SetPosicao(PUZZLES_OMISSAO);
    EditNumPuzzles->setText(QString::number(PUZZLES_OMISSAO));
    CheckBoxAbrirPDF = Criar<QCheckBox>(GroupBoxLivro, "CheckBoxAbrirPDF", 17, {257, 108, 104, 17});
    CheckBoxAbrirPDF->setText("Abrir &PDF");
    CheckBoxAbrirPDF->setChecked(true);
    const TOpcaoLivro& titulo = Opcao("--titulo");
    LabelTituloLivro = CriarRotulo(GroupBoxLivro, "LabelTituloLivro",
                                   ParaQString(std::string(titulo.RotuloJanela)), 15, {12, 138});
    EditTituloLivro = Criar<QLineEdit>(GroupBoxLivro, "EditTituloLivro", 17, {12, 162, 339, 31});
    EditTituloLivro->setMaxLength(static_cast<int>(titulo.Max));
    // Sized again once they have their buddies: until then the "&" counts as a character.
    LabelNumPuzzles->setBuddy(EditNumPuzzles);
    LabelTituloLivro->setBuddy(EditTituloLivro);
    LabelNumPuzzles->adjustSize();
    LabelTituloLivro->adjustSize();
    EditTituloLivro->setValidator(new TValidadorTitulo(EditTituloLivro));

    const TOpcaoLivro& nivel = Opcao("--dificuldade");
    LabelNivel = CriarRotulo(this, "LabelNivel", ParaQString(std::string(nivel.RotuloJanela)), 15,
                             {390, 149});
    ComboBoxNivel = Criar<QComboBox>(this, "ComboBoxNivel", 15, {446, 144, 120, 31});
    ComboBoxNivel->addItem(ParaQString(std::string(nivel.OmissaoNaJanela)));
    for (const TDescNivel& descricao : NIVEIS)
        ComboBoxNivel->addItem(ParaQString(std::string(descricao.Nome)));
    LabelNivel->setBuddy(ComboBoxNivel);

    PainelPaginas = Criar<QWidget>(this, "PainelPaginas", 15, {12, 380, 590, 31});
    LabelFormato =
        CriarRotulo(PainelPaginas, "LabelFormato",
                    ParaQString(std::string(Opcao("--formato").RotuloJanela)), 15, {4, 5});
    ComboBoxFormato = Criar<QComboBox>(PainelPaginas, "ComboBoxFormato", 15, {80, 0, 120, 31});
    for (const TFormatoLivro formato : FormatosLivro)
        ComboBoxFormato->addItem(ParaQString(TextoDoFormato(formato)));
    LabelFormato->setBuddy(ComboBoxFormato);
    LabelFormato->adjustSize();
    CheckBoxLetraGrande =
        Criar<QCheckBox>(PainelPaginas, "CheckBoxLetraGrande", 15, {222, 7, 140, 18});
    CheckBoxLetraGrande->setText(ParaQString(std::string(Opcao("--letra-grande").RotuloJanela)));
    CheckBoxGrafica = Criar<QCheckBox>(PainelPaginas, "CheckBoxGrafica", 15, {380, 7, 202, 18});
    CheckBoxGrafica->setText(ParaQString(std::string(Opcao("--grafica").RotuloJanela)));

    // The edit stops at the limit without a word; this says how close it is.
    LabelTituloResta = Criar<QLabel>(GroupBoxLivro, "LabelTituloResta", 12, {151, 141, 200, 18});
    LabelTituloResta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    const TOpcaoLivro& tema = Opcao("--tema");
    LabelTema =
        CriarRotulo(this, "LabelTema", ParaQString(std::string(tema.RotuloJanela)), 15, {16, 233});
    ComboTema = new TComboTema(FPlataforma, this);
    ComboTema->setObjectName("ComboTema");
    ComboTema->setFont(Fonte(15));
    ComboTema->setGeometry(72, 227, 306, 31);
    LabelTema->setBuddy(ComboTema);
    LabelTema->adjustSize();

    LabelResumo = Criar<QLabel>(this, "LabelResumo", 12, {12, 267, 366, 32});
    LabelEstado = Criar<QLabel>(this, "LabelEstado", 12, {12, 305, 366, 32});
    for (QLabel* rotulo : {LabelResumo, LabelEstado}) {
        rotulo->setWordWrap(true);
        rotulo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    ProgressBarLote = Criar<QProgressBar>(this, "ProgressBarLote", 12, {12, 347, 366, 21});
    ProgressBarLote->setTextVisible(false);
    ProgressBarLote->setRange(0, 100);
    ProgressBarLote->setValue(0);
    LabelCaminho = Criar<QLabel>(this, "LabelCaminho", 12, {12, 347, 270, 21});
    BitBtnAbrirPasta = Criar<QPushButton>(this, "BitBtnAbrirPasta", 12, {288, 345, 90, 25});
    BitBtnAbrirPasta->setText("&Abrir pasta");
    LabelCaminho->hide();
    BitBtnAbrirPasta->hide();

    BevelApp = Criar<QFrame>(this, "BevelApp", 12, {390, 21, 212, 110});
    BevelApp->setFrameStyle(QFrame::Panel | QFrame::Raised);
    // Centred over the frame, so that any face whose capitals run wider still fits.
    LabelNome = Criar<QLabel>(this, "LabelNome", 40, {392, 33, 208, 54});
    // Bold Liberation runs wider than the semibold face the panel was drawn for.
    QFont fonteNome = Fonte(40, true);
    fonteNome.setLetterSpacing(QFont::AbsoluteSpacing, -1);
    LabelNome->setFont(fonteNome);
    LabelNome->setText("PALVORIN");
    LabelNome->setAlignment(Qt::AlignCenter);
    LabelAutor = Criar<QLabel>(this, "LabelAutor", 17, {392, 81, 208, 23});
    LabelAutor->setText(ParaQString("by " + NOME_AUTOR));
    LabelAutor->setAlignment(Qt::AlignCenter);

    BitBtnGerar = Criar<QPushButton>(this, "BitBtnGerar", 15, {426, 230, 140, 40});
    BitBtnGerar->setText("&Gerar");
    BitBtnCancelar = Criar<QPushButton>(this, "BitBtnCancelar", 15, {426, 279, 140, 40});
    BitBtnCancelar->setText("&Cancelar");
    BitBtnCancelar->setEnabled(false);
    BitBtnSair = Criar<QPushButton>(this, "BitBtnSair", 15, {426, 328, 140, 40});
    BitBtnSair->setText("&Sair");
    BitBtnAjuda = Criar<QPushButton>(this, "BitBtnAjuda", 15, {574, 334, 28, 28});
    BitBtnAjuda->setText("?");
    BitBtnAjuda->setToolTip("Ajuda (F1)");
    BitBtnAjuda->setAccessibleName("Ajuda");
    // Enter presses the button with the focus, as Space does.
    for (QPushButton* botao :
         {BitBtnGerar, BitBtnCancelar, BitBtnSair, BitBtnAjuda, BitBtnAbrirPasta})
        botao->setAutoDefault(true);
}

void TFormMain::RestaurarPreferencias() {
    // Whatever was kept is checked as typed input is: a damaged value is ignored.
    if (const auto lado = InteiroDeTexto(FPlataforma.LerPreferencia(PREF_LADO));
        lado && TamanhoValido(*lado))
        RadioTamanhos[std::size_t(IndiceDoTamanho(*lado))]->setChecked(true);
    if (const auto puzzles = InteiroDeTexto(FPlataforma.LerPreferencia(PREF_PUZZLES));
        puzzles && *puzzles >= MIN_PUZZLES && *puzzles <= MAX_PUZZLES) {
        EditNumPuzzles->setText(QString::number(*puzzles));
        UpDownNumPuzzles->SetPosicao(*puzzles);
    }
    const std::string abrir = FPlataforma.LerPreferencia(PREF_ABRIR_PDF);
    if (abrir == "0" || abrir == "1")
        CheckBoxAbrirPDF->setChecked(abrir == "1");
}

std::string TFormMain::NomeProposto(const std::string& ANome) const {
    const std::filesystem::path pasta =
        ParaCaminho(ParaQString(FPlataforma.LerPreferencia(PREF_PASTA)));
    std::error_code erro;
    if (pasta.empty() || !std::filesystem::is_directory(pasta, erro))
        return ANome;
    return ParaUtf8(CaminhoParaQString(pasta / ParaCaminho(ParaQString(ANome))));
}

void TFormMain::CentrarNoEcra() {
    if (const QScreen* ecra = QGuiApplication::primaryScreen())
        move(ecra->availableGeometry().center() - rect().center());
}

void TFormMain::IniciarDicionario() {
    FErroDicionario.clear();
    try {
        TRelatorioDic relatorio;
        FDic = FMotor.CarregarDicionario(FPlataforma.PastaDoPrograma(), relatorio);
        FListaUsada = relatorio.Lista;
    } catch (const std::exception& e) {
        FDic.reset();
        FErroDicionario = "Não foi possível carregar o dicionário. " + MensagemDoErro(e);
    }
}

void TFormMain::LigarEventos() {
    connect(GrupoTamanhos, &QButtonGroup::idToggled, this, [this](int, bool AMarcado) {
        if (!AMarcado)
            return;
        FPlataforma.GravarPreferencia(PREF_LADO,
                                      std::to_string(TamanhoDoIndice(GrupoTamanhos->checkedId())));
        AtualizarResumo();
    });
    connect(EditNumPuzzles, &QLineEdit::textChanged, this, [this] {
        std::int32_t puzzles = 0;
        if (LerInteiro(*EditNumPuzzles, puzzles) && puzzles >= MIN_PUZZLES &&
            puzzles <= MAX_PUZZLES)
            FPlataforma.GravarPreferencia(PREF_PUZZLES, std::to_string(puzzles));
        AtualizarResumo();
    });
    connect(CheckBoxAbrirPDF, &QCheckBox::toggled, this, [this](bool AMarcado) {
        FPlataforma.GravarPreferencia(PREF_ABRIR_PDF, AMarcado ? "1" : "0");
    });
    connect(EditTituloLivro, &QLineEdit::textChanged, this, [this] {
        MostrarTituloResta();
        AtualizarResumo();
    });
    MostrarTituloResta();
    connect(ComboBoxNivel, &QComboBox::currentIndexChanged, this, [this] { AtualizarResumo(); });
    connect(ComboBoxFormato, &QComboBox::currentIndexChanged, this, [this] {
        // Large print is offered only where its type fits the page.
        const bool cabe = LetraGrandeCabe(FormatoEscolhido());
        if (!cabe)
            CheckBoxLetraGrande->setChecked(false);
        CheckBoxLetraGrande->setEnabled(cabe);
        AtualizarResumo();
    });
    for (QCheckBox* caixa : {CheckBoxLetraGrande, CheckBoxGrafica})
        connect(caixa, &QCheckBox::toggled, this, [this] { AtualizarResumo(); });
    connect(ComboTema, &QComboBox::currentIndexChanged, this, [this] { AtualizarResumo(); });
    connect(BitBtnGerar, &QPushButton::clicked, this, [this] { BitBtnGerarClick(); });
    connect(BitBtnCancelar, &QPushButton::clicked, this, [this] { BitBtnCancelarClick(); });
    connect(BitBtnSair, &QPushButton::clicked, this, [this] { BitBtnSairClick(); });
    const auto ajuda = [this] { FPlataforma.MostrarAjuda(TextoAjuda(), TextoAcerca()); };
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, ajuda);
    connect(BitBtnAjuda, &QPushButton::clicked, this, ajuda);
    connect(BitBtnAbrirPasta, &QPushButton::clicked, this,
            [this] { FPlataforma.AbrirDocumento(FCaminho.parent_path()); });
}

void TFormMain::DefinirLimites(TUpDown& AUpDown, std::int32_t AMin, std::int32_t AMax) {
    // Never leave the minimum above the maximum in between.
    if (AMax < AUpDown.Min()) {
        AUpDown.SetMin(AMin);
        AUpDown.SetMax(AMax);
    } else {
        AUpDown.SetMax(AMax);
        AUpDown.SetMin(AMin);
    }
}

bool TFormMain::LerInteiro(const QLineEdit& AEdit, std::int32_t& AValor) {
    const auto lido = InteiroDeTexto(ParaUtf8(AEdit.text()));
    if (!lido)
        return false;
    AValor = *lido;
    return true;
}

bool TFormMain::LerPedido(TPedidoLivro& APedido, std::string& AMensagem) const {
    APedido = TPedidoLivro{};
    AMensagem.clear();
    const int indice = GrupoTamanhos->checkedId();
    if (indice < 0) {
        AMensagem = "Escolha o tamanho do tabuleiro.";
        return false;
    }
    APedido.Lado = TamanhoDoIndice(indice);
    if (!LerInteiro(*EditNumPuzzles, APedido.NumPuzzles)) {
        AMensagem = "Indique o número de puzzles.";
        return false;
    }
    APedido.Titulo = ParaUtf8(EditTituloLivro->text());
    if (const int nivel = ComboBoxNivel->currentIndex(); nivel > 0)
        APedido.Nivel = NIVEIS[static_cast<std::size_t>(nivel - 1)].Nivel;
    APedido.Formato = FormatoEscolhido();
    APedido.LetraGrande = CheckBoxLetraGrande->isChecked();
    APedido.Grafica = CheckBoxGrafica->isChecked();
    APedido.Tema = ComboTema->Tema();
    return true;
}

TFormatoLivro TFormMain::FormatoEscolhido() const {
    return FormatosLivro[static_cast<std::size_t>(std::max(ComboBoxFormato->currentIndex(), 0))];
}

void TFormMain::AtualizarResumo() {
    if (FAtualizando)
        return;
    FAtualizando = true;
    struct TLimpar {
        bool& Flag;
        ~TLimpar() { Flag = false; }
    } limpar{FAtualizando};
    if (Gerando())
        return;
    // The final line goes with the options it was about.
    MostrarLivroGravado(false);
    LabelResumo->clear();
    BitBtnGerar->setEnabled(false);
    BitBtnCancelar->setEnabled(false);
    if (!FErroDicionario.empty()) {
        MostrarEstado(FErroDicionario);
        return;
    }
    TPedidoLivro pedido;
    std::string mensagem;
    if (LerPedido(pedido, mensagem)) {
        const TAnalise analise = AnalisarOpcoes(pedido);
        LabelResumo->setText(ParaQString(TextoResumo(pedido)));
        MostrarEstado(analise.Motivo);
        BitBtnGerar->setEnabled(analise.PodeGerar());
    } else {
        MostrarEstado(mensagem);
    }
}

void TFormMain::MostrarTituloResta() {
    // UTF-16 units, as the edit's limit counts them.
    const auto resta = std::max<qsizetype>(0, MAX_TITULO - EditTituloLivro->text().size());
    LabelTituloResta->setText(resta == 1 ? QString("resta 1 carácter")
                                         : QString("restam %1 caracteres").arg(resta));
}

void TFormMain::MostrarLivroGravado(bool AMostrar) {
    if (AMostrar) {
        const QString caminho = CaminhoParaQString(FCaminho);
        LabelCaminho->setText(LabelCaminho->fontMetrics().elidedText(caminho, Qt::ElideMiddle,
                                                                     LabelCaminho->width()));
        LabelCaminho->setToolTip(caminho);
    }
    ProgressBarLote->setVisible(!AMostrar);
    LabelCaminho->setVisible(AMostrar);
    BitBtnAbrirPasta->setVisible(AMostrar);
}

void TFormMain::MostrarEstado(const std::string& ATexto) {
    const QString completo = ParaQString(ATexto);
    const QString curto =
        TextoQueCabe(completo, LabelEstado->fontMetrics(), LabelEstado->contentsRect().size());
    LabelEstado->setText(curto);
    LabelEstado->setToolTip(curto == completo ? QString() : completo);
}

} // namespace palvorin
