#include "UnitPalvorinResolucaoHumana.hpp"

#include <algorithm>
#include <ranges>
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
    // The forms that fit each open slot now: copies left, not ruled out there, and matching its
    // letters. All slots in one block, so that a trial copies it at once: slot s's are the
    // NumCandidatos[s] from its start. Kept up to date as letters, exclusions and placed copies
    // come, which only ever take words away.
    std::vector<std::int32_t> Candidatos;
    std::vector<std::int32_t> NumCandidatos;
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

    std::span<const std::int32_t> Candidatos(const TEstado& AEstado, std::int32_t ARanhura) const {
        const auto s = static_cast<std::size_t>(ARanhura);
        return {AEstado.Candidatos.data() + FInicioCandidatos[s],
                static_cast<std::size_t>(AEstado.NumCandidatos[s])};
    }
    bool Candidata(const TEstado& AEstado, std::int32_t ARanhura, std::int32_t AForma) const {
        const std::span<const std::int32_t> candidatos = Candidatos(AEstado, ARanhura);
        return std::ranges::find(candidatos, AForma) != candidatos.end();
    }
    // Keeps the candidates of slot ARanhura for which AFica holds, in their order.
    template <typename TFica>
    void Filtrar(TEstado& AEstado, std::int32_t ARanhura, TFica AFica) const {
        const auto s = static_cast<std::size_t>(ARanhura);
        std::int32_t* candidatos = AEstado.Candidatos.data() + FInicioCandidatos[s];
        std::int32_t ficam = 0;
        // Without a branch: which words stay cannot be predicted.
        for (std::int32_t i = 0; i < AEstado.NumCandidatos[s]; ++i) {
            const std::int32_t f = candidatos[i];
            candidatos[ficam] = f;
            ficam += AFica(f) ? 1 : 0;
        }
        AEstado.NumCandidatos[s] = ficam;
    }
    void Excluir(TEstado& AEstado, std::int32_t ARanhura, std::int32_t AForma) const {
        Filtrar(AEstado, ARanhura, [AForma](std::int32_t f) { return f != AForma; });
    }
    void Colocar(TEstado& AEstado, std::int32_t ARanhura, std::int32_t AForma) const;
    char Letra(std::int32_t AForma, std::size_t APosicao) const {
        return FLetras[static_cast<std::size_t>(AForma) * FMaior + APosicao];
    }
    const TRanhura& Ranhura(std::int32_t ARanhura) const {
        return FPadrao.Ranhuras()[static_cast<std::size_t>(ARanhura)];
    }
    // Where cell ACasa falls in slot ARanhura, which passes through it.
    std::int32_t Posicao(std::int32_t ARanhura, std::int32_t ACasa) const {
        const TRanhura& r = Ranhura(ARanhura);
        return r.Horizontal ? ACasa % FPadrao.Lado() - r.Coluna : ACasa / FPadrao.Lado() - r.Linha;
    }
    auto FormasDoComprimento(std::size_t AComprimento) const {
        return std::views::iota(FPrimeiraForma[AComprimento], FPrimeiraForma[AComprimento + 1]);
    }
    const std::vector<std::int32_t>& RanhurasDoComprimento(std::size_t AComprimento) const {
        return FPadrao.RanhurasDoComprimento(static_cast<std::int32_t>(AComprimento));
    }

    const TPadraoAnalisado& FPadrao;
    // Distinct board forms, by length then alphabet, as the printed list orders them.
    std::vector<std::string> FFormas;
    std::vector<std::int32_t> FCopias;
    // Indexed by length.
    // The forms of length c are FPrimeiraForma[c] .. FPrimeiraForma[c + 1] - 1.
    std::vector<std::int32_t> FPrimeiraForma;
    // The forms' letters again, FMaior apart, for the filters.
    std::size_t FMaior = 0;
    std::string FLetras;
    // Where each slot's candidates start in TEstado::Candidatos.
    std::vector<std::size_t> FInicioCandidatos;
    TEstado FInicial;
    std::array<std::int32_t, NUM_TECNICAS> FUsos{};
    std::int32_t FComparacoes = 0;
    std::vector<TParagem> FParagens;
    // Whether the last step on the way to the solution was not reading.
    bool FParado = false;
    // Scratch of Eliminacao, kept to spare allocations: per slot and position, how many of its
    // candidates have each letter there (a slot's rows start where its cells do in the
    // pattern), and whether they are counted yet.
    std::vector<std::array<std::int32_t, LETRAS>> FTabelas;
    std::vector<std::size_t> FInicioTabela;
    std::vector<std::uint8_t> FTabelaFeita;
    std::vector<std::pair<std::size_t, std::int32_t>> FOrdem;
    std::vector<std::int32_t> FFora;
    // Scratch of PalavraUnica: how many open slots each form fits, and where the one found goes.
    std::vector<std::int32_t> FLugares;
    std::vector<std::int32_t> FOnde;
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

    std::vector<const std::string*> grelhas;
    grelhas.reserve(AGrelhas.size());
    for (const std::string& g : AGrelhas)
        grelhas.push_back(&g);
    std::sort(grelhas.begin(), grelhas.end(), [](const std::string* a, const std::string* b) {
        return a->size() != b->size() ? a->size() < b->size() : *a < *b;
    });
    FFormas.reserve(grelhas.size());
    for (const std::string* grelha : grelhas) {
        const std::string& g = *grelha;
        if (!FFormas.empty() && FFormas.back() == g) {
            ++FCopias.back();
            continue;
        }
        FFormas.push_back(g);
        FCopias.push_back(1);
    }

    FPrimeiraForma.assign(maior + 2, 0);
    for (const std::string& forma : FFormas)
        ++FPrimeiraForma[forma.size() + 1];
    for (std::size_t c = 1; c < FPrimeiraForma.size(); ++c)
        FPrimeiraForma[c] += FPrimeiraForma[c - 1];
    FMaior = maior;
    FLetras.assign(FFormas.size() * maior, VAZIA);
    for (std::size_t f = 0; f < FFormas.size(); ++f)
        FLetras.replace(f * maior, FFormas[f].size(), FFormas[f]);

    const auto numRanhuras = static_cast<std::size_t>(APadrao.NumRanhuras());
    FInicial.Letras.assign(APadrao.Pretas().size(), VAZIA);
    for (std::size_t c = 0; c < FInicial.Letras.size(); ++c)
        if (APadrao.Pretas()[c])
            FInicial.Letras[c] = '#';
    FInicial.Colocada.assign(numRanhuras, NENHUMA);
    FInicial.Restantes = FCopias;
    // Before any letter, a slot's candidates are the words of its length.
    FInicioCandidatos.resize(numRanhuras);
    FInicial.NumCandidatos.resize(numRanhuras);
    FInicioTabela.resize(numRanhuras);
    std::size_t todos = 0;
    for (const TRanhura& ranhura : APadrao.Ranhuras())
        todos += FormasDoComprimento(static_cast<std::size_t>(ranhura.Comprimento)).size();
    FInicial.Candidatos.reserve(todos);
    std::size_t casas = 0;
    for (std::size_t s = 0; s < numRanhuras; ++s) {
        const auto formas =
            FormasDoComprimento(static_cast<std::size_t>(APadrao.Ranhuras()[s].Comprimento));
        FInicioCandidatos[s] = FInicial.Candidatos.size();
        FInicial.Candidatos.insert(FInicial.Candidatos.end(), formas.begin(), formas.end());
        FInicial.NumCandidatos[s] = static_cast<std::int32_t>(formas.size());
        FInicioTabela[s] = casas;
        casas += static_cast<std::size_t>(APadrao.Ranhuras()[s].Comprimento);
    }
    FTabelas.resize(casas);
    FTabelaFeita.resize(numRanhuras);
    FLugares.resize(FFormas.size());
    FOrdem.reserve(numRanhuras);
    FFora.reserve(FFormas.size());
    FOnde.reserve(numRanhuras);
    FInicial.Abertas = APadrao.NumRanhuras();
    FInicial.AbertasDoComprimento.assign(maior + 1, 0);
    FInicial.CopiasDoComprimento.assign(maior + 1, 0);
    FInicial.FormasDoComprimento.assign(maior + 1, 0);
    for (std::size_t c = 0; c <= maior; ++c) {
        FInicial.AbertasDoComprimento[c] =
            static_cast<std::int32_t>(RanhurasDoComprimento(c).size());
        FInicial.FormasDoComprimento[c] = static_cast<std::int32_t>(FormasDoComprimento(c).size());
        for (const std::int32_t f : FormasDoComprimento(c))
            FInicial.CopiasDoComprimento[c] += FCopias[static_cast<std::size_t>(f)];
    }
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
        const char letra = forma[p];
        AEstado.Letras[casa] = letra;
        for (const std::int32_t t : FPadrao.RanhurasDaCasa(casas[p])) {
            if (t == NENHUMA || t == ARanhura ||
                AEstado.Colocada[static_cast<std::size_t>(t)] != NENHUMA)
                continue;
            const auto q = static_cast<std::size_t>(Posicao(t, casas[p]));
            Filtrar(AEstado, t, [&](std::int32_t f) { return Letra(f, q) == letra; });
        }
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
            if (AEstado.Colocada[static_cast<std::size_t>(t)] == NENHUMA)
                Excluir(AEstado, t, AForma);
    }
}

