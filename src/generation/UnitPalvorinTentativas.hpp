#pragma once

#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinGerador.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cstdint>
#include <memory>

namespace palvorin {

// What one attempt at a position gave.
struct TTentativa {
    bool Gerado = false; // false: the puzzle generator gave up, or was stopped
    TPuzzle Puzzle;
    bool ComRaras = false;
};

// The seed of attempt ATentativa at position APosicao (both 0-based) of a book. Its derivation
// decides every book: raise PALVORIN_REVISAO_GERADOR if it changes.
std::uint32_t SementeDaTentativa(std::uint32_t ASementeLivro, std::int32_t APosicao,
                                 std::int32_t ATentativa);

// The attempts at the positions of one book, made on the caller's thread or, ahead of need, by
// worker threads. An attempt depends only on its position, its number and its options, so which
// thread made it, and when, never shows in its result.
class TOficinaTentativas {
public:
    // ATrabalhadores: worker threads besides the caller's, or fewer when the system cannot start
    // that many (Trabalhadores says how many); 0 makes every attempt on the caller's.
    TOficinaTentativas(const TDicionario& ADic, std::int32_t ALado, std::uint32_t ASementeLivro,
                       std::int32_t ATrabalhadores);
    // Stops the attempts under way and waits for them.
    ~TOficinaTentativas();
    TOficinaTentativas(const TOficinaTentativas&) = delete;
    TOficinaTentativas& operator=(const TOficinaTentativas&) = delete;

    std::int32_t Trabalhadores() const { return FTrabalhadores; }

    // Hands an attempt to the workers, who take the lowest position first, then the lowest
    // attempt. Nothing happens without workers or when it was handed out already.
    void Pedir(std::int32_t APosicao, std::int32_t ATentativa,
               const std::shared_ptr<const TOpcoesGerador>& AOpcoes);
    // The attempt's result: taken when a worker made it, made here when nobody started it,
    // waited for when a worker is on it (meanwhile making other handed-out attempts, and asking
    // ACancelado at least every few milliseconds). ACancelado runs only on this thread; once it
    // answers true the result is an empty TTentativa. An exception raised while making the
    // attempt is raised here.
    TTentativa Obter(std::int32_t APosicao, std::int32_t ATentativa, const TOpcoesGerador& AOpcoes,
                     const TConsultaCancelamento& ACancelado);
    // Forgets every attempt of the positions up to APosicao; those under way are stopped.
    void Esquecer(std::int32_t APosicao);

private:
    struct TPartilha;
    struct TFios;
    std::shared_ptr<TPartilha> FPartilha; // also held by every worker thread
    std::unique_ptr<TFios> FFios;
    std::int32_t FTrabalhadores = 0;
};

} // namespace palvorin
