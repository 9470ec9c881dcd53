#include "UnitPalvorinResolucaoHumana.hpp"

#include "UnitPalvorinGrelha.hpp"

#include <algorithm>
#include <span>
#include <utility>
#include <vector>

namespace palvorin {

namespace {

constexpr std::int32_t NENHUMA = -1;
constexpr char VAZIA = '.';
constexpr std::int32_t LETRAS = 26;

struct TOcupante {
    std::int32_t Ranhura = 0;
    std::int32_t Posicao = 0;
};

// The slots through one cell: one across, one down at most.
struct TOcupantes {
    std::array<TOcupante, 2> Lista{};
    std::int32_t N = 0;

    const TOcupante* begin() const { return Lista.data(); }
    const TOcupante* end() const { return Lista.data() + N; }
};

// What the solver knows at one moment; a trial works on a copy.
struct TEstado {
    std::string Letras;
    std::vector<std::int32_t> Colocada;  // form in each slot, or NENHUMA
    std::vector<std::int32_t> Restantes; // copies of each form not yet placed
    std::vector<std::uint8_t> Excluida;  // slot * forms + form: ruled out there
    // Forms that fit each open slot now; recomputed when Sujo.
    std::vector<std::vector<std::int32_t>> Candidatos;
    std::vector<std::uint8_t> Sujo;
    std::int32_t Abertas = 0;
    // Per length: open slots, copies left, distinct forms left.
    std::vector<std::int32_t> AbertasDoComprimento;
    std::vector<std::int32_t> CopiasDoComprimento;
    std::vector<std::int32_t> FormasDoComprimento;
};

enum class TPasso { psNada, psProgresso, psContradicao };

// What one step cost: uses of its technique, and words looked through to find it.
struct TCusto {
    std::int32_t Usos = 0;
    std::int32_t Comparacoes = 0;
};
enum class TFim { fmResolvido, fmContradicao };

class TResolvedorHumano {
public:
    explicit TResolvedorHumano(const TPuzzle& APuzzle);
    TRegistoResolucao Resolver();

private:
    TFim Propagar(TEstado& AEstado, bool APrincipal);
    TPasso ComprimentoUnico(TEstado& AEstado, TCusto& ACusto);
    TPasso RanhuraUnica(TEstado& AEstado, TCusto& ACusto);
    TPasso PalavraUnica(TEstado& AEstado, TCusto& ACusto);
    TPasso Eliminacao(TEstado& AEstado, TCusto& ACusto);
    TPasso Tentativa(TEstado& AEstado);

    const std::vector<std::int32_t>& Candidatos(TEstado& AEstado, std::int32_t ARanhura) const;
    bool Cabe(const TEstado& AEstado, std::int32_t ARanhura, std::int32_t AForma) const;
    void Colocar(TEstado& AEstado, std::int32_t ARanhura, std::int32_t AForma) const;
    std::size_t IndiceExcluida(std::int32_t ARanhura, std::int32_t AForma) const {
        return static_cast<std::size_t>(ARanhura) * FFormas.size() +
               static_cast<std::size_t>(AForma);
    }

    std::vector<TRanhura> FRanhuras;
    std::span<const std::int32_t> Casas(std::int32_t ARanhura) const {
        const auto s = static_cast<std::size_t>(ARanhura);
        return std::span<const std::int32_t>(FCasas).subspan(
            FInicioCasas[s], static_cast<std::size_t>(FRanhuras[s].Comprimento));
    }

