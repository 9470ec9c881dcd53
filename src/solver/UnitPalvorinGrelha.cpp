#include "UnitPalvorinGrelha.hpp"

#include <numeric>
#include <string>

namespace palvorin {

namespace {

// Fisher-Yates from the end: exactly size - 1 draws.
void Baralhar(TGeradorAleatorio& AGer, std::vector<std::int32_t>& AValores) {
    for (auto i = static_cast<std::int32_t>(AValores.size()) - 1; i >= 1; --i) {
        const std::int32_t j = AGer.Limite(i + 1);
        std::swap(AValores[i], AValores[j]);
    }
}

// Reads a pattern under construction; every rule re-examines only what one move can break,
// apart from the two whole-board checks.
class TRegras {
public:
    TRegras(const TPadrao& APretas, std::int32_t ALado) : FPretas(APretas), FLado(ALado) {}

    bool LinhaSemDuplas(std::int32_t ALinha) const {
        return SemDuplas([&](std::int32_t i) { return Preta(ALinha, i); });
    }

    bool ColunaSemDuplas(std::int32_t AColuna) const {
        return SemDuplas([&](std::int32_t i) { return Preta(i, AColuna); });
    }

    bool TemBlocoPreto2x2(std::int32_t ALinha, std::int32_t AColuna) const {
        for (std::int32_t r = ALinha - 1; r <= ALinha; ++r)
            for (std::int32_t c = AColuna - 1; c <= AColuna; ++c) {
                if (r < 0 || c < 0 || r > FLado - 2 || c > FLado - 2)
                    continue;
                if (Preta(r, c) && Preta(r, c + 1) && Preta(r + 1, c) && Preta(r + 1, c + 1))
                    return true;
            }
        return false;
    }

    std::int32_t PrimeiraCasaIsolada() const {
        for (std::int32_t r = 0; r < FLado; ++r)
            for (std::int32_t c = 0; c < FLado; ++c) {
                if (Preta(r, c))
                    continue;
                const bool vizinha =
                    (c > 0 && !Preta(r, c - 1)) || (c + 1 < FLado && !Preta(r, c + 1)) ||
                    (r > 0 && !Preta(r - 1, c)) || (r + 1 < FLado && !Preta(r + 1, c));
                if (!vizinha)
                    return r * FLado + c;
            }
        return -1;
    }

    bool BrancasLigadas() const {
        const std::int32_t n = FLado * FLado;
        std::int32_t brancas = 0;
        std::int32_t inicio = -1;
        for (std::int32_t p = 0; p < n; ++p)
            if (!FPretas[p]) {
                ++brancas;
                if (inicio < 0)
                    inicio = p;
            }
        if (inicio < 0)
            return false;
        std::vector<bool> marcada(n, false);
        std::vector<std::int32_t> pilha;
        pilha.reserve(n);
        pilha.push_back(inicio);
        marcada[inicio] = true;
        std::int32_t alcancadas = 1;
        auto empurrar = [&](std::int32_t p) {
            if (!FPretas[p] && !marcada[p]) {
                marcada[p] = true;
                ++alcancadas;
                pilha.push_back(p);
            }
        };
        while (!pilha.empty()) {
            const std::int32_t p = pilha.back();
            pilha.pop_back();
            const std::int32_t r = p / FLado;
            const std::int32_t c = p % FLado;
            if (r > 0)
                empurrar(p - FLado);
            if (r + 1 < FLado)
                empurrar(p + FLado);
            if (c > 0)
                empurrar(p - 1);
            if (c + 1 < FLado)
                empurrar(p + 1);
        }
        return alcancadas == brancas;
    }

    // R1 to R5 after the cells AP and AQ were blackened.
    bool Cumpridas(std::int32_t AP, std::int32_t AQ) const {
        const std::int32_t rp = AP / FLado, cp = AP % FLado;
        const std::int32_t rq = AQ / FLado, cq = AQ % FLado;
        return LinhaSemDuplas(rp) && LinhaSemDuplas(rq) && ColunaSemDuplas(cp) &&
               ColunaSemDuplas(cq) && !TemBlocoPreto2x2(rp, cp) && !TemBlocoPreto2x2(rq, cq) &&
               PrimeiraCasaIsolada() == -1 && BrancasLigadas();
    }

private:
    bool Preta(std::int32_t ALinha, std::int32_t AColuna) const {
        return FPretas[ALinha * FLado + AColuna];
    }

