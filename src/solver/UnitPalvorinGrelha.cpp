#include "UnitPalvorinGrelha.hpp"

#include <array>
#include <numeric>
#include <string>
#include <utility>

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

    bool LinhaSemDuplas(std::int32_t ALinha) const { return CorridasDaLinha(ALinha, 2) == 0; }

    bool ColunaSemDuplas(std::int32_t AColuna) const { return CorridasDaColuna(AColuna, 2) == 0; }

    // White runs of exactly AComprimento cells in a row or a column.
    std::int32_t CorridasDaLinha(std::int32_t ALinha, std::int32_t AComprimento) const {
        return Corridas([&](std::int32_t i) { return Preta(ALinha, i); }, AComprimento);
    }

    std::int32_t CorridasDaColuna(std::int32_t AColuna, std::int32_t AComprimento) const {
        return Corridas([&](std::int32_t i) { return Preta(i, AColuna); }, AComprimento);
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

    // Every rule, after the cells AP and AQ were blackened.
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
    template <typename TPretaEm>
    std::int32_t Corridas(TPretaEm APretaEm, std::int32_t AComprimento) const {
        std::int32_t total = 0;
        std::int32_t corrida = 0;
        for (std::int32_t i = 0; i <= FLado; ++i) {
            if (i == FLado || APretaEm(i)) {
                total += corrida == AComprimento ? 1 : 0;
                corrida = 0;
            } else {
                ++corrida;
            }
        }
        return total;
    }

    const TPadrao& FPretas;
    std::int32_t FLado;
};

// Slots of 3 cells, kept per row and per column, so that a move recounts only the rows and
// columns of the two cells it blackened.
class TCurtas {
public:
    TCurtas(const TRegras& ARegras, std::int32_t ALado) : FRegras(ARegras), FLado(ALado) {
        for (std::int32_t i = 0; i < ALado; ++i) {
            FLinhas.push_back(ARegras.CorridasDaLinha(i, 3));
            FColunas.push_back(ARegras.CorridasDaColuna(i, 3));
            FTotal += FLinhas.back() + FColunas.back();
        }
    }

    std::int32_t Total() const { return FTotal; }

    // The total once the cells AP and AQ are black; Aceitar makes it the current one.
    std::int32_t Recontar(std::int32_t AP, std::int32_t AQ) {
        FNovoTotal = FTotal;
        FNumMudancas = 0;
        const std::int32_t rp = AP / FLado, cp = AP % FLado;
        const std::int32_t rq = AQ / FLado, cq = AQ % FLado;
        Mudar(FLinhas[rp], FRegras.CorridasDaLinha(rp, 3));
        if (rq != rp)
            Mudar(FLinhas[rq], FRegras.CorridasDaLinha(rq, 3));
        Mudar(FColunas[cp], FRegras.CorridasDaColuna(cp, 3));
        if (cq != cp)
            Mudar(FColunas[cq], FRegras.CorridasDaColuna(cq, 3));
        return FNovoTotal;
    }

    void Aceitar() {
        for (std::int32_t i = 0; i < FNumMudancas; ++i)
            *FMudancas[i].first = FMudancas[i].second;
        FTotal = FNovoTotal;
    }

private:
    void Mudar(std::int32_t& AContagem, std::int32_t ANova) {
        FNovoTotal += ANova - AContagem;
        FMudancas[FNumMudancas++] = {&AContagem, ANova};
    }

    const TRegras& FRegras;
    std::int32_t FLado;
    std::vector<std::int32_t> FLinhas;
    std::vector<std::int32_t> FColunas;
    std::int32_t FTotal = 0;
    std::int32_t FNovoTotal = 0;
    std::array<std::pair<std::int32_t*, std::int32_t>, 4> FMudancas{};
    std::int32_t FNumMudancas = 0;
};

} // namespace

TPadrao GerarPadrao(std::int32_t ALado, TGeradorAleatorio& AGer, double ADensidade,
                    double AProbEvitarCurtas) {
    if (ALado < LADO_MINIMO_PADRAO || ALado % 2 == 0)
        throw EInterno("GerarPadrao: o lado tem de ser ímpar e pelo menos " +
                       std::to_string(LADO_MINIMO_PADRAO));
    const std::int32_t n = ALado * ALado;
    TPadrao pretas(n, false);
    std::vector<std::int32_t> ordem(n);
    std::iota(ordem.begin(), ordem.end(), 0);
    Baralhar(AGer, ordem);

    const TRegras regras(pretas, ALado);
    TCurtas curtas(regras, ALado);
    const double alvo = ADensidade * n;
    std::int32_t numPretas = 0;
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
            if (curtas.Recontar(p, q) > curtas.Total() && AGer.Real01() < AProbEvitarCurtas)
                aceite = false;
            else
                curtas.Aceitar();
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
        throw EInterno("CasaDaRanhura: índice fora da ranhura");
    if (ARanhura.Horizontal)
        return ARanhura.Linha * ALado + ARanhura.Coluna + AK;
    return (ARanhura.Linha + AK) * ALado + ARanhura.Coluna;
}

bool PadraoTemLadoPorLado(const TPadrao& APretas, std::int32_t ALado) {
    return ALado >= 0 &&
           APretas.size() == static_cast<std::size_t>(ALado) * static_cast<std::size_t>(ALado);
}

} // namespace palvorin
