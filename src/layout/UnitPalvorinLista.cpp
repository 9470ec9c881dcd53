#include "UnitPalvorinLista.hpp"

#include "UnitPalvorinTexto.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace palvorin {

namespace {

constexpr double PASSO_TAMANHO_PT = 0.5;
constexpr double FACTOR_PASSO = 1.3;
constexpr double INTERVALO_MINIMO_MM = 4;
constexpr double INTERVALO_MAXIMO_MM = 14;

std::u16string Utf16(const std::string& ATexto) {
    std::u16string resultado;
    for (const char32_t c : PontosDeCodigo(ATexto)) {
        if (c >= 0x10000) {
            resultado.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            resultado.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            resultado.push_back(static_cast<char16_t>(c));
        }
    }
    return resultado;
}

std::int32_t DivisaoParaCima(std::int32_t A, std::int32_t B) {
    return (A + B - 1) / B;
}

double PassoDe(double ATamanhoPt) {
    return PtParaMm(ATamanhoPt) * FACTOR_PASSO;
}

std::vector<double> MedirEntradas(ICanvasPagina& ACanvas,
                                  const std::vector<TEntradaLista>& AEntradas, double ATamanhoPt) {
    std::vector<double> larguras;
    larguras.reserve(AEntradas.size());
    for (const TEntradaLista& e : AEntradas)
        larguras.push_back(ACanvas.LarguraTexto(e.Texto, ATamanhoPt, e.Cabecalho));
    return larguras;
}

// One distribution of the list with the widths of its columns.
struct TDistribuicao {
    std::int32_t Colunas = 0;
    std::int32_t Linhas = 0;
    std::vector<std::int32_t> ColunaDe;
    std::vector<std::int32_t> LinhaDe;
    std::vector<double> LarguraColuna;
    // The band of each column; empty when there is only one.
    std::vector<std::int32_t> FaixaDaColuna;

