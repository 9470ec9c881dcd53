// What the window shows of a run, and the window's part in cancelling and closing.
#include "UnitPalvorinErros.hpp"
#include "UnitPalvorinMain.hpp"
#include "UnitPalvorinOpcoes.hpp"
#include "UnitPalvorinPlano.hpp"
#include "UnitPalvorinQtTexto.hpp"
#include "UnitPalvorinRandom.hpp"
#include "UnitPalvorinTextos.hpp"

#include <QCloseEvent>
#include <QKeyEvent>
#include <algorithm>

namespace palvorin {

TEventosCorrida TFormMain::EventosDaCorrida() {
    TEventosCorrida eventos;
    eventos.AoProgredir = [this](std::int32_t AAtual, std::int32_t ATotal) {
        MostrarProgresso(AAtual, ATotal);
    };
    eventos.AoGravar = [this] { MostrarGravacao(); };
    eventos.AoAcabar = [this](const TFimCorrida& AFim) { AcabarCorrida(AFim); };
    eventos.ConfirmarSaida = [this] {
        return FPlataforma.Mensagem(TTipoMensagem::tmConfirmacao, TextoConfirmarSaida()) ==
               TResposta::rsSim;
    };
    eventos.Fechar = [this] { close(); };
    return eventos;
}

void TFormMain::DefinirOcupado(bool AOcupado) {
    ComboBoxNivel->setEnabled(!AOcupado);
    LabelNivel->setEnabled(!AOcupado);
    PainelPaginas->setEnabled(!AOcupado);
    LabelTema->setEnabled(!AOcupado);
    ComboTema->setEnabled(!AOcupado);
    if (AOcupado) {
        MostrarLivroGravado(false);
        // Cancelar takes the focus before Gerar goes grey, which would pass it on to Sair.
        BitBtnCancelar->setEnabled(true);
        BitBtnCancelar->setFocus();
        GroupBoxLivro->setEnabled(false);
        BitBtnGerar->setEnabled(false);
        return;
    }
    GroupBoxLivro->setEnabled(true);
    BitBtnGerar->setEnabled(true);
    BitBtnGerar->setFocus();
    BitBtnCancelar->setEnabled(false);
    ProgressBarLote->setValue(0);
}

void TFormMain::GerarLivroPdf() {
    if (Gerando() || !FDic)
        return;
    TPedidoLivro pedido;
    std::string mensagem;
    if (!LerPedido(pedido, mensagem)) {
        MostrarEstado(mensagem);
        return;
    }
    pedido.Semente = SementeDoRelogio();
    const TAnalise analise = AnalisarOpcoes(pedido);
    if (!analise.PodeGerar()) {
        MostrarEstado(analise.Motivo);
        return;
    }
    const TConfigLivro& config = *analise.Config;
    const auto caminho = FPlataforma.EscolherFicheiroPdf(
        NomeProposto(NomeFicheiroPadrao(config.Lado(), config.NumPuzzles())));
    if (!caminho)
        return;
    FPlataforma.GravarPreferencia(PREF_PASTA, ParaUtf8(CaminhoParaQString(caminho->parent_path())));

    TDadosLivro livro{.Config = config, .Puzzles = {}, .Lista = FListaUsada};
    if (!FCorrida.Iniciar(*FDic, std::move(livro), *caminho))
        return;
    FCaminho = *caminho;
    DefinirOcupado(true);
    ProgressBarLote->setRange(0, config.NumPuzzles());
    ProgressBarLote->setValue(0);
}

void TFormMain::MostrarProgresso(std::int32_t AAtual, std::int32_t ATotal) {
    ProgressBarLote->setRange(0, ATotal);
    ProgressBarLote->setValue(AAtual);
    MostrarEstado(TextoProgresso(std::min(AAtual, ATotal - 1), ATotal));
}

void TFormMain::MostrarGravacao() {
    // The writer cannot be stopped halfway, so Cancelar has nothing left to cancel.
    DesativarCancelar();
    MostrarEstado("A gravar o PDF\u2026");
}

void TFormMain::AcabarCorrida(const TFimCorrida& AFim) {
    if (AFim.Erro && AFim.LivroPorGravar) {
        MostrarEstado(TextoErro(*AFim.Erro));
        DefinirOcupado(false);
        if (!AFim.Interrompida)
            OferecerOutroFicheiro(AFim);
        return;
    }
    if (AFim.Erro) {
        MostrarEstado(TextoErro(*AFim.Erro));
        if (!AFim.Interrompida)
            FPlataforma.Mensagem(TTipoMensagem::tmErro,
                                 "Não foi possível gerar o livro.\r\n" + *AFim.Erro);
    } else if (AFim.Relatorio.Cancelado || (AFim.Puzzles > 0 && !AFim.Gravado)) {
        MostrarEstado(TextoCancelado(AFim.Relatorio.Gerados, AFim.Pedidos));
    } else if (AFim.Puzzles == 0) {
        MostrarEstado(TEXTO_NENHUM_PUZZLE);
    } else {
        const std::string final =
            TextoLivroGeradoComSemente(AFim.Puzzles, AFim.Gravado->Paginas, AFim.Semente);
        MostrarEstado(final);
        MostrarLivroGravado(true);
        if (!AFim.Interrompida) {
            if (!AFim.Relatorio.Falhas.empty())
                FPlataforma.Mensagem(TTipoMensagem::tmAviso,
                                     final + "\r\n" + TextoFalhas(AFim.Relatorio));
            if (CheckBoxAbrirPDF->isChecked())
                FPlataforma.AbrirDocumento(FCaminho);
        }
    }
    DefinirOcupado(false);
}

void TFormMain::OferecerOutroFicheiro(const TFimCorrida& AFim) {
    // The puzzles are made: only the file failed, so they are kept for another one.
    const std::string pergunta = "O livro foi gerado, mas não foi possível gravá-lo.\r\n" +
                                 *AFim.Erro + "\r\nGravar o mesmo livro noutro ficheiro?";
    if (FPlataforma.Mensagem(TTipoMensagem::tmConfirmacao, pergunta) != TResposta::rsSim)
        return;
    const auto caminho =
        FPlataforma.EscolherFicheiroPdf(ParaUtf8(CaminhoParaQString(FCaminho.filename())));
    if (!caminho || !FCorrida.Regravar(AFim.LivroPorGravar, *caminho))
        return;
    FCaminho = *caminho;
    DefinirOcupado(true);
    ProgressBarLote->setRange(0, 1);
    ProgressBarLote->setValue(1);
}

void TFormMain::BitBtnCancelarClick() {
    if (!FCorrida.Cancelar())
        return;
    DesativarCancelar();
    MostrarEstado("A cancelar\u2026");
}

void TFormMain::DesativarCancelar() {
    // Qt would pass the focus on to Sair, where one Space or Enter quits: the window keeps
    // it, and Esc still reaches the window.
    if (BitBtnCancelar->hasFocus())
        setFocus();
    BitBtnCancelar->setEnabled(false);
}

void TFormMain::keyPressEvent(QKeyEvent* AEvento) {
    if (AEvento->key() != Qt::Key_Escape || AEvento->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(AEvento);
        return;
    }
    // As the close box: during a run it asks first, so that one stray key never throws away
    // a long run.
    close();
}

void TFormMain::FormCloseQuery(bool& APodeFechar) {
    APodeFechar = FCorrida.PedirFecho();
}

void TFormMain::Interromper() {
    FPlataforma.FecharCaixas();
    if (!FCorrida.Interromper())
        close();
}

void TFormMain::closeEvent(QCloseEvent* AEvento) {
    bool podeFechar = true;
    FormCloseQuery(podeFechar);
    if (podeFechar)
        AEvento->accept();
    else
        AEvento->ignore();
}

} // namespace palvorin
