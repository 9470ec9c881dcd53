#include "UnitPalvorinCorridaLivro.hpp"

#include "UnitPalvorinErros.hpp"

#include <exception>

namespace palvorin {

TCorridaLivro::TCorridaLivro(TMotorLivro AMotor, TPublicar APublicar, TEventosCorrida AEventos,
                             TPedidoParagem AInterrupcao)
    : FMotor(std::move(AMotor)), FPublicar(std::move(APublicar)), FEventos(std::move(AEventos)),
      FInterrupcao(std::move(AInterrupcao)) {}

TCorridaLivro::~TCorridaLivro() = default;

bool TCorridaLivro::Iniciar(const TDicionario& ADic, TDadosLivro ALivro,
                            std::filesystem::path ACaminho) {
    if (FAtiva)
        return false;
    Lancar([this, &ADic, livro = std::move(ALivro),
            caminho = std::move(ACaminho)](TFimCorrida& AFim, std::stop_token AParar) mutable {
        AFim.Pedidos = livro.Config.NumPuzzles();
        AFim.Semente = livro.Config.Semente();
        livro.Puzzles = FMotor.GerarLivro(
            ADic, livro.Config,
            [&](std::int32_t AAtual, std::int32_t ATotal, bool& ACancelar) {
                Publicar([this, AAtual, ATotal] { Progredir(AAtual, ATotal); });
                if (Parar(AParar))
                    ACancelar = true;
            },
            AFim.Relatorio);
        AFim.Puzzles = static_cast<std::int32_t>(livro.Puzzles.size());
        if (!AFim.Relatorio.Cancelado && AFim.Puzzles > 0)
            Gravar(std::make_shared<const TDadosLivro>(std::move(livro)), caminho, AFim);
    });
    return true;
}

bool TCorridaLivro::Regravar(std::shared_ptr<const TDadosLivro> ALivro,
                             std::filesystem::path ACaminho) {
    if (FAtiva || !ALivro)
        return false;
    Lancar([this, livro = std::move(ALivro), caminho = std::move(ACaminho)](TFimCorrida& AFim,
                                                                            std::stop_token) {
        AFim.Pedidos = livro->Config.NumPuzzles();
        AFim.Semente = livro->Config.Semente();
        AFim.Puzzles = static_cast<std::int32_t>(livro->Puzzles.size());
        AFim.Relatorio.Pedidos = AFim.Pedidos;
        AFim.Relatorio.Gerados = AFim.Puzzles;
        Gravar(livro, caminho, AFim);
    });
    return true;
}

void TCorridaLivro::Lancar(std::function<void(TFimCorrida&, std::stop_token)> AEtapas) {
    FAtiva = true;
    FCancelar = false;
    FGravando = false;
    FFecharNoFim = false;
    FInterrompida = false;
    // Assigning joins the previous worker, which has already published its end.
    FTrabalho = std::jthread([this, etapas = std::move(AEtapas)](std::stop_token AParar) {
        TFimCorrida fim;
        try {
            etapas(fim, AParar);
        } catch (const std::exception& e) {
            fim.Erro = MensagemDoErro(e);
        }
        Publicar([this, fim = std::move(fim)] { Acabar(fim); });
    });
}

void TCorridaLivro::Gravar(const std::shared_ptr<const TDadosLivro>& ALivro,
                           const std::filesystem::path& ACaminho, TFimCorrida& AFim) {
    Publicar([this] { ComecarAGravar(); });
    try {
        // Only the end of the program stops a write: the user's cancel has gone grey by now.
        AFim.Gravado = FMotor.GravarLivroPdf(ACaminho, *ALivro, [this] {
            return FInterrompida || (FInterrupcao && FInterrupcao());
        });
    } catch (const std::exception& e) {
        AFim.Erro = MensagemDoErro(e);
        AFim.LivroPorGravar = ALivro;
    }
}

bool TCorridaLivro::Parar(const std::stop_token& AParar) const {
    return AParar.stop_requested() || (FInterrupcao && FInterrupcao());
}

void TCorridaLivro::Publicar(std::function<void()> AAcao) {
    FPublicar([vida = std::weak_ptr<int>(FVida), acao = std::move(AAcao)] {
        if (!vida.expired())
            acao();
    });
}

void TCorridaLivro::Progredir(std::int32_t AAtual, std::int32_t ATotal) {
    // Reports already on their way when the cancel came would hide that it is cancelling.
    if (!FAtiva || FCancelar || FGravando)
        return;
    if (FEventos.AoProgredir)
        FEventos.AoProgredir(AAtual, ATotal);
}

void TCorridaLivro::ComecarAGravar() {
    FGravando = true;
    if (FEventos.AoGravar)
        FEventos.AoGravar();
}

void TCorridaLivro::Acabar(TFimCorrida AFim) {
    if (FPerguntando) {
        FFimAdiado = std::move(AFim);
        return;
    }
    FAtiva = false;
    FGravando = false;
    AFim.Interrompida = FInterrompida;
    if (FEventos.AoAcabar)
        FEventos.AoAcabar(AFim);
    if (FFecharNoFim) {
        FFecharNoFim = false;
        if (FEventos.Fechar)
            FEventos.Fechar();
    }
}

bool TCorridaLivro::Cancelar() {
    if (!FAtiva || FCancelar || FGravando)
        return false;
    FCancelar = true;
    FTrabalho.request_stop();
    return true;
}

bool TCorridaLivro::PedirFecho() {
    if (!FAtiva)
        return true;
    if (FPerguntando || FInterrompida)
        return false;
    FPerguntando = true;
    const bool sair = FEventos.ConfirmarSaida && FEventos.ConfirmarSaida();
    FPerguntando = false;
    if (sair) {
        FCancelar = true;
        FFecharNoFim = true;
        FTrabalho.request_stop();
    }
    // Handled from the queue: the owner is still inside its close request, where a close
    // would be lost.
    if (FFimAdiado) {
        Publicar([this, fim = std::move(*FFimAdiado)] { Acabar(fim); });
        FFimAdiado.reset();
    }
    return false;
}

bool TCorridaLivro::Interromper() {
    if (!FAtiva)
        return false;
    FInterrompida = true;
    FCancelar = true;
    FFecharNoFim = true;
    FTrabalho.request_stop();
    return true;
}

} // namespace palvorin
