#include "UnitPalvorinTentativas.hpp"

#include "UnitPalvorinRandom.hpp"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <oneapi/tbb/global_control.h>
#include <oneapi/tbb/info.h>
#include <oneapi/tbb/task_arena.h>
#include <optional>
#include <utility>

namespace palvorin {

std::uint32_t SementeDaTentativa(std::uint32_t ASementeLivro, std::int32_t APosicao,
                                 std::int32_t ATentativa) {
    return DerivarSemente(DerivarSemente(ASementeLivro, static_cast<std::uint32_t>(APosicao) + 1),
                          static_cast<std::uint32_t>(ATentativa));
}

namespace {

// How long the caller waits for a worker before asking its cancellation query again.
constexpr std::chrono::milliseconds ESPERA_MAXIMA{10};

using TChave = std::pair<std::int32_t, std::int32_t>; // position, attempt

enum class TEstadoTentativa { etLivre, etEmCurso, etPronta };

struct TItem {
    std::shared_ptr<const TOpcoesGerador> Opcoes;
    TEstadoTentativa Estado = TEstadoTentativa::etLivre;
    std::atomic<bool> Parar{false};
    TTentativa Resultado;
    std::exception_ptr Erro;
};

// The attempt, or nothing when AParar asked it to stop: a generator cut short may still return
// a puzzle, but not the one an uninterrupted run makes.
std::optional<TTentativa> FazerTentativa(const TDicionario& ADic, const TConfigLivro& AConfig,
                                         const TChave& AChave, const TOpcoesGerador& AOpcoes,
                                         const TConsultaCancelamento& AParar) {
    bool parado = false;
    const TConsultaCancelamento consulta = [&parado, &AParar] {
        parado = parado || (AParar && AParar());
        return parado;
    };
    TTentativa t;
    TEstatisticasGerador estat;
    t.Gerado = GerarPuzzle(ADic, AConfig.Lado,
                           SementeDaTentativa(AConfig.Semente, AChave.first, AChave.second),
                           AOpcoes, consulta, t.Puzzle, estat);
    if (parado)
        return std::nullopt;
    t.ComRaras = estat.ComRaras > 0;
    return t;
}

} // namespace

struct TOficinaTentativas::TPartilha {
    TPartilha(const TDicionario& ADic, const TConfigLivro& AConfig) : Dic(ADic), Config(AConfig) {}

    const TDicionario& Dic;
    const TConfigLivro Config;
    std::mutex Trinco;
    std::condition_variable Mudou;
    std::map<TChave, std::shared_ptr<TItem>> Itens; // in the order workers take them
    std::int32_t NosTrabalhadores = 0;              // attempts a worker is making
    std::int32_t NaFila = 0;                        // queued tasks not yet started
    bool Encerrada = false;

    // Under Trinco: the first attempt nobody has started, now marked as started.
    std::pair<TChave, std::shared_ptr<TItem>> Reservar() {
        for (auto& [chave, item] : Itens)
            if (item->Estado == TEstadoTentativa::etLivre) {
                item->Estado = TEstadoTentativa::etEmCurso;
                return {chave, item};
            }
        return {};
    }

    // Makes a reserved attempt and files its result; a stopped one is dropped. Errors are kept
    // for whoever takes the result: a run that never needs this attempt never sees them.
    void Fazer(const TChave& AChave, const std::shared_ptr<TItem>& AItem,
               const TConsultaCancelamento& AParar) {
        std::optional<TTentativa> resultado;
        std::exception_ptr erro;
        try {
            resultado = FazerTentativa(Dic, Config, AChave, *AItem->Opcoes, AParar);
        } catch (...) {
            erro = std::current_exception();
        }
        const std::lock_guard trinco(Trinco);
        if (resultado || erro) {
            if (resultado)
                AItem->Resultado = std::move(*resultado);
            AItem->Erro = erro;
            AItem->Estado = TEstadoTentativa::etPronta;
        } else if (const auto it = Itens.find(AChave); it != Itens.end() && it->second == AItem) {
            Itens.erase(it);
        }
        Mudou.notify_all();
    }

