// The window's run without a window: the owner's thread is a plain queue the test turns.
#include "ConfigLivro.hpp"
#include "MotorFalso.hpp"
#include "UnitPalvorinCorridaLivro.hpp"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <thread>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

// The owner's thread: work published to it runs only when the test turns the queue.
class TFila {
public:
    void Publicar(std::function<void()> ATarefa) {
        {
            std::lock_guard bloqueio(FMutex);
            FTarefas.push_back(std::move(ATarefa));
        }
        FAviso.notify_all();
    }
    // Runs published work until APronto holds; false when no work came for a long while.
    bool RodarAte(const std::function<bool()>& APronto) {
        while (!APronto()) {
            std::function<void()> tarefa;
            {
                std::unique_lock bloqueio(FMutex);
                if (!FAviso.wait_for(bloqueio, std::chrono::seconds(30),
                                     [this] { return !FTarefas.empty(); }))
                    return false;
                tarefa = std::move(FTarefas.front());
                FTarefas.pop_front();
            }
            tarefa();
        }
        return true;
    }
    void RodarPendentes() {
        for (;;) {
            std::function<void()> tarefa;
            {
                std::lock_guard bloqueio(FMutex);
                if (FTarefas.empty())
                    return;
                tarefa = std::move(FTarefas.front());
                FTarefas.pop_front();
            }
            tarefa();
        }
    }
    // From the worker: runs AAcao on the owner's thread and waits for it.
    void NaDona(const std::function<void()>& AAcao) {
        std::promise<void> feito;
        Publicar([&] {
            AAcao();
            feito.set_value();
        });
        feito.get_future().wait();
    }

private:
    std::mutex FMutex;
    std::condition_variable FAviso;
    std::deque<std::function<void()>> FTarefas;
};

const TListaUsada LISTA{false, "/lista/Dicionario.txt", std::string(64, 'b')};

class CorridaLivro : public ::testing::Test {
protected:
    TFila fila;
    TGeracaoFalsa geracao;
    TGravacaoFalsa gravacao;
    TDicionario dic;
    std::atomic<bool> interrupcao = false;
    // What the owner was told, in order: "progresso 1/3", "gravar", "perguntar", "fim …",
    // "fechar".
    std::vector<std::string> eventos;
    std::optional<TFimCorrida> fim;
    bool respostaSair = false;
    std::function<void()> aoPerguntar;
    // Runs on the owner's thread at pass n (1-based): after every report of the generator
    // that did not stop it, and right before the write; the generator reads a cancel it
    // causes at its next report.
    std::function<void(std::size_t)> acao;
    std::size_t passagens = 0;
    std::unique_ptr<TCorridaLivro> corrida;

    void SetUp() override {
        geracao.ReportesPorPuzzle = 1;
        const auto passagem = [this] {
            fila.NaDona([this] {
                ++passagens;
                if (acao)
                    acao(passagens);
            });
        };
        geracao.AposReporte = passagem;
        gravacao.AntesDeGravar = passagem;
        TEventosCorrida e;
        e.AoProgredir = [this](std::int32_t AAtual, std::int32_t ATotal) {
            eventos.push_back("progresso " + std::to_string(AAtual) + "/" + std::to_string(ATotal));
        };
        e.AoGravar = [this] { eventos.push_back("gravar"); };
        e.AoAcabar = [this](const TFimCorrida& AFim) {
            fim = AFim;
            eventos.push_back("fim");
        };
        e.ConfirmarSaida = [this] {
            eventos.push_back("perguntar");
            if (aoPerguntar)
                aoPerguntar();
            return respostaSair;
        };
        e.Fechar = [this] { eventos.push_back("fechar"); };
        corrida = std::make_unique<TCorridaLivro>(
            MotorFalso(geracao, gravacao), [this](auto ATarefa) { fila.Publicar(ATarefa); }, e,
            [this] { return interrupcao.load(); });
    }

