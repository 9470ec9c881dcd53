#include "UnitPalvorinPreenchedor.hpp"

#include <algorithm>
#include <bit>
#include <limits>

namespace palvorin {

namespace {

bool ComprimentoComPalavras(std::int32_t AComprimento) {
    return AComprimento >= COMPRIMENTO_MINIMO && AComprimento <= COMPRIMENTO_MAXIMO;
}

std::int32_t Blocos(std::int32_t APalavras) {
    return (APalavras + 63) / 64;
}

// The filler's inner loop: AAlvo = ADisp AND every mask, block by block, counting the set bits.
// Built twice where the compiler can, with and without the processor's population count, and
// picked at load time: the portable popcount is a library call per block.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target_clones("popcnt", "default")))
#endif
std::int32_t
CruzarEContar(const std::uint64_t* ADisp, std::size_t ABlocos,
              const std::uint64_t* const* AMascaras, std::size_t ANumMascaras,
              std::uint64_t* AAlvo) {
    std::int32_t total = 0;
    for (std::size_t b = 0; b < ABlocos; ++b) {
        std::uint64_t w = ADisp[b];
        for (std::size_t m = 0; m < ANumMascaras && w != 0; ++m)
            w &= AMascaras[m][b];
        AAlvo[b] = w;
        total += std::popcount(w);
    }
    return total;
}

} // namespace

TOpcoesPreenchimento OpcoesPreenchimentoPadrao() {
    return TOpcoesPreenchimento{};
}

TPreenchedor::TPreenchedor(const TDicionario& ADic, const TPadraoAnalisado& APadrao,
                           TGeradorAleatorio& AGer, const TOpcoesPreenchimento& AOpc,
                           const TConsultaCancelamento& ACancelado)
    : FDic(ADic), FPadrao(APadrao), FGer(AGer), FCancelado(ACancelado), FOpc(AOpc),
      FNS(APadrao.NumRanhuras()) {
    FOpc.Ramo = std::max(FOpc.Ramo, 1);
    FOpc.Tentativas = std::max(FOpc.Tentativas, 1);
    FLetra.assign(APadrao.Pretas().size(), -1);
    FPilha.assign(FLetra.size(), 0);
    FFeita.assign(FNS, false);
    FEscolha.assign(FNS, 0);
    for (const TRanhura& r : APadrao.Ranhuras())
        FMaxBlocos = std::max(FMaxBlocos, Blocos(FDic.ContarComprimento(r.Comprimento)));
    FBufs.assign(FNS + 1, std::vector<std::uint64_t>(FMaxBlocos, 0));
    FRasco.assign(FMaxBlocos, 0);
    FContagens.assign(static_cast<std::size_t>(FNS + 1) * FNS, 0);
    FRecontar.reserve(2 * COMPRIMENTO_MAXIMO);
    FARecontar.assign(FNS, false);
    PrepararBase();
    FRascoTema.assign(FMaxBlocosTema, 0);
}

void TPreenchedor::PrepararBase() {
    for (TConjuntoBits& base : FBase)
        base.clear();
    for (std::int32_t L = COMPRIMENTO_MINIMO; L <= COMPRIMENTO_MAXIMO; ++L) {
        if (FPadrao.RanhurasDoComprimento(L).empty())
            continue;
        const std::int32_t c = FDic.ContarComprimento(L);
        if (c > 0)
            for (std::int32_t k = 0; k < L; ++k)
                for (char letra = 'A'; letra <= 'Z'; ++letra)
                    FMascaras[L].push_back(FDic.MascaraDaLetra(L, k, letra).data());
        if (FOpc.Tema)
            PrepararTema(L);
        TConjuntoBits& base = FBase[L];
        if (FOpc.SoComuns) {
            base = FDic.MascaraComuns(L);
        } else {
            base.assign(Blocos(c), ~std::uint64_t{0});
            if (c % 64 != 0)
                base.back() = (std::uint64_t{1} << (c % 64)) - 1;
        }
        if (FOpc.Proibidas.empty())
            continue;
        for (std::int32_t j = 0; j < c; ++j) {
            const auto w = static_cast<std::size_t>(FDic.PalavraDoGrupo(L, j));
            if (w < FOpc.Proibidas.size() && FOpc.Proibidas[w])
                base[j / 64] &= ~(std::uint64_t{1} << (j % 64));
        }
    }
}

void TPreenchedor::PrepararTema(std::int32_t L) {
    const TConjuntoBits& doTema = (*FOpc.Tema)[L];
    for (std::size_t b = 0; b < doTema.size(); ++b)
        for (std::uint64_t w = doTema[b]; w != 0; w &= w - 1)
            FDoTema[L].push_back(static_cast<std::int32_t>(b * 64) + std::countr_zero(w));
    if (FDoTema[L].empty())
        return;
    const auto n = static_cast<std::int32_t>(FDoTema[L].size());
    const auto blocos = static_cast<std::size_t>(Blocos(n));
    FMaxBlocosTema = std::max(FMaxBlocosTema, static_cast<std::int32_t>(blocos));
    // Letter masks over the theme's words alone: a few blocks instead of the whole length's.
    FBlocosTema[L].assign(static_cast<std::size_t>(L) * 26 * blocos, 0);
    for (std::int32_t t = 0; t < n; ++t) {
        const std::string& grelha = FDic.Palavra(FDic.PalavraDoGrupo(L, FDoTema[L][t])).Grelha;
        for (std::int32_t k = 0; k < L; ++k)
            FBlocosTema[L][(static_cast<std::size_t>(k) * 26 + (grelha[k] - 'A')) * blocos +
                           t / 64] |= std::uint64_t{1} << (t % 64);
    }
    for (std::size_t m = 0; m < static_cast<std::size_t>(L) * 26; ++m)
        FMascarasTema[L].push_back(&FBlocosTema[L][m * blocos]);
}

bool TPreenchedor::Correr() {
    for (const TRanhura& r : FPadrao.Ranhuras())
        if (!ComprimentoComPalavras(r.Comprimento))
            return false;
    for (std::int32_t tentativa = 0; tentativa < FOpc.Tentativas; ++tentativa) {
        if (tentativa > 0 && FCancelado && FCancelado())
            return false;
        Reiniciar();
        if (Procurar(0))
            return true;
    }
    return false;
}

void TPreenchedor::Reiniciar() {
    std::fill(FLetra.begin(), FLetra.end(), -1);
    std::fill(FFeita.begin(), FFeita.end(), false);
    for (std::int32_t L = COMPRIMENTO_MINIMO; L <= COMPRIMENTO_MAXIMO; ++L) {
        FDisp[L] = FBase[L];
        FDispTema[L].assign(
            static_cast<std::size_t>(Blocos(static_cast<std::int32_t>(FDoTema[L].size()))), 0);
        for (std::size_t t = 0; t < FDoTema[L].size(); ++t) {
            const std::int32_t j = FDoTema[L][t];
            if ((FBase[L][j / 64] >> (j % 64)) & 1)
                FDispTema[L][t / 64] |= std::uint64_t{1} << (t % 64);
        }
    }
    FTopo = 0;
    FNos = 0;
    FNumDoTema = 0;
    FCandidatos.clear();
    for (std::int32_t i = 0; i < FNS; ++i)
        FContagens[i] = Candidatos(i, FRasco);
}

std::int32_t TPreenchedor::Candidatos(std::int32_t ARanhura,
                                      std::vector<std::uint64_t>& AAlvo) const {
    const auto L = static_cast<std::int32_t>(FPadrao.Casas(ARanhura).size());
    return Cruzar(ARanhura, FDisp[L], FMascaras[L], AAlvo);
}

std::int32_t TPreenchedor::CandidatosDoTema(std::int32_t ARanhura,
                                            std::vector<std::uint64_t>& AAlvo) const {
    const auto L = static_cast<std::int32_t>(FPadrao.Casas(ARanhura).size());
    return Cruzar(ARanhura, FDispTema[L], FMascarasTema[L], AAlvo);
}

std::int32_t TPreenchedor::Cruzar(std::int32_t ARanhura, const TConjuntoBits& ADisp,
                                  const std::vector<const std::uint64_t*>& AMascaras,
                                  std::vector<std::uint64_t>& AAlvo) const {
    const std::span<const std::int32_t> casas = FPadrao.Casas(ARanhura);
    const auto L = static_cast<std::int32_t>(casas.size());
    if (ADisp.empty())
        return 0;
    const std::uint64_t* const* daLetra = AMascaras.data();
    std::array<const std::uint64_t*, COMPRIMENTO_MAXIMO> mascaras;
    std::size_t numMascaras = 0;
    for (std::int32_t k = 0; k < L; ++k) {
        const std::int32_t letra = FLetra[casas[k]];
        if (letra >= 0)
            mascaras[numMascaras++] = daLetra[k * 26 + letra];
    }
    return CruzarEContar(ADisp.data(), ADisp.size(), mascaras.data(), numMascaras, AAlvo.data());
}

// Inline: it runs for every open slot of the placed word's length at every step.
inline bool TPreenchedor::Cabe(std::int32_t ARanhura, std::int32_t AJ) const {
    const std::span<const std::int32_t> casas = FPadrao.Casas(ARanhura);
    const auto L = static_cast<std::int32_t>(casas.size());
    const std::uint64_t* const* daLetra = FMascaras[L].data();
    for (std::int32_t k = 0; k < L; ++k) {
        const std::int32_t letra = FLetra[casas[k]];
        if (letra >= 0 && ((daLetra[k * 26 + letra][AJ / 64] >> (AJ % 64)) & 1) == 0)
            return false;
    }
    return true;
}

void TPreenchedor::AtualizarContagens(std::int32_t AProfundidade, std::int32_t ARanhura,
                                      std::int32_t AJ, std::int32_t AMarca) {
    const std::int32_t* antes = &FContagens[static_cast<std::size_t>(AProfundidade) * FNS];
    std::int32_t* depois = &FContagens[static_cast<std::size_t>(AProfundidade + 1) * FNS];
    std::copy(antes, antes + FNS, depois);
    FRecontar.clear();
    for (std::int32_t p = AMarca; p < FTopo; ++p)
        for (const std::int32_t i : FPadrao.RanhurasDaCasa(FPilha[p]))
            if (i >= 0 && i != ARanhura && !FARecontar[i]) {
                FARecontar[i] = true;
                FRecontar.push_back(i);
            }
    // A slot that received no letter kept its letters, so Cabe reads what it read before.
    for (const std::int32_t i :
         FPadrao.RanhurasDoComprimento(static_cast<std::int32_t>(FPadrao.Casas(ARanhura).size())))
        if (!FFeita[i] && !FARecontar[i] && Cabe(i, AJ))
            --depois[i];
    for (const std::int32_t i : FRecontar) {
        depois[i] = Candidatos(i, FRasco);
        FARecontar[i] = false;
    }
}

std::int32_t TPreenchedor::Adiantar(std::size_t ABase, std::int32_t ADe, std::int32_t AAte,
                                    const TConjuntoBits& AMascara) {
    std::int32_t fim = ADe;
    for (std::int32_t t = ADe; t < AAte; ++t) {
        const std::int32_t j = FCandidatos[ABase + t];
        if ((AMascara[j / 64] >> (j % 64)) & 1) {
            std::swap(FCandidatos[ABase + t], FCandidatos[ABase + fim]);
            ++fim;
        }
    }
    return fim;
}

TPreenchedor::TFinsDosGrupos TPreenchedor::OrdenarCandidatos(std::size_t ABase,
                                                             std::int32_t AComprimento) {
    const auto total = static_cast<std::int32_t>(FCandidatos.size() - ABase);
    std::int32_t doTema = 0;
    if (FOpc.Tema && !(*FOpc.Tema)[AComprimento].empty())
        doTema = Adiantar(ABase, 0, total, (*FOpc.Tema)[AComprimento]);
    const std::int32_t comuns =
        FOpc.SoComuns ? total : Adiantar(ABase, doTema, total, FDic.MascaraComuns(AComprimento));
    if (!FDic.TemPreferidas(AComprimento))
        return {doTema, doTema, comuns, comuns}; // no pass looking for words the list marks none of
    const TConjuntoBits& preferidas = FDic.MascaraPreferidas(AComprimento);
    return {doTema, Adiantar(ABase, doTema, comuns, preferidas), comuns,
            Adiantar(ABase, comuns, total, preferidas)};
}

void TPreenchedor::MarcarDoTema(std::int32_t L, std::int32_t AJ, bool ALivre) {
    const std::vector<std::int32_t>& doTema = FDoTema[L];
    // Most placed words are not the theme's: one bit tells, before any search.
    if (doTema.empty() || (((*FOpc.Tema)[L][AJ / 64] >> (AJ % 64)) & 1) == 0)
        return;
    FNumDoTema += ALivre ? -1 : 1;
    const auto onde = std::lower_bound(doTema.begin(), doTema.end(), AJ);
    const auto t = static_cast<std::size_t>(onde - doTema.begin());
    const std::uint64_t bit = std::uint64_t{1} << (t % 64);
    if (ALivre)
        FDispTema[L][t / 64] |= bit;
    else
        FDispTema[L][t / 64] &= ~bit;
}

bool TPreenchedor::TentarTema(std::int32_t d, std::int32_t s) {
    const auto L = static_cast<std::int32_t>(FPadrao.Casas(s).size());
    CandidatosDoTema(s, FRascoTema);
    const std::size_t base = FCandidatos.size();
    for (std::size_t b = 0; b < FDispTema[L].size(); ++b)
        for (std::uint64_t w = FRascoTema[b]; w != 0; w &= w - 1)
            FCandidatos.push_back(FDoTema[L][b * 64 + std::countr_zero(w)]);
    const auto n = static_cast<std::int32_t>(FCandidatos.size() - base);
    const std::int32_t m = std::min(FOpc.Ramo, n);
    for (std::int32_t t = 0; t < m; ++t)
        std::swap(FCandidatos[base + t], FCandidatos[base + t + FGer.Limite(n - t)]);
    return TentarCandidatos(d, s, base, m);
}

// Tries the first AQuantos candidates from FCandidatos[ABase] in slot ARanhura, in order, and
// drops them from FCandidatos when none leads to a fill.
bool TPreenchedor::TentarCandidatos(std::int32_t d, std::int32_t s, std::size_t base,
                                    std::int32_t m) {
    const std::span<const std::int32_t> casas = FPadrao.Casas(s);
    const auto L = static_cast<std::int32_t>(casas.size());
    TConjuntoBits& disp = FDisp[L];
    for (std::int32_t t = 0; t < m; ++t) {
        const std::int32_t j = FCandidatos[base + t];
        const std::string& grelha = FDic.Palavra(FDic.PalavraDoGrupo(L, j)).Grelha;
        const std::int32_t marca = FTopo;
        for (std::int32_t k = 0; k < L; ++k) {
            const std::int32_t x = casas[k];
            if (FLetra[x] < 0) {
                FLetra[x] = grelha[k] - 'A';
                FPilha[FTopo++] = x;
            }
        }
        const std::uint64_t bit = std::uint64_t{1} << (j % 64);
        disp[j / 64] &= ~bit;
        MarcarDoTema(L, j, false);
        FFeita[s] = true;
        FEscolha[s] = j;
        AtualizarContagens(d, s, j, marca);
        if (Procurar(d + 1))
            return true;
        FFeita[s] = false;
        disp[j / 64] |= bit;
        MarcarDoTema(L, j, true);
        while (FTopo > marca)
            FLetra[FPilha[--FTopo]] = -1;
        if (FNos > FOpc.LimiteNos)
            break;
    }
    FCandidatos.resize(base);
    return false;
}

bool TPreenchedor::Procurar(std::int32_t AProfundidade) {
    const std::int32_t d = AProfundidade;
    if (d == FNS)
        return true;
    if (++FNos > FOpc.LimiteNos)
        return false;

    const std::int32_t* contagens = &FContagens[static_cast<std::size_t>(d) * FNS];
    std::int32_t s = -1;
    std::int32_t melhor = std::numeric_limits<std::int32_t>::max();
    std::int32_t sTema = -1;
    std::int32_t melhorTema = std::numeric_limits<std::int32_t>::max();
    for (std::int32_t i = 0; i < FNS; ++i) {
        if (FFeita[i])
            continue;
        const std::int32_t c = contagens[i];
        if (c == 0)
            return false;
        // Ties go to a later slot three times in ten. The draw and its odds decide the books:
        // raise PALVORIN_REVISAO_GERADOR if they change.
        if (c < melhor || (c == melhor && FGer.Limite(10) < 3)) {
            s = i;
            melhor = c;
        }
    }
    if (FOpc.Tema && 100 * FNumDoTema < FOpc.QuotaTema * FNS)
        for (std::int32_t i = 0; i < FNS; ++i) {
            const std::int32_t c = contagens[i];
            if (!FFeita[i] && std::int64_t{c} <= std::int64_t{FOpc.LarguezaTema} * melhor &&
                c < melhorTema && CandidatosDoTema(i, FRascoTema) > 0) {
                sTema = i;
                melhorTema = c;
            }
        }
    if (sTema >= 0 && sTema != s) {
        if (TentarTema(d, sTema))
            return true;
        if (FNos > FOpc.LimiteNos)
            return false;
    }
    Candidatos(s, FBufs[d]);

    const std::span<const std::int32_t> casas = FPadrao.Casas(s);
    const auto L = static_cast<std::int32_t>(casas.size());
    TConjuntoBits& disp = FDisp[L];
    const std::size_t base = FCandidatos.size();
    FCandidatos.resize(base + melhor);
    std::size_t pos = base;
    for (std::size_t b = 0; b < disp.size(); ++b)
        for (std::uint64_t w = FBufs[d][b]; w != 0; w &= w - 1)
            FCandidatos[pos++] = static_cast<std::int32_t>(b * 64) + std::countr_zero(w);

    const TFinsDosGrupos fins = OrdenarCandidatos(base, L);
    const std::int32_t m = std::min(FOpc.Ramo, melhor);
    for (std::int32_t t = 0; t < m; ++t) {
        // Each draw takes from the first group that still has words left.
        std::int32_t fim = melhor;
        for (const std::int32_t f : fins)
            if (t < f) {
                fim = f;
                break;
            }
        const std::int32_t r = t + FGer.Limite(fim - t);
        std::swap(FCandidatos[base + t], FCandidatos[base + r]);
    }

    return TentarCandidatos(d, s, base, m);
}

TPuzzle TPreenchedor::Montar() const {
    const TPadrao& pretas = FPadrao.Pretas();
    TPuzzle puzzle;
    puzzle.Lado = FPadrao.Lado();
    puzzle.Letras.resize(FLetra.size());
    for (std::size_t i = 0; i < FLetra.size(); ++i)
        // A white cell outside every slot gets no letter; it is shown as black.
        puzzle.Letras[i] = (pretas[i] || FLetra[i] < 0) ? '#' : static_cast<char>('A' + FLetra[i]);
    puzzle.Ranhuras = FPadrao.Ranhuras();
    puzzle.Palavras.reserve(FNS);
    for (std::int32_t i = 0; i < FNS; ++i) {
        const TPalavraDic& palavra =
            FDic.Palavra(FDic.PalavraDoGrupo(puzzle.Ranhuras[i].Comprimento, FEscolha[i]));
        puzzle.Palavras.push_back({palavra.Texto, palavra.Grelha, i});
    }
    return puzzle;
}

bool PreencherPadrao(const TDicionario& ADic, const TPadraoAnalisado& APadrao,
                     TGeradorAleatorio& AGer, const TOpcoesPreenchimento& AOpc, TPuzzle& APuzzle,
                     const TConsultaCancelamento& ACancelado) {
    APuzzle = TPuzzle{};
    TPreenchedor preenchedor(ADic, APadrao, AGer, AOpc, ACancelado);
    if (!preenchedor.Correr())
        return false;
    APuzzle = preenchedor.Montar();
    return true;
}

} // namespace palvorin