    double SomaLarguras() const {
        double soma = 0;
        for (const double l : LarguraColuna)
            soma += l;
        return soma;
    }
    bool CabeNaLargura(double ALarguraMm) const {
        return SomaLarguras() + INTERVALO_MINIMO_MM * (Colunas - 1) <= ALarguraMm;
    }
};

TDistribuicao Distribuir(const std::vector<TEntradaLista>& AEntradas,
                         const std::vector<double>& ALarguras, std::int32_t AMaxLinhas) {
    TDistribuicao d;
    d.Colunas = DistribuirColunas(AEntradas, AMaxLinhas, d.ColunaDe, d.LinhaDe, d.Linhas);
    d.LarguraColuna.assign(static_cast<std::size_t>(d.Colunas), 0.0);
    for (std::size_t i = 0; i < AEntradas.size(); ++i) {
        double& largura = d.LarguraColuna[static_cast<std::size_t>(d.ColunaDe[i])];
        largura = std::max(largura, ALarguras[i]);
    }
    return d;
}

// The groups of ADistribuicao wrapped into bands no wider than ALarguraMm, each of its
// rows, with a blank row between bands. Nothing when a group alone is too wide.
std::optional<TDistribuicao> EmFaixas(const std::vector<TEntradaLista>& AEntradas,
                                      TDistribuicao ADistribuicao, double ALarguraMm) {
    const std::int32_t passoFaixa = ADistribuicao.Linhas + 1;
    std::vector<std::int32_t> faixaDaColuna(ADistribuicao.LarguraColuna.size(), 0);
    std::int32_t faixa = 0;
    double ocupado = 0; // of the current band, gaps included
    std::size_t inicio = 0;
    while (inicio < AEntradas.size()) {
        std::size_t fim = inicio + 1;
        while (fim < AEntradas.size() && !AEntradas[fim].Cabecalho)
            ++fim;
        const std::int32_t primeira = ADistribuicao.ColunaDe[inicio];
        const std::int32_t ultima = ADistribuicao.ColunaDe[fim - 1];
        double largura = INTERVALO_MINIMO_MM * (ultima - primeira);
        for (std::int32_t c = primeira; c <= ultima; ++c)
            largura += ADistribuicao.LarguraColuna[static_cast<std::size_t>(c)];
        if (largura > ALarguraMm)
            return std::nullopt;
        if (ocupado > 0 && ocupado + INTERVALO_MINIMO_MM + largura > ALarguraMm) {
            ++faixa;
            ocupado = 0;
        }
        ocupado += (ocupado > 0 ? INTERVALO_MINIMO_MM : 0) + largura;
        for (std::int32_t c = primeira; c <= ultima; ++c)
            faixaDaColuna[static_cast<std::size_t>(c)] = faixa;
        inicio = fim;
    }
    for (std::size_t i = 0; i < AEntradas.size(); ++i)
        ADistribuicao.LinhaDe[i] +=
            faixaDaColuna[static_cast<std::size_t>(ADistribuicao.ColunaDe[i])] * passoFaixa;
    ADistribuicao.FaixaDaColuna = std::move(faixaDaColuna);
    ADistribuicao.Linhas += faixa * passoFaixa;
    return ADistribuicao;
}

// One row of columns: their x appended to AX, spread over ALarguraMm and centred in it;
// returns the width they take.
double PosicionarColunas(const std::vector<double>& ALarguras, double ALarguraMm,
                         std::vector<double>& AX) {
    double soma = 0;
    for (const double l : ALarguras)
        soma += l;
    const auto colunas = static_cast<std::int32_t>(ALarguras.size());
    double intervalo = 0;
    if (colunas >= 2) {
        intervalo = (ALarguraMm - soma) / (colunas - 1);
        intervalo = std::clamp(intervalo, INTERVALO_MINIMO_MM, INTERVALO_MAXIMO_MM);
    }
    double x = 0;
    const std::size_t primeiro = AX.size();
    for (const double largura : ALarguras) {
        AX.push_back(x);
        x = x + largura + intervalo; // (x + width) + gap, rounded in that order
    }
    const double ocupada = soma + (colunas - 1) * intervalo;
    const double recuo = (ALarguraMm - ocupada) / 2;
    for (std::size_t i = primeiro; i < AX.size(); ++i)
        AX[i] += recuo;
    return ocupada;
}

TPlanoLista FazerPlano(const TDistribuicao& ADistribuicao, double ATamanhoPt, bool ACabe,
                       double ALarguraMm) {
    TPlanoLista plano;
    plano.Colunas = ADistribuicao.Colunas;
    plano.Linhas = ADistribuicao.Linhas;
    plano.ColunaDe = ADistribuicao.ColunaDe;
    plano.LinhaDe = ADistribuicao.LinhaDe;
    plano.TamanhoPt = ATamanhoPt;
    plano.PassoMm = PassoDe(ATamanhoPt);
    plano.AlturaMm = plano.Linhas * plano.PassoMm;
    plano.Cabe = ACabe;

    // Each band is a row of columns of its own.
    const auto faixa = [&](std::size_t AColuna) {
        return ADistribuicao.FaixaDaColuna.empty() ? 0 : ADistribuicao.FaixaDaColuna[AColuna];
    };
    const std::size_t colunas = ADistribuicao.LarguraColuna.size();
    for (std::size_t c = 0; c < colunas;) {
        std::size_t fim = c + 1;
        while (fim < colunas && faixa(fim) == faixa(c))
            ++fim;
        const std::vector<double> larguras(
            ADistribuicao.LarguraColuna.begin() + static_cast<std::ptrdiff_t>(c),
            ADistribuicao.LarguraColuna.begin() + static_cast<std::ptrdiff_t>(fim));
        plano.LarguraMm =
            std::max(plano.LarguraMm, PosicionarColunas(larguras, ALarguraMm, plano.XColuna));
        c = fim;
    }
    return plano;
}

} // namespace

std::vector<std::string> OrdenarPalavras(const std::vector<TPalavraColocada>& APalavras) {
    std::vector<std::pair<std::pair<std::u16string, std::u16string>, std::string>> pares;
    pares.reserve(APalavras.size());
    for (const TPalavraColocada& p : APalavras)
        pares.push_back({{Utf16(p.Grelha), Utf16(p.Texto)}, p.Texto});
    std::sort(pares.begin(), pares.end(),
              [](const auto& A, const auto& B) { return A.first < B.first; });
    std::vector<std::string> resultado;
    resultado.reserve(pares.size());
    for (auto& par : pares)
        resultado.push_back(std::move(par.second));
    return resultado;
}

std::vector<TEntradaLista> MontarLista(const std::vector<TPalavraColocada>& APalavras) {
    std::vector<TEntradaLista> lista;
    if (APalavras.empty())
        return lista;
    std::size_t menor = APalavras.front().Grelha.size();
    std::size_t maior = menor;
    for (const TPalavraColocada& p : APalavras) {
        menor = std::min(menor, p.Grelha.size());
        maior = std::max(maior, p.Grelha.size());
    }
    for (std::size_t comprimento = menor; comprimento <= maior; ++comprimento) {
        std::vector<TPalavraColocada> grupo;
        for (const TPalavraColocada& p : APalavras)
            if (p.Grelha.size() == comprimento)
                grupo.push_back(p);
        if (grupo.empty())
            continue;
        lista.push_back({std::to_string(comprimento) + " letras", true});
        for (std::string& texto : OrdenarPalavras(grupo))
            lista.push_back({std::move(texto), false});
    }
    return lista;
}

