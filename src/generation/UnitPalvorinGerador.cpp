#include "UnitPalvorinGerador.hpp"

#include <cstdlib>

namespace palvorin {

namespace {

constexpr std::int32_t TENTATIVAS_DO_GERADOR = 20;
constexpr std::int32_t MAXIMO_CONTAGEM = 2; // enough to tell one solution from several

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

std::string MotivoRejeicao(const TPadrao& APretas, std::int32_t ALado) {
    const std::vector<TRanhura> ranhuras = ExtrairRanhuras(APretas, ALado);
    const auto n = static_cast<std::int32_t>(ranhuras.size());
    std::int32_t h = 0;
    for (const TRanhura& r : ranhuras)
        if (r.Horizontal)
            ++h;
    const std::int32_t v = n - h;
    if (n < 2 * ALado)
        return "poucas palavras (" + std::to_string(n) + ")";
    if (n > 5 * ALado)
        return "muitas palavras (" + std::to_string(n) + ")";
    if (6 * std::abs(h - v) > n)
        return "horizontais e verticais desequilibradas (" + std::to_string(h) + " e " +
               std::to_string(v) + ")";
    const std::int32_t m = ALado / 2;
    std::int32_t a = 0;
    std::int32_t b = 0;
    for (std::int32_t r = 0; r < m; ++r) {
        for (std::int32_t c = 0; c < m; ++c)
            a += APretas[r * ALado + c] ? 1 : 0;
        for (std::int32_t c = m + 1; c < ALado; ++c)
            b += APretas[r * ALado + c] ? 1 : 0;
    }
    if (std::abs(a - b) > (ALado + 2) / 3)
        return "quadrantes desequilibrados (" + std::to_string(a) + " e " + std::to_string(b) +
               " casas pretas)";
    return {};
}

bool DemasiadasCurtas(const TPadrao& APretas, std::int32_t ALado, double AMaxFraccao) {
    const auto n = static_cast<std::int32_t>(ExtrairRanhuras(APretas, ALado).size());
    const std::int32_t k = ContarRanhurasDeComprimento(APretas, ALado, 3);
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
        throw EPalvorin("GerarPuzzle: tamanho inválido: " + std::to_string(ALado));
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
    for (std::int32_t padrao = 0; padrao < AOpc.MaxPadroes; ++padrao) {
        if (Cancelado(ACancelado))
            return false;
        const TPadrao pretas = GerarPadrao(ALado, ger, AOpc.Densidade, AOpc.ProbEvitarCurtas);
        ++AEstat.Padroes;
        if (!MotivoRejeicao(pretas, ALado).empty() ||
            (AOpc.MaxFraccaoCurtas > 0 && DemasiadasCurtas(pretas, ALado, AOpc.MaxFraccaoCurtas))) {
            ++AEstat.PadroesRejeitados;
            continue;
        }
        for (std::int32_t tentativa = 0; tentativa < AOpc.MaxPreenchimentos; ++tentativa) {
            if (Cancelado(ACancelado))
                return false;
            bool cheio = PreencherPadrao(ADic, pretas, ALado, ger, AOpc.Preenchimento, preenchido,
                                         ACancelado);
            if (!cheio && tentarRaras)
                cheio = PreencherPadrao(ADic, pretas, ALado, ger, comRaras, preenchido, ACancelado);
            if (!cheio) {
                ++AEstat.FalhasPreenchimento;
                break;
            }
            ++AEstat.Preenchimentos;
            bool interrompida = false;
            const std::int32_t solucoes =
                ContarSolucoes(pretas, ALado, GrelhasDoPuzzle(preenchido), MAXIMO_CONTAGEM,
                               AOpc.LimiteNosContagem, interrompida);
            if (interrompida) {
                ++AEstat.ContagensInterrompidas;
            } else if (solucoes == 1) {
                AEstat.ComRaras = UsaPalavraRara(ADic, preenchido) ? 1 : 0;
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
