#include "UnitPalvorinTentativas.hpp"

#include "UnitPalvorinRandom.hpp"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <new>
#include <optional>
#include <sys/mman.h>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

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
std::optional<TTentativa> FazerTentativa(const TDicionario& ADic, std::int32_t ALado,
                                         std::uint32_t ASementeLivro, const TChave& AChave,
                                         const TOpcoesGerador& AOpcoes,
                                         const TConsultaCancelamento& AParar) {
    bool parado = false;
    const TConsultaCancelamento consulta = [&parado, &AParar] {
        parado = parado || (AParar && AParar());
        return parado;
    };
    TTentativa t;
    TEstatisticasGerador estat;
    t.Gerado =
        GerarPuzzle(ADic, ALado, SementeDaTentativa(ASementeLivro, AChave.first, AChave.second),
                    AOpcoes, consulta, t.Puzzle, estat);
    if (parado)
        return std::nullopt;
    t.ComRaras = estat.ComRaras > 0;
    return t;
}

} // namespace

struct TOficinaTentativas::TPartilha {
    TPartilha(const TDicionario& ADic, std::int32_t ALado, std::uint32_t ASementeLivro)
        : Dic(ADic), Lado(ALado), SementeLivro(ASementeLivro) {}

    const TDicionario& Dic;
    const std::int32_t Lado;
    const std::uint32_t SementeLivro;
    std::mutex Trinco;
    std::condition_variable Mudou;
    std::map<TChave, std::shared_ptr<TItem>> Itens; // in the order workers take them
    std::int32_t NaFila = 0; // attempts handed out that no worker has looked for yet
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
            resultado = FazerTentativa(Dic, Lado, SementeLivro, AChave, *AItem->Opcoes, AParar);
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

    // A worker thread's life: makes the most urgent attempt handed out, until the workshop
    // closes.
    void Servir() {
        std::unique_lock trinco(Trinco);
        for (;;) {
            Mudou.wait(trinco, [this] { return NaFila > 0 || Encerrada; });
            if (Encerrada)
                return;
            --NaFila;
            auto [chave, item] = Reservar();
            if (!item)
                continue;
            trinco.unlock();
            Fazer(chave, item, [&item = item] { return item->Parar.load(); });
            trinco.lock();
        }
    }
};

namespace {

// What a worker's attempts may need of the heap, beyond its stack.
constexpr std::size_t MEMORIA_POR_FIO = std::size_t{16} << 20;

// Whether the address space still holds the heap of AFios workers and one more. Under a memory
// limit the stacks alone would otherwise take it all, and the attempts would fail for memory.
bool CabeMaisUm(std::size_t AFios) {
    const std::size_t bytes = (AFios + 1) * MEMORIA_POR_FIO;
    void* reserva =
        mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (reserva == MAP_FAILED)
        return false;
    munmap(reserva, bytes);
    return true;
}

} // namespace

// The worker threads, all started here, on the caller's thread: a system that cannot give that
// many (a process or memory limit) gives fewer workers, and the book is the same. Started later,
// from inside a worker, a failure could only end the program.
struct TOficinaTentativas::TFios {
    TFios(const std::shared_ptr<TPartilha>& APartilha, std::int32_t AQuantos) {
        for (std::int32_t i = 0; i < AQuantos && CabeMaisUm(Fios.size()); ++i) {
            try {
                Fios.emplace_back([APartilha] { APartilha->Servir(); });
            } catch (const std::system_error&) {
                break;
            } catch (const std::bad_alloc&) {
                break;
            }
        }
    }

    std::vector<std::thread> Fios;
};

TOficinaTentativas::TOficinaTentativas(const TDicionario& ADic, std::int32_t ALado,
                                       std::uint32_t ASementeLivro, std::int32_t ATrabalhadores)
    : FPartilha(std::make_shared<TPartilha>(ADic, ALado, ASementeLivro)),
      FFios(std::make_unique<TFios>(FPartilha, std::max(ATrabalhadores, 0))) {
    FTrabalhadores = static_cast<std::int32_t>(FFios->Fios.size());
}

TOficinaTentativas::~TOficinaTentativas() {
    {
        const std::lock_guard trinco(FPartilha->Trinco);
        FPartilha->Encerrada = true;
        for (auto& [chave, item] : FPartilha->Itens)
            item->Parar = true;
        FPartilha->Itens.clear();
    }
    FPartilha->Mudou.notify_all();
    for (std::thread& fio : FFios->Fios)
        fio.join();
}

void TOficinaTentativas::Pedir(std::int32_t APosicao, std::int32_t ATentativa,
                               const std::shared_ptr<const TOpcoesGerador>& AOpcoes) {
    if (FTrabalhadores == 0)
        return;
    const TChave chave{APosicao, ATentativa};
    {
        const std::lock_guard trinco(FPartilha->Trinco);
        if (FPartilha->Itens.contains(chave))
            return;
        auto item = std::make_shared<TItem>();
        item->Opcoes = AOpcoes;
        FPartilha->Itens.emplace(chave, std::move(item));
        ++FPartilha->NaFila;
    }
    FPartilha->Mudou.notify_all();
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
            return FazerTentativa(p.Dic, p.Lado, p.SementeLivro, chave, AOpcoes, consulta)
                .value_or(TTentativa{});
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