    // Scans positions 0..Lado, the last counting as black.
    template <typename TPretaEm> bool SemDuplas(TPretaEm APretaEm) const {
        std::int32_t corrida = 0;
        for (std::int32_t i = 0; i <= FLado; ++i) {
            if (i == FLado || APretaEm(i)) {
                if (corrida == 2)
                    return false;
                corrida = 0;
            } else {
                ++corrida;
            }
        }
        return true;
    }

    const TPadrao& FPretas;
    std::int32_t FLado;
};

} // namespace

TPadrao GerarPadrao(std::int32_t ALado, TGeradorAleatorio& AGer, double ADensidade,
                    double AProbEvitarCurtas) {
    if (ALado < LADO_MINIMO_PADRAO || ALado % 2 == 0)
        throw EPalvorin("GerarPadrao: o lado tem de ser ímpar e pelo menos " +
                        std::to_string(LADO_MINIMO_PADRAO));
    const std::int32_t n = ALado * ALado;
    TPadrao pretas(n, false);
    std::vector<std::int32_t> ordem(n);
    std::iota(ordem.begin(), ordem.end(), 0);
    Baralhar(AGer, ordem);

    const TRegras regras(pretas, ALado);
    const double alvo = ADensidade * n;
    std::int32_t numPretas = 0;
    std::int32_t curtas = 0;
    for (std::int32_t idx = 0; idx < n; ++idx) {
        if (static_cast<double>(numPretas) >= alvo)
            break;
        const std::int32_t p = ordem[idx];
        if (pretas[p])
            continue;
        const std::int32_t q = n - 1 - p;
        pretas[p] = true;
        pretas[q] = true;
        bool aceite = regras.Cumpridas(p, q);
        if (aceite && AProbEvitarCurtas > 0) {
            const std::int32_t k = ContarRanhurasDeComprimento(pretas, ALado, 3);
            if (k > curtas && AGer.Real01() < AProbEvitarCurtas)
                aceite = false;
            else
                curtas = k;
        }
        if (aceite) {
            numPretas += (p == q) ? 1 : 2;
        } else {
            pretas[p] = false;
            pretas[q] = false;
        }
    }
    return pretas;
}

std::vector<TRanhura> ExtrairRanhuras(const TPadrao& APretas, std::int32_t ALado) {
    std::vector<TRanhura> ranhuras;
    for (const bool horizontal : {true, false}) {
        for (std::int32_t linha = 0; linha < ALado; ++linha) {
            std::int32_t inicio = -1;
            for (std::int32_t i = 0; i <= ALado; ++i) {
                const std::int32_t casa = horizontal ? linha * ALado + i : i * ALado + linha;
                if (i < ALado && !APretas[casa]) {
                    if (inicio < 0)
                        inicio = i;
                    continue;
                }
                if (inicio >= 0 && i - inicio >= 2) {
                    if (horizontal)
                        ranhuras.push_back({linha, inicio, true, i - inicio});
                    else
                        ranhuras.push_back({inicio, linha, false, i - inicio});
                }
                inicio = -1;
            }
        }
    }
    return ranhuras;
}

std::int32_t CasaDaRanhura(const TRanhura& ARanhura, std::int32_t AK, std::int32_t ALado) {
    if (AK < 0 || AK >= ARanhura.Comprimento)
        throw EPalvorin("CasaDaRanhura: índice fora da ranhura");
    if (ARanhura.Horizontal)
        return ARanhura.Linha * ALado + ARanhura.Coluna + AK;
    return (ARanhura.Linha + AK) * ALado + ARanhura.Coluna;
}

bool PadraoTemLadoPorLado(const TPadrao& APretas, std::int32_t ALado) {
    return ALado >= 0 &&
           APretas.size() == static_cast<std::size_t>(ALado) * static_cast<std::size_t>(ALado);
}

std::int32_t ContarRanhurasDeComprimento(const TPadrao& APretas, std::int32_t ALado,
                                         std::int32_t AComprimento) {
    std::int32_t total = 0;
    for (const TRanhura& r : ExtrairRanhuras(APretas, ALado))
        if (r.Comprimento == AComprimento)
            ++total;
    return total;
}

} // namespace palvorin
