#include "UnitPalvorinGerador.hpp"

#include "UnitPalvorinDificuldade.hpp"

#include <cstdlib>

namespace palvorin {

namespace {

// These three decide the books: changing one changes them, so raise PALVORIN_REVISAO_GERADOR.
constexpr std::int32_t TENTATIVAS_DO_GERADOR = 20;
constexpr std::int32_t TENTATIVAS_DO_GERADOR_DE_NIVEL = 10;
// Enough to tell one solution from several; a higher count spends more of the counter's steps.
constexpr std::int32_t MAXIMO_CONTAGEM = 2;

// These decide themed books only: changing one changes them, so raise REVISAO_GERADOR_TEMA. Most
// of a themed book's time went to further attempts on patterns that never filled; drawing a new
// pattern after one failed attempt costs far less. The time saved buys a wider theme net; on
// 15 × 15 a net as wide costs up to twice the plain book's steps, and a narrower one still gives
// that side's share.
constexpr std::int32_t TENTATIVAS_COM_TEMA = 1;
constexpr std::int32_t LARGUEZA_TEMA = 48;
constexpr std::int32_t LARGUEZA_TEMA_15 = 24;
// Past a quarter of a board's words, more theme words cost a rich theme more steps than they add.
constexpr std::int32_t QUOTA_TEMA = 25;

bool Cancelado(const TConsultaCancelamento& ACancelado) {
    return ACancelado && ACancelado();
}

} // namespace

TOpcoesGerador OpcoesGeradorPadrao() {
    TOpcoesGerador opc;
    opc.Preenchimento = OpcoesPreenchimentoPadrao();
    opc.Preenchimento.Tentativas = TENTATIVAS_DO_GERADOR;
    return opc;
}

TOpcoesGerador OpcoesGeradorDeNivel(TNivelDificuldade ANivel) {
    TOpcoesGerador opc = OpcoesGeradorPadrao();
    opc.Preenchimento.Tentativas = TENTATIVAS_DO_GERADOR_DE_NIVEL;
    opc.PermitirRaras = false;
    opc.Classificar = true;
    opc.Rumo = ANivel;
    return opc;
}

TOpcoesGerador OpcoesComTema(TOpcoesGerador AOpc, std::shared_ptr<const TMascarasTema> ATema,
                             std::int32_t ALado) {
    AOpc.Preenchimento.Tema = std::move(ATema);
    // A level book throws away puzzles of other levels: with one attempt per pattern and the
    // wider net, too few were of the level asked for, and positions were left without a puzzle.
    if (AOpc.Rumo)
        return AOpc;
    AOpc.Preenchimento.Tentativas = TENTATIVAS_COM_TEMA;
    AOpc.Preenchimento.LarguezaTema = ALado >= 15 ? LARGUEZA_TEMA_15 : LARGUEZA_TEMA;
    AOpc.Preenchimento.QuotaTema = QUOTA_TEMA;
    return AOpc;
}

// The thresholds below screen patterns out before any fill: changing one changes the books, so
// raise PALVORIN_REVISAO_GERADOR.
std::string MotivoRejeicao(const TPadraoAnalisado& APadrao) {
    const TPadrao& pretas = APadrao.Pretas();
    const std::int32_t lado = APadrao.Lado();
    const std::int32_t n = APadrao.NumRanhuras();
    const std::int32_t h = APadrao.NumHorizontais();
    const std::int32_t v = n - h;
    if (n < 2 * lado)
        return "poucas palavras (" + std::to_string(n) + ")";
    if (n > 5 * lado)
        return "muitas palavras (" + std::to_string(n) + ")";
    if (6 * std::abs(h - v) > n)
        return "horizontais e verticais desequilibradas (" + std::to_string(h) + " e " +
               std::to_string(v) + ")";
    const std::int32_t m = lado / 2;
    std::int32_t a = 0;
    std::int32_t b = 0;
    for (std::int32_t r = 0; r < m; ++r) {
        for (std::int32_t c = 0; c < m; ++c)
            a += pretas[r * lado + c] ? 1 : 0;
        for (std::int32_t c = m + 1; c < lado; ++c)
            b += pretas[r * lado + c] ? 1 : 0;
    }
    if (std::abs(a - b) > (lado + 2) / 3)
        return "quadrantes desequilibrados (" + std::to_string(a) + " e " + std::to_string(b) +
               " casas pretas)";
    return {};
}

bool DemasiadasCurtas(const TPadraoAnalisado& APadrao, double AMaxFraccao) {
    const std::int32_t n = APadrao.NumRanhuras();
    const auto k = static_cast<std::int32_t>(APadrao.RanhurasDoComprimento(3).size());
    return n > 0 && static_cast<double>(k) > AMaxFraccao * static_cast<double>(n);
}

std::vector<std::string> GrelhasDoPuzzle(const TPuzzle& APuzzle) {
    std::vector<std::string> grelhas;
    grelhas.reserve(APuzzle.Palavras.size());
    for (const TPalavraColocada& p : APuzzle.Palavras)
        grelhas.push_back(p.Grelha);
    return grelhas;
}

namespace {

bool UsaPalavraRara(const TDicionario& ADic, const TPuzzle& APuzzle) {
    for (const TPalavraColocada& p : APuzzle.Palavras) {
        const std::int32_t indice = ADic.IndiceDaGrelha(p.Grelha);
        if (indice >= 0 && !ADic.Palavra(indice).Comum)
            return true;
    }
    return false;
}

} // namespace

bool GerarPuzzle(const TDicionario& ADic, std::int32_t ALado, std::uint32_t ASemente,
                 const TOpcoesGerador& AOpc, const TConsultaCancelamento& ACancelado,
                 TPuzzle& APuzzle, TEstatisticasGerador& AEstat) {
    APuzzle = TPuzzle{};
    AEstat = TEstatisticasGerador{};
    if (!TamanhoValido(ALado))
        throw EInterno("GerarPuzzle: tamanho inválido: " + std::to_string(ALado));
    TGeradorAleatorio ger(ASemente);
    // The rare-word retry differs from the caller's fill options only in SoComuns; copied once
    // here rather than on every attempt.
    const bool tentarRaras = AOpc.PermitirRaras && AOpc.Preenchimento.SoComuns;
    TOpcoesPreenchimento comRaras;
    if (tentarRaras) {
        comRaras = AOpc.Preenchimento;
        comRaras.SoComuns = false;
    }

    TPuzzle preenchido;
    for (std::int32_t desenho = 0; desenho < AOpc.MaxPadroes; ++desenho) {
        if (Cancelado(ACancelado))
            return false;
        const TPadraoAnalisado padrao(
            GerarPadrao(ALado, ger, AOpc.Densidade, AOpc.ProbEvitarCurtas), ALado);
        ++AEstat.Padroes;
        if (!MotivoRejeicao(padrao).empty() ||
            (AOpc.MaxFraccaoCurtas > 0 && DemasiadasCurtas(padrao, AOpc.MaxFraccaoCurtas)) ||
            (AOpc.Rumo && !PadraoParaNivel(padrao, *AOpc.Rumo))) {
            ++AEstat.PadroesRejeitados;
            continue;
        }
        for (std::int32_t tentativa = 0; tentativa < AOpc.MaxPreenchimentos; ++tentativa) {
            if (Cancelado(ACancelado))
                return false;
            bool cheio =
                PreencherPadrao(ADic, padrao, ger, AOpc.Preenchimento, preenchido, ACancelado);
            if (!cheio && tentarRaras)
                cheio = PreencherPadrao(ADic, padrao, ger, comRaras, preenchido, ACancelado);
            if (!cheio) {
                ++AEstat.FalhasPreenchimento;
                break;
            }
            ++AEstat.Preenchimentos;
            bool interrompida = false;
            const std::vector<std::string> grelhas = GrelhasDoPuzzle(preenchido);
            const std::int32_t solucoes = ContarSolucoes(padrao, grelhas, MAXIMO_CONTAGEM,
                                                         AOpc.LimiteNosContagem, interrompida);
            if (interrompida) {
                ++AEstat.ContagensInterrompidas;
            } else if (solucoes == 1) {
                AEstat.ComRaras = UsaPalavraRara(ADic, preenchido) ? 1 : 0;
                if (AOpc.Classificar)
                    preenchido.Dificuldade = Classificar(padrao, grelhas);
                APuzzle = std::move(preenchido);
                return true;
            } else {
                ++AEstat.NaoUnicos;
            }
        }
    }
    return false;
}

} // namespace palvorin