    TDadosLivro Livro(int APuzzles) {
        return TDadosLivro{
            ConfigDoLivro({.NumPuzzles = APuzzles, .Lado = 9, .Semente = 77}), {}, LISTA};
    }
    // Forgets what the last case of a table left, before the next one runs.
    void NovoCaso() {
        fim.reset();
        eventos.clear();
        passagens = 0;
        gravacao.Chamadas.clear();
        gravacao.Paradas = 0;
        interrupcao = false;
    }
    void Correr(int APuzzles) {
        ASSERT_TRUE(corrida->Iniciar(dic, Livro(APuzzles), "/tmp/livro.pdf"));
        ASSERT_TRUE(fila.RodarAte([this] { return fim.has_value(); }));
        fila.RodarPendentes();
        EXPECT_FALSE(corrida->Ativa());
    }
};

TEST_F(CorridaLivro, GeraEGravaDizendoTudoPorOrdem) {
    Correr(2);
    EXPECT_EQ(eventos,
              (std::vector<std::string>{"progresso 0/2", "progresso 0/2", "progresso 1/2",
                                        "progresso 1/2", "progresso 2/2", "gravar", "fim"}));
    ASSERT_EQ(gravacao.Chamadas.size(), 1u);
    EXPECT_EQ(gravacao.Chamadas[0].first, "/tmp/livro.pdf");
    EXPECT_EQ(gravacao.Chamadas[0].second.Puzzles.size(), 2u);
    EXPECT_EQ(gravacao.Chamadas[0].second.Config, geracao.Chamadas.at(0));
    EXPECT_EQ(gravacao.Chamadas[0].second.Lista, LISTA);
    EXPECT_TRUE(fim->Gravado);
    EXPECT_EQ(fim->Puzzles, 2);
    EXPECT_EQ(fim->Pedidos, 2);
    EXPECT_EQ(fim->Semente, 77u);
    EXPECT_FALSE(fim->Erro);
    EXPECT_FALSE(fim->Interrompida);
    // A second run after the first.
    fim.reset();
    Correr(1);
    EXPECT_EQ(gravacao.Chamadas.size(), 2u);
}

TEST_F(CorridaLivro, UmaCorridaDeCadaVez) {
    acao = [this](std::size_t APassagem) {
        if (APassagem == 1) {
            EXPECT_FALSE(corrida->Iniciar(dic, Livro(1), "/tmp/outro.pdf"));
            EXPECT_FALSE(corrida->Regravar(std::make_shared<TDadosLivro>(Livro(1)), "/tmp/x"));
        }
    };
    Correr(2);
    EXPECT_EQ(geracao.Chamadas.size(), 1u);
    EXPECT_EQ(gravacao.Chamadas.size(), 1u);
}

TEST_F(CorridaLivro, Cancelar) {
    // 2 puzzles with one throttled report each: passes 1-4 are positions, 5 the final report
    // (whose cancel is ignored), 6 the moment before the write.
    struct {
        std::size_t passagem;
        bool aceite;
        bool gravado;
        int gerados;
    } casos[] = {{1, true, false, 0}, {3, true, false, 1}, {5, true, true, 2}, {6, false, true, 2}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.passagem);
        NovoCaso();
        std::size_t eventosAoCancelar = 0;
        acao = [&](std::size_t APassagem) {
            if (APassagem != c.passagem)
                return;
            EXPECT_EQ(corrida->Cancelar(), c.aceite);
            EXPECT_EQ(corrida->ACancelar(), c.aceite);
            // Once cancelling, nothing more to cancel.
            EXPECT_FALSE(corrida->Cancelar());
            eventosAoCancelar = eventos.size();
        };
        Correr(2);
        EXPECT_EQ(fim->Relatorio.Cancelado, !c.gravado);
        EXPECT_EQ(fim->Relatorio.Gerados, c.gerados);
        EXPECT_EQ(fim->Gravado.has_value(), c.gravado);
        EXPECT_EQ(gravacao.Chamadas.size(), c.gravado ? 1u : 0u);
        // After a cancel, no progress reaches the owner, even the reports already sent.
        if (c.aceite && !c.gravado) {
            EXPECT_EQ(eventos.size(), eventosAoCancelar + 1);
            EXPECT_EQ(eventos.back(), "fim");
        }
        EXPECT_FALSE(corrida->Cancelar());
    }
}