std::int32_t DistribuirColunas(const std::vector<TEntradaLista>& AEntradas, std::int32_t AMaxLinhas,
                               std::vector<std::int32_t>& AColunaDe,
                               std::vector<std::int32_t>& ALinhaDe, std::int32_t& ALinhas) {
    const std::size_t n = AEntradas.size();
    AColunaDe.assign(n, 0);
    ALinhaDe.assign(n, 0);
    ALinhas = 0;
    std::int32_t coluna = 0;
    std::size_t inicio = 0;
    while (inicio < n) {
        std::size_t fim = inicio + 1;
        while (fim < n && !AEntradas[fim].Cabecalho)
            ++fim;
        const std::int32_t h = AEntradas[inicio].Cabecalho ? 1 : 0;
        const auto w = static_cast<std::int32_t>(fim - inicio) - h;
        const std::int32_t b = std::max(AMaxLinhas - h, 1);
        const std::int32_t c = std::max(DivisaoParaCima(w, b), 1);
        const std::int32_t e = std::max(DivisaoParaCima(w, c), 1);
        if (h == 1) {
            AColunaDe[inicio] = coluna;
            ALinhaDe[inicio] = 0;
        }
        for (std::int32_t k = 0; k < w; ++k) {
            const std::size_t i = inicio + static_cast<std::size_t>(h + k);
            AColunaDe[i] = coluna + k / e;
            ALinhaDe[i] = h + k % e;
            ALinhas = std::max(ALinhas, ALinhaDe[i] + 1);
        }
        ALinhas = std::max(ALinhas, 1);
        coluna += c;
        inicio = fim;
    }
    return coluna;
}

TPlanoLista PlanearLista(ICanvasPagina& ACanvas, const std::vector<TEntradaLista>& AEntradas,
                         double ALarguraMm, double AAlturaMm, const TTamanhosLista& ATamanhos) {
    if (AEntradas.empty())
        return {};
    const auto n = static_cast<std::int32_t>(AEntradas.size());

    // The largest size that holds the groups side by side or, where bands are allowed, in
    // bands: a second band under the first reads better than smaller type.
    for (double tamanho = ATamanhos.MaximoPt; tamanho >= ATamanhos.MinimoPt;
         tamanho -= PASSO_TAMANHO_PT) {
        const std::vector<double> larguras = MedirEntradas(ACanvas, AEntradas, tamanho);
        const auto linhas = static_cast<std::int32_t>(std::floor(AAlturaMm / PassoDe(tamanho)));
        if (linhas < 2)
            continue;
        const TDistribuicao d = Distribuir(AEntradas, larguras, linhas);
        if (d.CabeNaLargura(ALarguraMm))
            return FazerPlano(d, tamanho, true, ALarguraMm);
        if (!ATamanhos.EmFaixas)
            continue;
        // The tallest bands that fit.
        for (std::int32_t porFaixa = linhas; porFaixa >= 2; --porFaixa) {
            const auto faixas =
                EmFaixas(AEntradas, Distribuir(AEntradas, larguras, porFaixa), ALarguraMm);
            if (faixas && faixas->Linhas <= linhas)
                return FazerPlano(*faixas, tamanho, true, ALarguraMm);
        }
    }

    // Too tall even at the smallest size: the fewest rows that are narrow enough.
    const std::vector<double> larguras = MedirEntradas(ACanvas, AEntradas, ATamanhos.MinimoPt);
    for (std::int32_t linhas = 2; linhas <= std::max(n, 2); ++linhas) {
        const TDistribuicao d = Distribuir(AEntradas, larguras, linhas);
        if (d.CabeNaLargura(ALarguraMm))
            return FazerPlano(d, ATamanhos.MinimoPt, false, ALarguraMm);
    }
    return FazerPlano(Distribuir(AEntradas, larguras, n + 1), ATamanhos.MinimoPt, false,
                      ALarguraMm);
}

void DesenharLista(ICanvasPagina& ACanvas, const std::vector<TEntradaLista>& AEntradas,
                   const TPlanoLista& APlano, double AX, double AY) {
    if (APlano.Colunas == 0)
        return;
    for (std::size_t i = 0; i < AEntradas.size(); ++i) {
        const TEntradaLista& e = AEntradas[i];
        ACanvas.Texto(AX + APlano.XColuna[static_cast<std::size_t>(APlano.ColunaDe[i])],
                      AY + APlano.LinhaDe[i] * APlano.PassoMm, e.Texto, APlano.TamanhoPt,
                      e.Cabecalho, CINZA_PRETO, TAlinhamento::alEsquerda);
    }
}

} // namespace palvorin