TPasso TResolvedorHumano::ComprimentoUnico(TEstado& AEstado, TCusto& ACusto) {
    for (std::size_t comprimento = 0; comprimento + 1 < FPrimeiraForma.size(); ++comprimento) {
        const std::int32_t abertas = AEstado.AbertasDoComprimento[comprimento];
        // Slots and words of a length no longer pair up.
        if (abertas != AEstado.CopiasDoComprimento[comprimento])
            return TPasso::psContradicao;
        if (abertas == 0 || AEstado.FormasDoComprimento[comprimento] != 1)
            continue;
        std::int32_t unica = NENHUMA;
        for (const std::int32_t f : FormasDoComprimento(comprimento))
            if (AEstado.Restantes[static_cast<std::size_t>(f)] > 0)
                unica = f;
        for (const std::int32_t s : RanhurasDoComprimento(comprimento)) {
            if (AEstado.Colocada[static_cast<std::size_t>(s)] != NENHUMA)
                continue;
            if (!Candidata(AEstado, s, unica))
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
        const std::span<const std::int32_t> candidatos = Candidatos(AEstado, s);
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
    std::fill(FLugares.begin(), FLugares.end(), 0);
    for (std::int32_t s = 0; s < FPadrao.NumRanhuras(); ++s)
        if (AEstado.Colocada[static_cast<std::size_t>(s)] == NENHUMA)
            for (const std::int32_t f : Candidatos(AEstado, s))
                ++FLugares[static_cast<std::size_t>(f)];
    const auto numFormas = static_cast<std::int32_t>(FFormas.size());
    for (std::int32_t f = 0; f < numFormas; ++f) {
        const std::int32_t restantes = AEstado.Restantes[static_cast<std::size_t>(f)];
        const std::int32_t lugares = FLugares[static_cast<std::size_t>(f)];
        if (restantes == 0 || lugares > restantes)
            continue;
        if (lugares < restantes)
            return TPasso::psContradicao;
        // Found by reading the word against every open slot of its length.
        const std::size_t comprimento = FFormas[static_cast<std::size_t>(f)].size();
        ACusto.Comparacoes += AEstado.AbertasDoComprimento[comprimento];
        FOnde.clear();
        for (const std::int32_t s : RanhurasDoComprimento(comprimento))
            if (AEstado.Colocada[static_cast<std::size_t>(s)] == NENHUMA &&
                Candidata(AEstado, s, f))
                FOnde.push_back(s);
        for (const std::int32_t s : FOnde) {
            // An earlier copy may have taken a letter this slot needed.
            if (!Candidata(AEstado, s, f))
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
    // By number of candidates, then in slot order.
    FOrdem.clear();
    for (std::int32_t s = 0; s < FPadrao.NumRanhuras(); ++s)
        if (AEstado.Colocada[static_cast<std::size_t>(s)] == NENHUMA)
            FOrdem.emplace_back(Candidatos(AEstado, s).size(), s);
    std::sort(FOrdem.begin(), FOrdem.end());
    // Made when first needed; nothing changes the lists until this returns.
    std::fill(FTabelaFeita.begin(), FTabelaFeita.end(), 0);
    const auto tabela = [&](std::size_t t) {
        const auto contagens = std::span(FTabelas).subspan(
            FInicioTabela[t], static_cast<std::size_t>(FPadrao.Ranhuras()[t].Comprimento));
        if (!FTabelaFeita[t]) {
            FTabelaFeita[t] = 1;
            std::ranges::fill(contagens, std::array<std::int32_t, LETRAS>{});
            for (const std::int32_t g : Candidatos(AEstado, static_cast<std::int32_t>(t))) {
                const std::string& forma = FFormas[static_cast<std::size_t>(g)];
                for (std::size_t q = 0; q < forma.size(); ++q)
                    ++contagens[q][static_cast<std::size_t>(forma[q] - 'A')];
            }
        }
        return contagens;
    };

    std::vector<std::int32_t>& fora = FFora;
    fora.clear();
    for (const auto& [numCandidatos, s] : FOrdem) {
        const std::span<const std::int32_t> casas = FPadrao.Casas(s);
        const std::span<const std::int32_t> candidatos = Candidatos(AEstado, s);
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
                        forma[q] == forma[p] && Candidata(AEstado, o, f))
                        --restam;
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
    for (std::size_t comprimento = 0; comprimento + 1 < FPrimeiraForma.size(); ++comprimento) {
        const std::vector<std::int32_t>& ranhuras = RanhurasDoComprimento(comprimento);
        for (std::size_t i = 0; i < ranhuras.size(); ++i) {
            const std::int32_t a = ranhuras[i];
            if (AEstado.Colocada[static_cast<std::size_t>(a)] != NENHUMA)
                continue;
            const std::span<const std::int32_t> par = Candidatos(AEstado, a);
            if (par.size() != 2 || AEstado.Restantes[static_cast<std::size_t>(par[0])] != 1 ||
                AEstado.Restantes[static_cast<std::size_t>(par[1])] != 1)
                continue;
            for (std::size_t j = i + 1; j < ranhuras.size(); ++j) {
                const std::int32_t b = ranhuras[j];
                if (AEstado.Colocada[static_cast<std::size_t>(b)] != NENHUMA ||
                    !std::ranges::equal(Candidatos(AEstado, b), par))
                    continue;
                bool excluiu = false;
                for (const std::int32_t t : ranhuras) {
                    if (t == a || t == b ||
                        AEstado.Colocada[static_cast<std::size_t>(t)] != NENHUMA)
                        continue;
                    const std::span<const std::int32_t> candidatos = Candidatos(AEstado, t);
                    for (const std::int32_t f : par)
                        if (std::ranges::find(candidatos, f) != candidatos.end()) {
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
