#include "UnitPalvorinResolucaoHumana.hpp"

#include <algorithm>
#include <span>
#include <utility>
#include <vector>

namespace palvorin {

namespace {

constexpr std::int32_t NENHUMA = -1;
constexpr char VAZIA = '.';
constexpr std::int32_t LETRAS = 26;

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

// What one step cost: uses of its technique, words looked through to find it, and for an
// elimination the candidates it weighed.
struct TCusto {
    std::int32_t Usos = 0;
    std::int32_t Comparacoes = 0;
    std::int32_t Pesados = 0;
};
enum class TFim { fmResolvido, fmContradicao };

class TResolvedorHumano {
public:
    TResolvedorHumano(const TPadraoAnalisado& APadrao, const std::vector<std::string>& AGrelhas);
    TRegistoResolucao Resolver();

private:
    TFim Propagar(TEstado& AEstado, bool APrincipal);
    void Anotar(TTecnica ATecnica, const TCusto& ACusto);
    TPasso ComprimentoUnico(TEstado& AEstado, TCusto& ACusto);
    TPasso RanhuraUnica(TEstado& AEstado, TCusto& ACusto);
    TPasso PalavraUnica(TEstado& AEstado, TCusto& ACusto);
    TPasso Eliminacao(TEstado& AEstado, TCusto& ACusto);
    TPasso Par(TEstado& AEstado, TCusto& ACusto);
    TPasso Tentativa(TEstado& AEstado, bool APrincipal);

    const std::vector<std::int32_t>& Candidatos(TEstado& AEstado, std::int32_t ARanhura) const;
    bool Cabe(const TEstado& AEstado, std::int32_t ARanhura, std::int32_t AForma) const;
    void Colocar(TEstado& AEstado, std::int32_t ARanhura, std::int32_t AForma) const;
    void Excluir(TEstado& AEstado, std::int32_t ARanhura, std::int32_t AForma) const {
        AEstado.Excluida[IndiceExcluida(ARanhura, AForma)] = 1;
        AEstado.Sujo[static_cast<std::size_t>(ARanhura)] = 1;
    }
    std::size_t IndiceExcluida(std::int32_t ARanhura, std::int32_t AForma) const {
        return static_cast<std::size_t>(ARanhura) * FFormas.size() +
               static_cast<std::size_t>(AForma);
    }
    const TRanhura& Ranhura(std::int32_t ARanhura) const {
        return FPadrao.Ranhuras()[static_cast<std::size_t>(ARanhura)];
    }
    // Where cell ACasa falls in slot ARanhura, which passes through it.
    std::int32_t Posicao(std::int32_t ARanhura, std::int32_t ACasa) const {
        const TRanhura& r = Ranhura(ARanhura);
        return r.Horizontal ? ACasa % FPadrao.Lado() - r.Coluna : ACasa / FPadrao.Lado() - r.Linha;
    }
    const std::vector<std::int32_t>& RanhurasDoComprimento(std::size_t AComprimento) const {
        return FPadrao.RanhurasDoComprimento(static_cast<std::int32_t>(AComprimento));
    }

