#pragma once

#include "UnitPalvorinGravarFicheiro.hpp"
#include "UnitPalvorinMotor.hpp"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace palvorin {

// How a run ended, as its owner is told.
struct TFimCorrida {
    std::int32_t Pedidos = 0;
    std::uint32_t Semente = 0; // shown in the final line
    TRelatorioLivro Relatorio;
    std::int32_t Puzzles = 0;
    std::optional<TLivroGravado> Gravado; // what the written file holds
    std::optional<std::string> Erro;
    // The puzzles were made and only their writing failed: the book, to be written again.
    std::shared_ptr<const TDadosLivro> LivroPorGravar;
    // Ended by Interromper: its owner is closing, and asks nothing more of the user.
    bool Interrompida = false;
};

// What a run tells its owner, always on the owner's thread.
struct TEventosCorrida {
    std::function<void(std::int32_t AAtual, std::int32_t ATotal)> AoProgredir;
    // The book is complete and is being written; it can no longer be cancelled.
    std::function<void()> AoGravar;
    std::function<void(const TFimCorrida& AFim)> AoAcabar;
    // The question asked when the owner wants to close during a run: true cancels it and
    // closes once it has wound down.
    std::function<bool()> ConfirmarSaida;
    // Carries out the close that was put off until the run's end.
    std::function<void()> Fechar;
};

// Hands work to the owner's thread, to run there later, in the order given.
using TPublicar = std::function<void(std::function<void()>)>;

// One book's run, without any widget: generating and writing on a thread of its own,
// cancelling, a close during the run and the end that waits for the close question. Every
// call and every event happens on the owner's thread; the worker only publishes.
class TCorridaLivro {
public:
    // AInterrupcao, read on the worker, says the whole program was asked to end: the run
    // stops at once, without waiting for its owner to hear of it.
    TCorridaLivro(TMotorLivro AMotor, TPublicar APublicar, TEventosCorrida AEventos,
                  TPedidoParagem AInterrupcao = {});
    // Stops the worker and waits for it: a write already started ends whole or not at all.
    ~TCorridaLivro();
    TCorridaLivro(const TCorridaLivro&) = delete;
    TCorridaLivro& operator=(const TCorridaLivro&) = delete;

    // Generates ALivro's puzzles (its Config and Lista are used) with ADic, which must
    // outlive the run, and writes them to ACaminho. False while a run is under way.
    bool Iniciar(const TDicionario& ADic, TDadosLivro ALivro, std::filesystem::path ACaminho);
    // Writes a book whose puzzles are already made, as a run that only writes.
    bool Regravar(std::shared_ptr<const TDadosLivro> ALivro, std::filesystem::path ACaminho);

    // The user's cancel; false when there is nothing left to cancel (no run, already
    // cancelling, or writing).
    bool Cancelar();
    // Whether the owner may close now; during a run asks ConfirmarSaida first.
    bool PedirFecho();
    // The program was asked to end: cancels without a question, abandons a write under way
    // (its temporary file goes) and closes at the end. False when no run is under way.
    bool Interromper();

    bool Ativa() const { return FAtiva; }
    bool ACancelar() const { return FCancelar; }

private:
    void Lancar(std::function<void(TFimCorrida&, std::stop_token)> AEtapas);
    void Publicar(std::function<void()> AAcao);
    void Progredir(std::int32_t AAtual, std::int32_t ATotal);
    void ComecarAGravar();
    void Acabar(TFimCorrida AFim);
    void Gravar(const std::shared_ptr<const TDadosLivro>& ALivro,
                const std::filesystem::path& ACaminho, TFimCorrida& AFim);
    bool Parar(const std::stop_token& AParar) const;

    TMotorLivro FMotor;
    TPublicar FPublicar;
    TEventosCorrida FEventos;
    TPedidoParagem FInterrupcao;
    bool FAtiva = false;
    bool FCancelar = false;
    bool FGravando = false;
    bool FFecharNoFim = false;
    bool FPerguntando = false;
    std::optional<TFimCorrida> FFimAdiado;
    std::atomic<bool> FInterrompida = false;
    // Published work checks it, so that nothing reaches a run that is gone.
    std::shared_ptr<int> FVida = std::make_shared<int>(0);
    // Last member, so that it is stopped and joined before anything the worker reads goes.
    std::jthread FTrabalho;
};

} // namespace palvorin
