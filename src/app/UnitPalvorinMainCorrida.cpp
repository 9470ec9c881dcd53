// The window's generation run: the worker thread and what the window does with its reports.
#include "UnitPalvorinErros.hpp"
#include "UnitPalvorinMain.hpp"
#include "UnitPalvorinOpcoes.hpp"
#include "UnitPalvorinPlano.hpp"
#include "UnitPalvorinRandom.hpp"
#include "UnitPalvorinTextos.hpp"

#include <QCloseEvent>
#include <algorithm>
#include <exception>

namespace palvorin {

void TFormMain::DefinirOcupado(bool AOcupado) {
    FGerando = AOcupado;
    if (AOcupado) {
        // Cancelar takes the focus before Gerar goes grey, which would pass it on to Sair.
        BitBtnCancelar->setEnabled(true);
        BitBtnCancelar->setFocus();
        GroupBoxLivro->setEnabled(false);
        BitBtnGerar->setEnabled(false);
        return;
    }
    FGravando = false;
    GroupBoxLivro->setEnabled(true);
    BitBtnGerar->setEnabled(true);
    BitBtnGerar->setFocus();
    BitBtnCancelar->setEnabled(false);
    ProgressBarLote->setValue(0);
}

void TFormMain::GerarLivroPdf() {
    if (FGerando || !FDic)
        return;
    TConfigLivro config;
    std::string mensagem;
    if (!LerConfig(config, mensagem)) {
        MostrarEstado(mensagem);
        return;
    }
    const TAnalise analise = AnalisarOpcoes(config);
    if (!analise.PodeGerar) {
        MostrarEstado(analise.Motivo);
        return;
    }
    config.Semente = SementeDoRelogio();
    const auto caminho =
        FPlataforma.EscolherFicheiroPdf(NomeFicheiroPadrao(config.Lado, config.NumPuzzles));
    if (!caminho)
        return;

    FCancelar = false;
    FCaminho = *caminho;
    DefinirOcupado(true);
    ProgressBarLote->setRange(0, config.NumPuzzles);
    ProgressBarLote->setValue(0);
    IniciarCorrida(config, *caminho);
}

void TFormMain::IniciarCorrida(const TConfigLivro& AConfig, const std::filesystem::path& ACaminho) {
    // The worker touches no control: everything it has to say goes through the window's queue.
    FTrabalho = std::jthread([this, AConfig, ACaminho, dic = FDic.get(), motor = FMotor,
                              lista = FListaUsada](std::stop_token AParar) {
        const auto naJanela = [this](auto AAcao) {
            QMetaObject::invokeMethod(this, std::move(AAcao), Qt::QueuedConnection);
        };
        TFimCorrida fim;
        fim.Pedidos = AConfig.NumPuzzles;
        fim.Semente = AConfig.Semente;
        try {
            TDadosLivro livro;
            livro.Config = AConfig;
            livro.Lista = lista;
            livro.Puzzles = motor.GerarLivro(
                *dic, AConfig,
                [&](std::int32_t AAtual, std::int32_t ATotal, bool& ACancelar) {
                    naJanela([this, AAtual, ATotal] { MostrarProgresso(AAtual, ATotal); });
                    if (AParar.stop_requested())
                        ACancelar = true;
                },
                fim.Relatorio);
            fim.Puzzles = static_cast<std::int32_t>(livro.Puzzles.size());
            if (!fim.Relatorio.Cancelado && fim.Puzzles > 0) {
                naJanela([this] { MostrarGravacao(); });
                motor.GravarLivroPdf(ACaminho, livro);
            }
        } catch (const std::exception& e) {
            fim.Erro = MensagemDoErro(e);
        }
        naJanela([this, fim] { AcabarCorrida(fim); });
    });
}

void TFormMain::MostrarProgresso(std::int32_t AAtual, std::int32_t ATotal) {
    // Reports already on their way when Cancelar was pressed would hide "A cancelar…".
    if (!FGerando || FCancelar || FGravando)
        return;
    ProgressBarLote->setRange(0, ATotal);
    ProgressBarLote->setValue(AAtual);
    MostrarEstado(TextoProgresso(std::min(AAtual, ATotal - 1), ATotal));
}

void TFormMain::MostrarGravacao() {
    // The writer cannot be stopped halfway, so Cancelar has nothing left to cancel.
    FGravando = true;
    BitBtnCancelar->setEnabled(false);
    MostrarEstado("A gravar o PDF\u2026");
}

void TFormMain::AcabarCorrida(const TFimCorrida& AFim) {
    if (FPerguntando) {
        FFimAdiado = AFim;
        return;
    }
    if (AFim.Erro) {
        MostrarEstado("Erro: " + *AFim.Erro);
        FPlataforma.Mensagem(TTipoMensagem::tmErro,
                             "Não foi possível gerar o livro.\r\n" + *AFim.Erro);
    } else if (AFim.Relatorio.Cancelado) {
        MostrarEstado(TextoCancelado(AFim.Relatorio.Gerados, AFim.Pedidos));
    } else if (AFim.Puzzles == 0) {
        MostrarEstado(TEXTO_NENHUM_PUZZLE);
    } else {
        const std::string final =
            TextoLivroGeradoComSemente(AFim.Puzzles, NumPaginasDoLivro(AFim.Puzzles), AFim.Semente);
        MostrarEstado(final);
        if (!AFim.Relatorio.Falhas.empty())
            FPlataforma.Mensagem(TTipoMensagem::tmAviso,
                                 final + "\r\n" + TextoFalhas(AFim.Relatorio));
        if (CheckBoxAbrirPDF->isChecked())
            FPlataforma.AbrirDocumento(FCaminho);
    }
    DefinirOcupado(false);
    if (FFecharNoFim) {
        FFecharNoFim = false;
        close();
    }
}

void TFormMain::BitBtnCancelarClick() {
    if (!FGerando)
        return;
    FCancelar = true;
    FTrabalho.request_stop();
    BitBtnCancelar->setEnabled(false);
    MostrarEstado("A cancelar\u2026");
}

void TFormMain::FormCloseQuery(bool& APodeFechar) {
    APodeFechar = !FGerando;
    if (APodeFechar)
        return;
    FPerguntando = true;
    const TResposta resposta =
        FPlataforma.Mensagem(TTipoMensagem::tmConfirmacao, TextoConfirmarSaida());
    FPerguntando = false;
    if (resposta == TResposta::rsSim) {
        FCancelar = true;
        FFecharNoFim = true;
        FTrabalho.request_stop();
    }
    // Not from here: closing inside a close event would be ignored.
    if (FFimAdiado) {
        QMetaObject::invokeMethod(
            this, [this, fim = *FFimAdiado] { AcabarCorrida(fim); }, Qt::QueuedConnection);
        FFimAdiado.reset();
    }
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