TEST_F(CorridaLivro, FecharDuranteACorrida) {
    struct {
        std::size_t passagem;
        bool sair;
        bool gravado;
    } casos[] = {
        {2, false, true}, {2, true, false}, {5, true, true}, // the final report: too late to cancel
        {6, true, true},                                     // writing
        {6, false, true},
    };
    EXPECT_TRUE(corrida->PedirFecho());
    EXPECT_TRUE(eventos.empty());
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.passagem << " " << c.sair);
        NovoCaso();
        respostaSair = c.sair;
        acao = [&](std::size_t APassagem) {
            if (APassagem == c.passagem) {
                EXPECT_FALSE(corrida->PedirFecho());
                EXPECT_EQ(eventos.back(), "perguntar");
            }
        };
        Correr(2);
        EXPECT_EQ(fim->Gravado.has_value(), c.gravado);
        EXPECT_EQ(std::count(eventos.begin(), eventos.end(), "perguntar"), 1);
        // The close waits for the end, and comes after it.
        const std::vector<std::string> cauda = {"fim", "fechar"};
        EXPECT_EQ(std::vector<std::string>(eventos.end() - (c.sair ? 2 : 1), eventos.end()),
                  c.sair ? cauda : std::vector<std::string>{"fim"});
        EXPECT_TRUE(corrida->PedirFecho());
    }
}

TEST_F(CorridaLivro, FimComAPerguntaAbertaEsperaPelaResposta) {
    for (const bool sair : {true, false}) {
        SCOPED_TRACE(sair);
        NovoCaso();
        respostaSair = sair;
        // The run ends while the question is open: the end is published after the write.
        std::atomic<bool> depoisDeGravar = false;
        bool fimRodado = false; // the end has reached the owner, who is still asking
        corrida = nullptr;
        TEventosCorrida e;
        e.AoAcabar = [&](const TFimCorrida& AFim) {
            fim = AFim;
            eventos.push_back("fim");
        };
        e.ConfirmarSaida = [&] {
            eventos.push_back("perguntar");
            EXPECT_TRUE(fila.RodarAte([&] { return fimRodado; }));
            fila.RodarPendentes();
            EXPECT_FALSE(fim);
            return respostaSair;
        };
        e.Fechar = [&] { eventos.push_back("fechar"); };
        TMotorLivro motor = MotorFalso(geracao, gravacao);
        const auto gravar = motor.GravarLivroPdf;
        motor.GravarLivroPdf = [&, gravar](const std::filesystem::path& ACaminho,
                                           const TDadosLivro& ALivro,
                                           const TPedidoParagem& AParar) {
            const auto gravado = gravar(ACaminho, ALivro, AParar);
            depoisDeGravar = true;
            return gravado;
        };
        corrida = std::make_unique<TCorridaLivro>(
            motor,
            [&](auto ATarefa) {
                // Marked when the owner runs it, not when it is queued, so the owner cannot
                // look between the two and wait for work that has already come.
                if (!depoisDeGravar)
                    return fila.Publicar(ATarefa);
                fila.Publicar([&, ATarefa] {
                    ATarefa();
                    fimRodado = true;
                });
            },
            e);
        acao = [&](std::size_t APassagem) {
            if (APassagem == 2)
                fila.Publicar([&] { EXPECT_FALSE(corrida->PedirFecho()); });
        };
        Correr(2);
        EXPECT_TRUE(fim->Gravado);
        const std::vector<std::string> esperados =
            sair ? std::vector<std::string>{"perguntar", "fim", "fechar"}
                 : std::vector<std::string>{"perguntar", "fim"};
        EXPECT_EQ(eventos, esperados);
    }
}