    // One queued task: makes the most urgent attempt left, if any. A task that starts after the
    // workshop is gone finds it closed and touches nothing else.
    void Trabalhar() {
        std::unique_lock trinco(Trinco);
        --NaFila;
        Mudou.notify_all();
        if (Encerrada)
            return;
        auto [chave, item] = Reservar();
        if (!item)
            return;
        ++NosTrabalhadores;
        trinco.unlock();
        Fazer(chave, item, [&item = item] { return item->Parar.load(); });
        trinco.lock();
        --NosTrabalhadores;
        Mudou.notify_all();
    }
};

struct TOficinaTentativas::TFios {
    explicit TFios(std::int32_t ATrabalhadores) : Arena(ATrabalhadores, 0) {
        // By default the library keeps one worker per core; more were asked for.
        if (ATrabalhadores + 1 > oneapi::tbb::info::default_concurrency())
            Limite.emplace(oneapi::tbb::global_control::max_allowed_parallelism,
                           static_cast<std::size_t>(ATrabalhadores) + 1);
    }

    std::optional<oneapi::tbb::global_control> Limite;
    oneapi::tbb::task_arena Arena;
};

TOficinaTentativas::TOficinaTentativas(const TDicionario& ADic, const TConfigLivro& AConfig,
                                       std::int32_t ATrabalhadores)
    : FTrabalhadores(std::max(ATrabalhadores, 0)),
      FPartilha(std::make_shared<TPartilha>(ADic, AConfig)) {
    if (FTrabalhadores > 0)
        FFios = std::make_unique<TFios>(FTrabalhadores);
}

TOficinaTentativas::~TOficinaTentativas() {
    std::unique_lock trinco(FPartilha->Trinco);
    FPartilha->Encerrada = true;
    for (auto& [chave, item] : FPartilha->Itens)
        item->Parar = true;
    FPartilha->Itens.clear();
    // Queued tasks find the workshop closed and return at once; waiting for them too means none
    // is left holding the shared part when the program ends.
    FPartilha->Mudou.wait(
        trinco, [this] { return FPartilha->NosTrabalhadores == 0 && FPartilha->NaFila == 0; });
}

void TOficinaTentativas::Pedir(std::int32_t APosicao, std::int32_t ATentativa,
                               const std::shared_ptr<const TOpcoesGerador>& AOpcoes) {
    if (!FFios)
        return;
    const TChave chave{APosicao, ATentativa};
    const std::lock_guard trinco(FPartilha->Trinco);
    if (FPartilha->Itens.contains(chave))
        return;
    auto item = std::make_shared<TItem>();
    item->Opcoes = AOpcoes;
    const auto it = FPartilha->Itens.emplace(chave, std::move(item)).first;
    try {
        // The library may release a task a moment after it ran, past the workshop's end, so
        // tasks hold the shared part.
        FFios->Arena.enqueue([partilha = FPartilha] { partilha->Trabalhar(); });
        ++FPartilha->NaFila;
    } catch (...) {
        FPartilha->Itens.erase(it);
        throw;
    }
}

TTentativa TOficinaTentativas::Obter(std::int32_t APosicao, std::int32_t ATentativa,
                                     const TOpcoesGerador& AOpcoes,
                                     const TConsultaCancelamento& ACancelado) {
    bool cancelado = false;
    const TConsultaCancelamento consulta = [&cancelado, &ACancelado] {
        cancelado = cancelado || (ACancelado && ACancelado());
        return cancelado;
    };
    TPartilha& p = *FPartilha;
    const TChave chave{APosicao, ATentativa};
    std::unique_lock trinco(p.Trinco);
    for (;;) {
        const auto it = p.Itens.find(chave);
        if (it == p.Itens.end() || it->second->Estado == TEstadoTentativa::etLivre) {
            if (it != p.Itens.end())
                p.Itens.erase(it);
            trinco.unlock();
            return FazerTentativa(p.Dic, p.Config, chave, AOpcoes, consulta).value_or(TTentativa{});
        }
        if (it->second->Estado == TEstadoTentativa::etPronta) {
            const std::shared_ptr<TItem> item = it->second;
            p.Itens.erase(it);
            if (item->Erro)
                std::rethrow_exception(item->Erro);
            return std::move(item->Resultado);
        }
        // A worker is on it: make another attempt meanwhile, or wait a little.
        if (auto [outra, item] = p.Reservar(); item) {
            trinco.unlock();
            p.Fazer(outra, item, consulta);
        } else {
            p.Mudou.wait_for(trinco, ESPERA_MAXIMA);
            trinco.unlock();
            consulta();
        }
        if (cancelado)
            return {};
        trinco.lock();
    }
}

void TOficinaTentativas::Esquecer(std::int32_t APosicao) {
    const std::lock_guard trinco(FPartilha->Trinco);
    auto& itens = FPartilha->Itens;
    const auto fim = itens.lower_bound({APosicao + 1, 0});
    for (auto it = itens.begin(); it != fim; ++it)
        it->second->Parar = true;
    itens.erase(itens.begin(), fim);
}

} // namespace palvorin