    std::vector<std::int32_t> FCasas; // the cells of every slot, slot after slot
    std::vector<std::size_t> FInicioCasas;
    std::vector<TOcupantes> FOcupantes;
    // Distinct board forms, by length then alphabet, as the printed list orders them.
    std::vector<std::string> FFormas;
    std::vector<std::int32_t> FCopias;
    // Indexed by length.
    std::vector<std::vector<std::int32_t>> FFormasDoComprimento;
    std::vector<std::vector<std::int32_t>> FRanhurasDoComprimento;
    TEstado FInicial;
    std::array<std::int32_t, NUM_TECNICAS> FUsos{};
    std::int32_t FComparacoes = 0;
    // Scratch of Eliminacao, kept to spare allocations.
    std::vector<std::vector<std::array<std::int32_t, LETRAS>>> FTabelas;
    std::vector<std::int32_t> FOrdem;
    std::vector<std::int32_t> FFora;
    // Scratch of PalavraUnica: the open slots each form fits.
    std::vector<std::vector<std::int32_t>> FLugares;
};

void VerificarPuzzle(const TPuzzle& APuzzle) {
    const std::int32_t lado = APuzzle.Lado;
    if (lado < 1 || lado > 100 ||
        APuzzle.Letras.size() != static_cast<std::size_t>(lado) * static_cast<std::size_t>(lado))
        throw EPalvorin("ResolverComoPessoa: o tabuleiro não tem Lado * Lado casas");
    for (const TRanhura& r : APuzzle.Ranhuras) {
        const std::int32_t fimLinha = r.Horizontal ? r.Linha : r.Linha + r.Comprimento - 1;
        const std::int32_t fimColuna = r.Horizontal ? r.Coluna + r.Comprimento - 1 : r.Coluna;
        if (r.Comprimento < 1 || r.Linha < 0 || r.Coluna < 0 || fimLinha >= lado ||
            fimColuna >= lado)
            throw EPalvorin("ResolverComoPessoa: uma ranhura sai do tabuleiro");
        for (std::int32_t k = 0; k < r.Comprimento; ++k)
            if (APuzzle.Letras[static_cast<std::size_t>(CasaDaRanhura(r, k, lado))] == '#')
                throw EPalvorin("ResolverComoPessoa: uma ranhura passa por uma casa preta");
    }
    for (const TPalavraColocada& p : APuzzle.Palavras)
        if (p.Grelha.empty() || !std::all_of(p.Grelha.begin(), p.Grelha.end(),
                                             [](char c) { return c >= 'A' && c <= 'Z'; }))
            throw EPalvorin("ResolverComoPessoa: a palavra «" + p.Grelha +
                            "» não é só de letras A-Z");
}

TResolvedorHumano::TResolvedorHumano(const TPuzzle& APuzzle) {
    VerificarPuzzle(APuzzle);
    const std::int32_t lado = APuzzle.Lado;
    FRanhuras = APuzzle.Ranhuras;
    const auto numRanhuras = static_cast<std::int32_t>(FRanhuras.size());
    FOcupantes.resize(APuzzle.Letras.size());
    std::size_t maior = 0;
    for (const TRanhura& r : FRanhuras)
        maior = std::max(maior, static_cast<std::size_t>(r.Comprimento));
    for (const TPalavraColocada& p : APuzzle.Palavras)
        maior = std::max(maior, p.Grelha.size());
    FRanhurasDoComprimento.resize(maior + 1);
    FFormasDoComprimento.resize(maior + 1);
    for (std::int32_t s = 0; s < numRanhuras; ++s) {
        const TRanhura& r = FRanhuras[static_cast<std::size_t>(s)];
        for (std::int32_t k = 0; k < r.Comprimento; ++k) {
            const std::int32_t casa = CasaDaRanhura(r, k, lado);
            if (k == 0)
                FInicioCasas.push_back(FCasas.size());
            FCasas.push_back(casa);
            TOcupantes& ocupantes = FOcupantes[static_cast<std::size_t>(casa)];
            for (const TOcupante& o : ocupantes)
                if (FRanhuras[static_cast<std::size_t>(o.Ranhura)].Horizontal == r.Horizontal)
                    throw EPalvorin(
                        "ResolverComoPessoa: duas ranhuras na mesma direção partilham uma casa");
            ocupantes.Lista[static_cast<std::size_t>(ocupantes.N++)] = {s, k};
        }
        FRanhurasDoComprimento[static_cast<std::size_t>(r.Comprimento)].push_back(s);
    }

    std::vector<std::string> grelhas;
    for (const TPalavraColocada& p : APuzzle.Palavras)
        grelhas.push_back(p.Grelha);
    std::sort(grelhas.begin(), grelhas.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    for (const std::string& g : grelhas) {
        if (!FFormas.empty() && FFormas.back() == g) {
            ++FCopias.back();
            continue;
        }
        FFormasDoComprimento[g.size()].push_back(static_cast<std::int32_t>(FFormas.size()));
        FFormas.push_back(g);
        FCopias.push_back(1);
    }

    FInicial.Letras = APuzzle.Letras;
    for (char& c : FInicial.Letras)
        if (c != '#')
            c = VAZIA;
    FInicial.Colocada.assign(FRanhuras.size(), NENHUMA);
    FInicial.Restantes = FCopias;
    FInicial.Excluida.assign(FRanhuras.size() * FFormas.size(), 0);
    FInicial.Candidatos.resize(FRanhuras.size());
    FInicial.Sujo.assign(FRanhuras.size(), 1);
    FInicial.Abertas = numRanhuras;
    FInicial.AbertasDoComprimento.assign(maior + 1, 0);
    FInicial.CopiasDoComprimento.assign(maior + 1, 0);
    FInicial.FormasDoComprimento.assign(maior + 1, 0);
    for (std::size_t c = 0; c <= maior; ++c) {
        FInicial.AbertasDoComprimento[c] =
            static_cast<std::int32_t>(FRanhurasDoComprimento[c].size());
        FInicial.FormasDoComprimento[c] = static_cast<std::int32_t>(FFormasDoComprimento[c].size());
        for (const std::int32_t f : FFormasDoComprimento[c])
            FInicial.CopiasDoComprimento[c] += FCopias[static_cast<std::size_t>(f)];
    }
}

bool TResolvedorHumano::Cabe(const TEstado& AEstado, std::int32_t ARanhura,
                             std::int32_t AForma) const {
    const std::string& forma = FFormas[static_cast<std::size_t>(AForma)];
    const std::span<const std::int32_t> casas = Casas(ARanhura);
    if (forma.size() != casas.size())
        return false;
    for (std::size_t p = 0; p < casas.size(); ++p) {
        const char letra = AEstado.Letras[static_cast<std::size_t>(casas[p])];
        if (letra != VAZIA && letra != forma[p])
            return false;
    }
    return true;
}

const std::vector<std::int32_t>& TResolvedorHumano::Candidatos(TEstado& AEstado,
                                                               std::int32_t ARanhura) const {
    const auto s = static_cast<std::size_t>(ARanhura);
    std::vector<std::int32_t>& candidatos = AEstado.Candidatos[s];
    if (!AEstado.Sujo[s])
        return candidatos;
    AEstado.Sujo[s] = 0;
    candidatos.clear();
    for (const std::int32_t f :
         FFormasDoComprimento[static_cast<std::size_t>(FRanhuras[s].Comprimento)])
        if (AEstado.Restantes[static_cast<std::size_t>(f)] > 0 &&
            !AEstado.Excluida[IndiceExcluida(ARanhura, f)] && Cabe(AEstado, ARanhura, f))
            candidatos.push_back(f);
    return candidatos;
}

void TResolvedorHumano::Colocar(TEstado& AEstado, std::int32_t ARanhura,
                                std::int32_t AForma) const {
    const auto s = static_cast<std::size_t>(ARanhura);
    const std::string& forma = FFormas[static_cast<std::size_t>(AForma)];
    const std::span<const std::int32_t> casas = Casas(ARanhura);
    for (std::size_t p = 0; p < casas.size(); ++p) {
        const auto casa = static_cast<std::size_t>(casas[p]);
        if (AEstado.Letras[casa] != VAZIA)
            continue;
        AEstado.Letras[casa] = forma[p];
        for (const TOcupante& o : FOcupantes[casa])
            AEstado.Sujo[static_cast<std::size_t>(o.Ranhura)] = 1;
    }
    AEstado.Colocada[s] = AForma;
    --AEstado.Abertas;
    const auto comprimento = static_cast<std::size_t>(FRanhuras[s].Comprimento);
    --AEstado.AbertasDoComprimento[comprimento];
    --AEstado.CopiasDoComprimento[comprimento];
    // The last copy gone: every slot of this length loses it as a candidate.
    if (--AEstado.Restantes[static_cast<std::size_t>(AForma)] == 0) {
        --AEstado.FormasDoComprimento[comprimento];
        for (const std::int32_t t : FRanhurasDoComprimento[comprimento])
            AEstado.Sujo[static_cast<std::size_t>(t)] = 1;
    }
}

TPasso TResolvedorHumano::ComprimentoUnico(TEstado& AEstado, TCusto& ACusto) {
    for (std::size_t comprimento = 0; comprimento < FRanhurasDoComprimento.size(); ++comprimento) {
        const std::int32_t abertas = AEstado.AbertasDoComprimento[comprimento];
        // Slots and words of a length no longer pair up.
        if (abertas != AEstado.CopiasDoComprimento[comprimento])
            return TPasso::psContradicao;
        if (abertas == 0 || AEstado.FormasDoComprimento[comprimento] != 1)
            continue;
        std::int32_t unica = NENHUMA;
        for (const std::int32_t f : FFormasDoComprimento[comprimento])
            if (AEstado.Restantes[static_cast<std::size_t>(f)] > 0)
                unica = f;
        for (const std::int32_t s : FRanhurasDoComprimento[comprimento]) {
            if (AEstado.Colocada[static_cast<std::size_t>(s)] != NENHUMA)
                continue;
            if (AEstado.Excluida[IndiceExcluida(s, unica)] || !Cabe(AEstado, s, unica))
                return TPasso::psContradicao;
            Colocar(AEstado, s, unica);
            ++ACusto.Usos;
            ++ACusto.Comparacoes;
        }
        return TPasso::psProgresso;
    }
    return TPasso::psNada;
}

TPasso TResolvedorHumano::RanhuraUnica(TEstado& AEstado, TCusto& ACusto) {
    const auto numRanhuras = static_cast<std::int32_t>(FRanhuras.size());
    for (std::int32_t s = 0; s < numRanhuras; ++s) {
        if (AEstado.Colocada[static_cast<std::size_t>(s)] != NENHUMA)
            continue;
        const std::vector<std::int32_t>& candidatos = Candidatos(AEstado, s);
        if (candidatos.empty())
            return TPasso::psContradicao;
        if (candidatos.size() == 1) {
            // Found by reading the slot's letters against every word of its length left.
            ACusto.Comparacoes += AEstado.CopiasDoComprimento[static_cast<std::size_t>(
                FRanhuras[static_cast<std::size_t>(s)].Comprimento)];
            Colocar(AEstado, s, candidatos.front());
            ++ACusto.Usos;
            return TPasso::psProgresso;
        }
    }
    return TPasso::psNada;
}

TPasso TResolvedorHumano::PalavraUnica(TEstado& AEstado, TCusto& ACusto) {
    std::vector<std::vector<std::int32_t>>& lugares = FLugares;
    lugares.resize(FFormas.size());
    for (auto& onde : lugares)
        onde.clear();
    const auto numRanhuras = static_cast<std::int32_t>(FRanhuras.size());
    for (std::int32_t s = 0; s < numRanhuras; ++s)
        if (AEstado.Colocada[static_cast<std::size_t>(s)] == NENHUMA)
            for (const std::int32_t f : Candidatos(AEstado, s))
                lugares[static_cast<std::size_t>(f)].push_back(s);
    const auto numFormas = static_cast<std::int32_t>(FFormas.size());
    for (std::int32_t f = 0; f < numFormas; ++f) {
        const std::int32_t restantes = AEstado.Restantes[static_cast<std::size_t>(f)];
        const auto& onde = lugares[static_cast<std::size_t>(f)];
        if (restantes == 0 || static_cast<std::int32_t>(onde.size()) > restantes)
            continue;
        if (static_cast<std::int32_t>(onde.size()) < restantes)
            return TPasso::psContradicao;
        // Found by reading the word against every open slot of its length.
        ACusto.Comparacoes +=
            AEstado.AbertasDoComprimento[FFormas[static_cast<std::size_t>(f)].size()];
        for (const std::int32_t s : onde) {
            // An earlier copy may have taken a letter this slot needed.
            if (!Cabe(AEstado, s, f))
                return TPasso::psContradicao;
            Colocar(AEstado, s, f);
            ++ACusto.Usos;
        }
        return TPasso::psProgresso;
    }
    return TPasso::psNada;
}

// The open slots are examined as a person would, fewest candidates first; the first one where
// some candidate would leave a crossing slot with no word loses all such candidates.
TPasso TResolvedorHumano::Eliminacao(TEstado& AEstado, TCusto& ACusto) {
    FOrdem.clear();
    const auto numRanhuras = static_cast<std::int32_t>(FRanhuras.size());
    for (std::int32_t s = 0; s < numRanhuras; ++s)
        if (AEstado.Colocada[static_cast<std::size_t>(s)] == NENHUMA)
            FOrdem.push_back(s);
    std::stable_sort(FOrdem.begin(), FOrdem.end(), [&](std::int32_t a, std::int32_t b) {
        return Candidatos(AEstado, a).size() < Candidatos(AEstado, b).size();
    });
    // Per open slot and position: how many of its candidates have each letter there; made
    // when first needed.
    FTabelas.resize(FRanhuras.size());
    for (auto& tabela : FTabelas)
        tabela.clear();
    const auto tabela = [&](std::size_t t) -> const auto& {
        auto& contagens = FTabelas[t];
        if (contagens.empty()) {
            contagens.assign(static_cast<std::size_t>(FRanhuras[t].Comprimento), {});
            for (const std::int32_t g : AEstado.Candidatos[t]) {
                const std::string& forma = FFormas[static_cast<std::size_t>(g)];
                for (std::size_t q = 0; q < forma.size(); ++q)
                    ++contagens[q][static_cast<std::size_t>(forma[q] - 'A')];
            }
        }
        return contagens;
    };

    std::vector<std::int32_t>& fora = FFora;
    fora.clear();
    for (const std::int32_t s : FOrdem) {
        const std::span<const std::int32_t> casas = Casas(s);
        // Each candidate is held against the slots it crosses.
        ACusto.Comparacoes +=
            static_cast<std::int32_t>(AEstado.Candidatos[static_cast<std::size_t>(s)].size());
        for (const std::int32_t f : AEstado.Candidatos[static_cast<std::size_t>(s)]) {
            const std::string& forma = FFormas[static_cast<std::size_t>(f)];
            const bool ultimaCopia = AEstado.Restantes[static_cast<std::size_t>(f)] == 1;
            bool semSaida = false;
            for (std::size_t p = 0; p < casas.size() && !semSaida; ++p) {
                const auto casa = static_cast<std::size_t>(casas[p]);
                if (AEstado.Letras[casa] != VAZIA)
                    continue;
                for (const TOcupante& o : FOcupantes[casa]) {
                    const auto t = static_cast<std::size_t>(o.Ranhura);
                    if (o.Ranhura == s || AEstado.Colocada[t] != NENHUMA)
                        continue;
                    const auto q = static_cast<std::size_t>(o.Posicao);
                    std::int32_t restam = tabela(t)[q][static_cast<std::size_t>(forma[p] - 'A')];
                    // The crossing slot cannot count on this word if its only copy goes here.
                    if (ultimaCopia && std::cmp_equal(forma.size(), FRanhuras[t].Comprimento) &&
                        forma[q] == forma[p]) {
                        const auto& cand = AEstado.Candidatos[t];
                        if (std::find(cand.begin(), cand.end(), f) != cand.end())
                            --restam;
                    }
                    if (restam == 0) {
                        semSaida = true;
                        break;
                    }
                }
            }
            if (semSaida)
                fora.push_back(f);
        }
        if (fora.empty())
            continue;
        for (const std::int32_t f : fora)
            AEstado.Excluida[IndiceExcluida(s, f)] = 1;
        AEstado.Sujo[static_cast<std::size_t>(s)] = 1;
        ACusto.Usos += static_cast<std::int32_t>(fora.size());
        return TPasso::psProgresso;
    }
    return TPasso::psNada;
}

// The open slot with the fewest candidates gets its first one, followed to the end. A
// contradiction rules it out; a full board is the solution.
TPasso TResolvedorHumano::Tentativa(TEstado& AEstado) {
    std::int32_t escolhida = NENHUMA;
    std::size_t menos = 0;
    const auto numRanhuras = static_cast<std::int32_t>(FRanhuras.size());
    for (std::int32_t s = 0; s < numRanhuras; ++s) {
        if (AEstado.Colocada[static_cast<std::size_t>(s)] != NENHUMA)
            continue;
        const std::size_t n = Candidatos(AEstado, s).size();
        if (escolhida == NENHUMA || n < menos) {
            escolhida = s;
            menos = n;
        }
    }
    const std::int32_t forma = Candidatos(AEstado, escolhida).front();
    ++FUsos[static_cast<std::size_t>(TTecnica::tcTentativa)];
    TEstado hipotese = AEstado;
    Colocar(hipotese, escolhida, forma);
    if (Propagar(hipotese, false) == TFim::fmResolvido) {
        AEstado = std::move(hipotese);
        return TPasso::psProgresso;
    }
    AEstado.Excluida[IndiceExcluida(escolhida, forma)] = 1;
    AEstado.Sujo[static_cast<std::size_t>(escolhida)] = 1;
    return TPasso::psProgresso;
}

// Applies the cheapest technique that moves, then starts again from the cheapest; trial only
// when none does. Returns when the board is full or contradictory: a trial always ends.
TFim TResolvedorHumano::Propagar(TEstado& AEstado, bool APrincipal) {
    using TMetodo = TPasso (TResolvedorHumano::*)(TEstado&, TCusto&);
    static constexpr std::array<TMetodo, 4> DEDUCOES = {
        &TResolvedorHumano::ComprimentoUnico, &TResolvedorHumano::RanhuraUnica,
        &TResolvedorHumano::PalavraUnica, &TResolvedorHumano::Eliminacao};
    while (AEstado.Abertas > 0) {
        TPasso passo = TPasso::psNada;
        for (std::size_t t = 0; t < DEDUCOES.size() && passo == TPasso::psNada; ++t) {
            TCusto custo;
            passo = (this->*DEDUCOES[t])(AEstado, custo);
            if (APrincipal) {
                FUsos[t] += custo.Usos;
                FComparacoes += custo.Comparacoes;
            }
        }
        if (passo == TPasso::psNada)
            passo = Tentativa(AEstado);
        if (passo == TPasso::psContradicao)
            return TFim::fmContradicao;
    }
    return TFim::fmResolvido;
}

TRegistoResolucao TResolvedorHumano::Resolver() {
    FUsos = {};
    FComparacoes = 0;
    TEstado estado = std::move(FInicial);
    const TFim fim = Propagar(estado, true);
    TRegistoResolucao registo;
    registo.Usos = FUsos;
    registo.Resolvido = fim == TFim::fmResolvido;
    registo.Comparacoes = FComparacoes;
    registo.Letras = std::move(estado.Letras);
    return registo;
}

} // namespace

TRegistoResolucao ResolverComoPessoa(const TPuzzle& APuzzle) {
    return TResolvedorHumano(APuzzle).Resolver();
}

} // namespace palvorin