TEST_F(CorridaLivro, InterromperCancelaSemPerguntarEFecha) {
    // Through the owner (a signal it heard) or read by the worker itself, at a position,
    // at the final report, or as the write is about to start: the file is never written.
    struct {
        std::size_t passagem;
        bool peloTrabalho;
        int gerados;
        bool gerouTudo;
    } casos[] = {{1, false, 0, false},
                 {3, true, 1, false},
                 {5, false, 2, true},
                 {6, false, 2, true},
                 {6, true, 2, true}};
    EXPECT_FALSE(corrida->Interromper());
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.passagem << " " << c.peloTrabalho);
        NovoCaso();
        acao = [&](std::size_t APassagem) {
            if (APassagem != c.passagem)
                return;
            if (c.peloTrabalho) {
                interrupcao = true;
                return;
            }
            EXPECT_TRUE(corrida->Interromper());
            // A close asked meanwhile is already on its way, and asks nothing.
            EXPECT_FALSE(corrida->PedirFecho());
        };
        Correr(2);
        EXPECT_TRUE(gravacao.Chamadas.empty());
        EXPECT_FALSE(fim->Gravado);
        EXPECT_EQ(fim->Puzzles, c.gerados);
        EXPECT_EQ(fim->Relatorio.Cancelado, !c.gerouTudo);
        EXPECT_EQ(gravacao.Paradas, c.gerouTudo ? 1 : 0);
        EXPECT_EQ(std::count(eventos.begin(), eventos.end(), "perguntar"), 0);
        EXPECT_EQ(fim->Interrompida, !c.peloTrabalho);
        EXPECT_EQ(eventos.back(), c.peloTrabalho ? "fim" : "fechar");
    }
}

TEST_F(CorridaLivro, ErrosEOLivroPorGravar) {
    struct {
        bool naGravacao;
    } casos[] = {{false}, {true}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.naGravacao);
        fim.reset();
        geracao.Erro.reset();
        gravacao.Erro.reset();
        gravacao.Chamadas.clear();
        (c.naGravacao ? gravacao.Erro : geracao.Erro) = "disco cheio";
        Correr(3);
        EXPECT_EQ(fim->Erro, "disco cheio");
        EXPECT_FALSE(fim->Gravado);
        // Only a failed write keeps the puzzles, to be written elsewhere.
        ASSERT_EQ(fim->LivroPorGravar != nullptr, c.naGravacao);
    }
    const auto livro = fim->LivroPorGravar;
    EXPECT_EQ(livro->Puzzles.size(), 3u);
    EXPECT_EQ(livro->Lista, LISTA);
    const std::size_t geracoes = geracao.Chamadas.size();
    for (const bool falha : {true, false}) {
        SCOPED_TRACE(falha);
        fim.reset();
        gravacao.Erro = falha ? std::optional<std::string>("sem espaço") : std::nullopt;
        ASSERT_TRUE(corrida->Regravar(livro, "/tmp/outro.pdf"));
        ASSERT_TRUE(fila.RodarAte([this] { return fim.has_value(); }));
        EXPECT_EQ(fim->Gravado.has_value(), !falha);
        EXPECT_EQ(fim->LivroPorGravar, falha ? livro : nullptr);
        EXPECT_EQ(fim->Puzzles, 3);
        EXPECT_EQ(fim->Semente, 77u);
    }
    EXPECT_EQ(geracao.Chamadas.size(), geracoes);
    ASSERT_FALSE(gravacao.Chamadas.empty());
    EXPECT_EQ(gravacao.Chamadas.back().first, "/tmp/outro.pdf");
    EXPECT_EQ(gravacao.Chamadas.back().second.Puzzles.size(), 3u);
}

TEST_F(CorridaLivro, DestruidaDuranteACorridaParaEEsqueceOQueFaltava) {
    // A generator that goes on reporting, without waiting for the owner, until told to stop.
    std::atomic<bool> comecou = false;
    TMotorLivro motor = MotorFalso(geracao, gravacao);
    motor.GerarLivro = [&](const TDicionario&, const TConfigLivro&,
                           const TProgressoLivro& AProgresso, TRelatorioLivro& ARel) {
        bool cancelar = false;
        while (!cancelar) {
            AProgresso(0, 5, cancelar);
            comecou = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ARel.Cancelado = true;
        return std::vector<TPuzzle>{};
    };
    int depois = 0;
    TEventosCorrida e;
    e.AoProgredir = [&](std::int32_t, std::int32_t) { ++depois; };
    e.AoAcabar = [&](const TFimCorrida&) { ++depois; };
    corrida = std::make_unique<TCorridaLivro>(
        motor, [this](auto ATarefa) { fila.Publicar(ATarefa); }, e);
    ASSERT_TRUE(corrida->Iniciar(dic, Livro(5), "/tmp/livro.pdf"));
    while (!comecou)
        std::this_thread::yield();
    corrida.reset();
    fila.RodarPendentes();
    EXPECT_EQ(depois, 0);
    EXPECT_TRUE(gravacao.Chamadas.empty());
}

} // namespace
