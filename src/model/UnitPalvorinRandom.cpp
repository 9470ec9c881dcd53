#include "UnitPalvorinRandom.hpp"

#include "UnitPalvorinTipos.hpp"

#include <chrono>

namespace palvorin {

namespace {
constexpr std::uint64_t MULTIPLICADOR = 6364136223846793005ULL;
}

TGeradorAleatorio::TGeradorAleatorio(std::uint32_t ASemente) {
    Iniciar(Misturar64(ASemente), SEQUENCIA_PADRAO);
}

void TGeradorAleatorio::Iniciar(std::uint64_t AEstadoInicial, std::uint64_t ASequencia) {
    FEstado = 0;
    FIncremento = (ASequencia << 1) | 1;
    ProximoU32();
    FEstado += AEstadoInicial;
    ProximoU32();
}

std::uint32_t TGeradorAleatorio::ProximoU32() {
    const std::uint64_t old = FEstado;
    FEstado = old * MULTIPLICADOR + FIncremento;
    const auto x = static_cast<std::uint32_t>(((old >> 18) ^ old) >> 27);
    const auto r = static_cast<std::uint32_t>(old >> 59);
    return (x >> r) | (x << ((32 - r) & 31));
}

std::int32_t TGeradorAleatorio::Limite(std::int32_t ALimite) {
    if (ALimite <= 0)
        throw EInterno("TGeradorAleatorio.Limite: limite tem de ser positivo");
    const auto n = static_cast<std::uint32_t>(ALimite);
    const std::uint32_t limiar = (0u - n) % n;
    std::uint32_t v;
    do
        v = ProximoU32();
    while (v < limiar);
    return static_cast<std::int32_t>(v % n);
}

double TGeradorAleatorio::Real01() {
    const std::uint32_t a = ProximoU32() >> 5;
    const std::uint32_t b = ProximoU32() >> 6;
    return (a * 67108864.0 + b) / 9007199254740992.0;
}

std::uint64_t Misturar64(std::uint64_t x) {
    std::uint64_t z = x + 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint32_t DerivarSemente(std::uint32_t A, std::uint32_t B) {
    return static_cast<std::uint32_t>(Misturar64((static_cast<std::uint64_t>(A) << 32) | B));
}

std::uint32_t SementeDoRelogio() {
    const auto t =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return static_cast<std::uint32_t>(Misturar64(t ^ (t >> 32)));
}

} // namespace palvorin
