#pragma once

#include "UnitPalvorinMain.hpp"
#include "UnitPalvorinMotor.hpp"
#include "UnitPalvorinPlataforma.hpp"

#include <QCoreApplication>
#include <QMetaObject>
#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace palvorin::teste {

// Runs AAcao on the window's thread and waits for it: a worker calls it to act at a chosen
// moment of a run, after the window has handled everything the worker sent before.
inline void NaJanela(const std::function<void()>& AAcao) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), AAcao, Qt::BlockingQueuedConnection);
}

// The desktop as a script: answers from queues, everything it is asked in one log.
class TPlataformaFalsa : public IPlataforma {
public:
    std::deque<TResposta> Respostas;
    // Runs while a confirmation is open, as the events a real modal box handles meanwhile.
    std::function<void()> AoPerguntar;
    std::optional<std::filesystem::path> Ficheiro;
    std::filesystem::path Pasta = "/pasta/do/programa/";

    std::vector<std::string> Propostos;
    std::vector<std::string> Registo; // "aviso: ...", "erro: ...", "confirmar: ...", "abrir: ..."

    TResposta Mensagem(TTipoMensagem ATipo, const std::string& ATexto) override {
        static const char* const NOMES[] = {"aviso: ", "erro: ", "confirmar: "};
        Registo.push_back(NOMES[int(ATipo)] + ATexto);
        if (ATipo != TTipoMensagem::tmConfirmacao)
            return TResposta::rsOk;
        if (AoPerguntar)
            AoPerguntar();
        const TResposta resposta = Respostas.empty() ? TResposta::rsNao : Respostas.front();
        if (!Respostas.empty())
            Respostas.pop_front();
        return resposta;
    }
    std::optional<std::filesystem::path>
    EscolherFicheiroPdf(const std::string& ANomeProposto) override {
        Propostos.push_back(ANomeProposto);
        return Ficheiro;
    }
    void AbrirDocumento(const std::filesystem::path& ACaminho) override {
        Registo.push_back("abrir: " + ACaminho.string());
    }
    std::filesystem::path PastaDoPrograma() override { return Pasta; }
};

// A book generator that keeps GerarLivro's protocol (a report at each position,
// throttled reports inside it, the final report whose cancel is ignored) with
// a scripted outcome per position. It runs on the window's worker thread.
struct TGeracaoFalsa {
    int ReportesPorPuzzle = 2;
    // After every report that did not stop the run.
    std::function<void()> AposReporte;
    // When a report asked it to stop, before it returns.
    std::function<void()> AoParar;
    std::vector<int> PosicoesFalhadas;
    std::optional<std::string> Erro;
    std::vector<TConfigLivro> Chamadas;

    std::vector<TPuzzle> operator()(const TConfigLivro& AConfig, const TProgressoLivro& AProgresso,
                                    TRelatorioLivro& ARel) {
        Chamadas.push_back(AConfig);
        ARel = TRelatorioLivro{};
        ARel.Pedidos = AConfig.NumPuzzles;
        std::vector<TPuzzle> puzzles;
        bool cancelar = false;
        const auto reportar = [&](int APosicao, bool& ACancelar) {
            AProgresso(APosicao, AConfig.NumPuzzles, ACancelar);
            if (!ACancelar && AposReporte)
                AposReporte();
        };
        for (int i = 0; i < AConfig.NumPuzzles && !cancelar; ++i) {
            reportar(i, cancelar);
            for (int r = 0; r < ReportesPorPuzzle && !cancelar; ++r)
                reportar(i, cancelar);
            if (cancelar) {
                if (AoParar)
                    AoParar();
                break;
            }
            if (Erro && i == AConfig.NumPuzzles - 1)
                throw EPalvorin(*Erro);
            if (std::find(PosicoesFalhadas.begin(), PosicoesFalhadas.end(), i) !=
                PosicoesFalhadas.end()) {
                ARel.Falhas.push_back("Puzzle " + std::to_string(i + 1) +
                                      ": não foi possível gerar um puzzle");
                continue;
            }
            TPuzzle puzzle;
            puzzle.Lado = AConfig.Lado;
            puzzle.Letras = std::string(std::size_t(AConfig.Lado * AConfig.Lado), '#');
            puzzles.push_back(puzzle);
        }
        ARel.Cancelado = cancelar;
        if (!cancelar) {
            bool ignorado = false;
            reportar(AConfig.NumPuzzles, ignorado);
        }
        ARel.Gerados = int(puzzles.size());
        return puzzles;
    }
};

struct TGravacaoFalsa {
    std::optional<std::string> Erro;
    std::function<void()> AntesDeGravar;
    std::vector<std::pair<std::filesystem::path, TDadosLivro>> Chamadas;

    void operator()(const std::filesystem::path& ACaminho, const TDadosLivro& ALivro) {
        if (AntesDeGravar)
            AntesDeGravar();
        Chamadas.emplace_back(ACaminho, ALivro);
        if (Erro)
            throw EPalvorin(*Erro);
    }
};

} // namespace palvorin::teste