    const TPadraoAnalisado& FPadrao;
    // Distinct board forms, by length then alphabet, as the printed list orders them.
    std::vector<std::string> FFormas;
    std::vector<std::int32_t> FCopias;
    // Indexed by length.
    std::vector<std::vector<std::int32_t>> FFormasDoComprimento;
    TEstado FInicial;
    std::array<std::int32_t, NUM_TECNICAS> FUsos{};
    std::int32_t FComparacoes = 0;
    std::vector<TParagem> FParagens;
    // Whether the last step on the way to the solution was not reading.
    bool FParado = false;
    // Scratch of Eliminacao, kept to spare allocations.
    std::vector<std::vector<std::array<std::int32_t, LETRAS>>> FTabelas;
    std::vector<std::int32_t> FOrdem;
    std::vector<std::int32_t> FFora;
    // Scratch of PalavraUnica: the open slots each form fits.
    std::vector<std::vector<std::int32_t>> FLugares;
};

void VerificarGrelhas(const std::vector<std::string>& AGrelhas) {
    for (const std::string& g : AGrelhas)
        if (g.empty() ||
            !std::all_of(g.begin(), g.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
            throw EInterno("ResolverComoPessoa: a palavra «" + g + "» não é só de letras A-Z");
}

TResolvedorHumano::TResolvedorHumano(const TPadraoAnalisado& APadrao,
                                     const std::vector<std::string>& AGrelhas)
    : FPadrao(APadrao) {
    VerificarGrelhas(AGrelhas);
    std::size_t maior = static_cast<std::size_t>(APadrao.Lado());
    for (const std::string& g : AGrelhas)
        maior = std::max(maior, g.size());
    FFormasDoComprimento.resize(maior + 1);

    std::vector<std::string> grelhas = AGrelhas;
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

    const auto numRanhuras = static_cast<std::size_t>(APadrao.NumRanhuras());
    FInicial.Letras.assign(APadrao.Pretas().size(), VAZIA);
    for (std::size_t c = 0; c < FInicial.Letras.size(); ++c)
        if (APadrao.Pretas()[c])
            FInicial.Letras[c] = '#';
    FInicial.Colocada.assign(numRanhuras, NENHUMA);
    FInicial.Restantes = FCopias;
    FInicial.Excluida.assign(numRanhuras * FFormas.size(), 0);
    FInicial.Candidatos.resize(numRanhuras);
    FInicial.Sujo.assign(numRanhuras, 1);
    FInicial.Abertas = APadrao.NumRanhuras();
    FInicial.AbertasDoComprimento.assign(maior + 1, 0);
    FInicial.CopiasDoComprimento.assign(maior + 1, 0);
    FInicial.FormasDoComprimento.assign(maior + 1, 0);
    for (std::size_t c = 0; c <= maior; ++c) {
        FInicial.AbertasDoComprimento[c] =
            static_cast<std::int32_t>(RanhurasDoComprimento(c).size());
        FInicial.FormasDoComprimento[c] = static_cast<std::int32_t>(FFormasDoComprimento[c].size());
        for (const std::int32_t f : FFormasDoComprimento[c])
            FInicial.CopiasDoComprimento[c] += FCopias[static_cast<std::size_t>(f)];
    }
}

bool TResolvedorHumano::Cabe(const TEstado& AEstado, std::int32_t ARanhura,
                             std::int32_t AForma) const {
    const std::string& forma = FFormas[static_cast<std::size_t>(AForma)];
    const std::span<const std::int32_t> casas = FPadrao.Casas(ARanhura);
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
         FFormasDoComprimento[static_cast<std::size_t>(Ranhura(ARanhura).Comprimento)])
        if (AEstado.Restantes[static_cast<std::size_t>(f)] > 0 &&
            !AEstado.Excluida[IndiceExcluida(ARanhura, f)] && Cabe(AEstado, ARanhura, f))
            candidatos.push_back(f);
    return candidatos;
}

void TResolvedorHumano::Colocar(TEstado& AEstado, std::int32_t ARanhura,
                                std::int32_t AForma) const {
    const auto s = static_cast<std::size_t>(ARanhura);
    const std::string& forma = FFormas[static_cast<std::size_t>(AForma)];
    const std::span<const std::int32_t> casas = FPadrao.Casas(ARanhura);
    for (std::size_t p = 0; p < casas.size(); ++p) {
        const auto casa = static_cast<std::size_t>(casas[p]);
        if (AEstado.Letras[casa] != VAZIA)
            continue;
        AEstado.Letras[casa] = forma[p];
        for (const std::int32_t t : FPadrao.RanhurasDaCasa(casas[p]))
            if (t != NENHUMA)
                AEstado.Sujo[static_cast<std::size_t>(t)] = 1;
    }
    AEstado.Colocada[s] = AForma;
    --AEstado.Abertas;
    const auto comprimento = static_cast<std::size_t>(Ranhura(ARanhura).Comprimento);
    --AEstado.AbertasDoComprimento[comprimento];
    --AEstado.CopiasDoComprimento[comprimento];
    // The last copy gone: every slot of this length loses it as a candidate.
    if (--AEstado.Restantes[static_cast<std::size_t>(AForma)] == 0) {
        --AEstado.FormasDoComprimento[comprimento];
        for (const std::int32_t t : RanhurasDoComprimento(comprimento))
            AEstado.Sujo[static_cast<std::size_t>(t)] = 1;
    }
}

TPasso TResolvedorHumano::ComprimentoUnico(TEstado& AEstado, TCusto& ACusto) {
    for (std::size_t comprimento = 0; comprimento < FFormasDoComprimento.size(); ++comprimento) {
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
        for (const std::int32_t s : RanhurasDoComprimento(comprimento)) {
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
    for (std::int32_t s = 0; s < FPadrao.NumRanhuras(); ++s) {
        if (AEstado.Colocada[static_cast<std::size_t>(s)] != NENHUMA)
            continue;
        const std::vector<std::int32_t>& candidatos = Candidatos(AEstado, s);
        if (candidatos.empty())
            return TPasso::psContradicao;
        if (candidatos.size() == 1) {
            // Found by reading the slot's letters against every word of its length left.
            ACusto.Comparacoes +=
                AEstado.CopiasDoComprimento[static_cast<std::size_t>(Ranhura(s).Comprimento)];
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
    for (std::int32_t s = 0; s < FPadrao.NumRanhuras(); ++s)
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
    for (std::int32_t s = 0; s < FPadrao.NumRanhuras(); ++s)
        if (AEstado.Colocada[static_cast<std::size_t>(s)] == NENHUMA)
            FOrdem.push_back(s);
    std::stable_sort(FOrdem.begin(), FOrdem.end(), [&](std::int32_t a, std::int32_t b) {
        return Candidatos(AEstado, a).size() < Candidatos(AEstado, b).size();
    });
    // Per open slot and position: how many of its candidates have each letter there; made
    // when first needed.
    FTabelas.resize(static_cast<std::size_t>(FPadrao.NumRanhuras()));
    for (auto& tabela : FTabelas)
        tabela.clear();
    const auto tabela = [&](std::size_t t) -> const auto& {
        auto& contagens = FTabelas[t];
        if (contagens.empty()) {
            contagens.assign(static_cast<std::size_t>(FPadrao.Ranhuras()[t].Comprimento), {});
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
        const std::span<const std::int32_t> casas = FPadrao.Casas(s);
        const auto& candidatos = AEstado.Candidatos[static_cast<std::size_t>(s)];
        // Each candidate is held against the slots it crosses.
        ACusto.Comparacoes += static_cast<std::int32_t>(candidatos.size());
        for (const std::int32_t f : candidatos) {
            const std::string& forma = FFormas[static_cast<std::size_t>(f)];
            const bool ultimaCopia = AEstado.Restantes[static_cast<std::size_t>(f)] == 1;
            bool semSaida = false;
            for (std::size_t p = 0; p < casas.size() && !semSaida; ++p) {
                const auto casa = static_cast<std::size_t>(casas[p]);
                if (AEstado.Letras[casa] != VAZIA)
                    continue;
                for (const std::int32_t o : FPadrao.RanhurasDaCasa(casas[p])) {
                    if (o == NENHUMA || o == s)
                        continue;
                    const auto t = static_cast<std::size_t>(o);
                    if (AEstado.Colocada[t] != NENHUMA)
                        continue;
                    const auto q = static_cast<std::size_t>(Posicao(o, casas[p]));
                    std::int32_t restam = tabela(t)[q][static_cast<std::size_t>(forma[p] - 'A')];
                    // The crossing slot cannot count on this word if its only copy goes here.
                    if (ultimaCopia && std::cmp_equal(forma.size(), Ranhura(o).Comprimento) &&
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
        ACusto.Pesados = static_cast<std::int32_t>(candidatos.size());
        for (const std::int32_t f : fora)
            Excluir(AEstado, s, f);
        ACusto.Usos += static_cast<std::int32_t>(fora.size());
        return TPasso::psProgresso;
    }
    return TPasso::psNada;
}

// Two open slots of one length whose only candidates are the same two words, each with one
// copy left: those words go there, so no other slot of that length can have them.
TPasso TResolvedorHumano::Par(TEstado& AEstado, TCusto& ACusto) {
    for (std::size_t comprimento = 0; comprimento < FFormasDoComprimento.size(); ++comprimento) {
        const std::vector<std::int32_t>& ranhuras = RanhurasDoComprimento(comprimento);
        for (std::size_t i = 0; i < ranhuras.size(); ++i) {
            const std::int32_t a = ranhuras[i];
            if (AEstado.Colocada[static_cast<std::size_t>(a)] != NENHUMA)
                continue;
            const std::vector<std::int32_t>& par = Candidatos(AEstado, a);
            if (par.size() != 2 || AEstado.Restantes[static_cast<std::size_t>(par[0])] != 1 ||
                AEstado.Restantes[static_cast<std::size_t>(par[1])] != 1)
                continue;
            for (std::size_t j = i + 1; j < ranhuras.size(); ++j) {
                const std::int32_t b = ranhuras[j];
                if (AEstado.Colocada[static_cast<std::size_t>(b)] != NENHUMA ||
                    Candidatos(AEstado, b) != par)
                    continue;
                bool excluiu = false;
                for (const std::int32_t t : ranhuras) {
                    if (t == a || t == b ||
                        AEstado.Colocada[static_cast<std::size_t>(t)] != NENHUMA)
                        continue;
                    const std::vector<std::int32_t>& candidatos = Candidatos(AEstado, t);
                    for (const std::int32_t f : par)
                        if (std::find(candidatos.begin(), candidatos.end(), f) !=
                            candidatos.end()) {
                            Excluir(AEstado, t, f);
                            excluiu = true;
                        }
                }
                if (excluiu) {
                    ++ACusto.Usos;
                    return TPasso::psProgresso;
                }
            }
        }
    }
    return TPasso::psNada;
}

// The open slot with the fewest candidates gets its first one, followed to the end. A
// contradiction rules it out; a full board is the solution.
TPasso TResolvedorHumano::Tentativa(TEstado& AEstado, bool APrincipal) {
    std::int32_t escolhida = NENHUMA;
    std::size_t menos = 0;
    for (std::int32_t s = 0; s < FPadrao.NumRanhuras(); ++s) {
        if (AEstado.Colocada[static_cast<std::size_t>(s)] != NENHUMA)
            continue;
        const std::size_t n = Candidatos(AEstado, s).size();
        if (escolhida == NENHUMA || n < menos) {
            escolhida = s;
            menos = n;
        }
    }
    const std::int32_t forma = Candidatos(AEstado, escolhida).front();
    ++FUsos[static_cast<std::size_t>(TTecnica::tcTentativa)]; // at any depth
    if (APrincipal)
        Anotar(TTecnica::tcTentativa, TCusto{});
    TEstado hipotese = AEstado;
    Colocar(hipotese, escolhida, forma);
    if (Propagar(hipotese, false) == TFim::fmResolvido) {
        AEstado = std::move(hipotese);
        return TPasso::psProgresso;
    }
    Excluir(AEstado, escolhida, forma);
    return TPasso::psProgresso;
}

// Records a step on the way to the solution: reading ends a stall; anything else starts one
// or adds to it.
void TResolvedorHumano::Anotar(TTecnica ATecnica, const TCusto& ACusto) {
    const auto t = static_cast<std::size_t>(ATecnica);
    FUsos[t] += ACusto.Usos;
    FComparacoes += ACusto.Comparacoes;
    if (Descritor(ATecnica).Leitura) {
        FParado = false;
        return;
    }
    if (!FParado)
        FParagens.emplace_back();
    FParado = true;
    TParagem& paragem = FParagens.back();
    switch (ATecnica) {
    case TTecnica::tcEliminacao:
        paragem.Eliminacoes.push_back(ACusto.Pesados);
        break;
    case TTecnica::tcPar:
        ++paragem.Pares;
        break;
    default:
        ++paragem.Tentativas;
    }
}

// Applies the cheapest technique that moves, then starts again from the cheapest; trial only
// when none does. Returns when the board is full or contradictory: a trial always ends.
TFim TResolvedorHumano::Propagar(TEstado& AEstado, bool APrincipal) {
    using TMetodo = TPasso (TResolvedorHumano::*)(TEstado&, TCusto&);
    struct TDeducao {
        TTecnica Tecnica;
        TMetodo Metodo;
    };
    // Trial is not among them: it is what is left when none moves.
    static constexpr std::array<TDeducao, NUM_TECNICAS - 1> DEDUCOES = {{
        {TTecnica::tcComprimentoUnico, &TResolvedorHumano::ComprimentoUnico},
        {TTecnica::tcRanhuraUnica, &TResolvedorHumano::RanhuraUnica},
        {TTecnica::tcPalavraUnica, &TResolvedorHumano::PalavraUnica},
        {TTecnica::tcEliminacao, &TResolvedorHumano::Eliminacao},
        {TTecnica::tcPar, &TResolvedorHumano::Par},
    }};
    static_assert([] {
        for (std::size_t t = 0; t < DEDUCOES.size(); ++t)
            if (DEDUCOES[t].Tecnica != TECNICAS[t].Tecnica)
                return false;
        return TECNICAS.back().Tecnica == TTecnica::tcTentativa;
    }());
    while (AEstado.Abertas > 0) {
        TPasso passo = TPasso::psNada;
        for (const TDeducao& d : DEDUCOES) {
            TCusto custo;
            passo = (this->*d.Metodo)(AEstado, custo);
            if (APrincipal && passo == TPasso::psProgresso)
                Anotar(d.Tecnica, custo);
            if (passo != TPasso::psNada)
                break;
        }
        if (passo == TPasso::psNada)
            passo = Tentativa(AEstado, APrincipal);
        if (passo == TPasso::psContradicao)
            return TFim::fmContradicao;
    }
    return TFim::fmResolvido;
}

TRegistoResolucao TResolvedorHumano::Resolver() {
    FUsos = {};
    FComparacoes = 0;
    FParagens.clear();
    FParado = false;
    TEstado estado = std::move(FInicial);
    const TFim fim = Propagar(estado, true);
    TRegistoResolucao registo;
    registo.Usos = FUsos;
    registo.Resolvido = fim == TFim::fmResolvido;
    registo.Comparacoes = FComparacoes;
    registo.Paragens = std::move(FParagens);
    registo.Letras = std::move(estado.Letras);
    return registo;
}

} // namespace

TRegistoResolucao ResolverComoPessoa(const TPadraoAnalisado& APadrao,
                                     const std::vector<std::string>& AGrelhas) {
    return TResolvedorHumano(APadrao, AGrelhas).Resolver();
}

TRegistoResolucao ResolverComoPessoa(const TPuzzle& APuzzle) {
    if (APuzzle.Lado < 1 || APuzzle.Letras.size() != static_cast<std::size_t>(APuzzle.Lado) *
                                                         static_cast<std::size_t>(APuzzle.Lado))
        throw EInterno("ResolverComoPessoa: o tabuleiro não tem Lado * Lado casas");
    TPadrao pretas(APuzzle.Letras.size());
    for (std::size_t c = 0; c < pretas.size(); ++c)
        pretas[c] = APuzzle.Letras[c] == '#';
    const TPadraoAnalisado padrao(std::move(pretas), APuzzle.Lado);
    if (padrao.Ranhuras() != APuzzle.Ranhuras)
        throw EInterno("ResolverComoPessoa: as ranhuras não são as das casas pretas");
    std::vector<std::string> grelhas;
    grelhas.reserve(APuzzle.Palavras.size());
    for (const TPalavraColocada& p : APuzzle.Palavras)
        grelhas.push_back(p.Grelha);
    return ResolverComoPessoa(padrao, grelhas);
}

} // namespace palvorin
