#pragma once

// A canvas that records every call, with simple deterministic text metrics, and a
// destination that hands out such canvases and can be told to fail.

#include "UnitPalvorinCanvas.hpp"
#include "UnitPalvorinPaginas.hpp"

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace palvorin::teste {

enum class TOperacao { opLinha, opRectangulo, opTexto, opImagem };

struct TChamada {
    TOperacao Operacao;
    double X = 0, Y = 0, X2 = 0, Y2 = 0; // Linha: ends; Rectangulo/Imagem: X, Y, width, height
    double EspessuraPt = 0;
    std::int32_t Contorno = 0; // Linha and Texto: their grey
    std::int32_t Preenchimento = 0;
    std::string Texto = {}; // Texto: the text; Imagem: the name
    double TamanhoPt = 0;
    bool Negrito = false;
    TAlinhamento Alinhamento = TAlinhamento::alEsquerda;
};

class TCanvasGravador : public ICanvasPagina {
public:
    // Every character is ALarguraPorPt * size wide (bold a tenth wider); a line is
    // 1.15 * size tall.
    explicit TCanvasGravador(double ALarguraPorPt = 0.2) : FLarguraPorPt(ALarguraPorPt) {}

    void Linha(double X1, double Y1, double X2, double Y2, double AEspessuraPt,
               std::int32_t ACinza) override {
        Gravar({.Operacao = TOperacao::opLinha,
                .X = X1,
                .Y = Y1,
                .X2 = X2,
                .Y2 = Y2,
                .EspessuraPt = AEspessuraPt,
                .Contorno = ACinza});
    }
    void Rectangulo(double X, double Y, double ALargura, double AAltura, double AEspessuraPt,
                    std::int32_t AContorno, std::int32_t APreenchimento) override {
        Gravar({.Operacao = TOperacao::opRectangulo,
                .X = X,
                .Y = Y,
                .X2 = ALargura,
                .Y2 = AAltura,
                .EspessuraPt = AEspessuraPt,
                .Contorno = AContorno,
                .Preenchimento = APreenchimento});
    }
    void Texto(double X, double Y, const std::string& ATexto, double ATamanhoPt, bool ANegrito,
               std::int32_t ACinza, TAlinhamento AAlinhamento) override {
        Gravar({.Operacao = TOperacao::opTexto,
                .X = X,
                .Y = Y,
                .Contorno = ACinza,
                .Texto = ATexto,
                .TamanhoPt = ATamanhoPt,
                .Negrito = ANegrito,
                .Alinhamento = AAlinhamento});
    }
    double LarguraTexto(const std::string& ATexto, double ATamanhoPt, bool ANegrito) override {
        ++Medicoes;
        if (const auto fixa = LargurasFixas.find(ATexto); fixa != LargurasFixas.end())
            return fixa->second;
        std::size_t caracteres = 0;
        for (const char c : ATexto)
            caracteres += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return caracteres * FLarguraPorPt * ATamanhoPt * (ANegrito ? 1.1 : 1.0);
    }
    double AlturaTexto(double ATamanhoPt) override { return PtParaMm(ATamanhoPt) * 1.15; }
    void Imagem(double X, double Y, double ALargura, double AAltura,
                const std::string& ANome) override {
        Gravar({.Operacao = TOperacao::opImagem,
                .X = X,
                .Y = Y,
                .X2 = ALargura,
                .Y2 = AAltura,
                .Texto = ANome});
    }

    std::vector<TChamada> Chamadas;
    int Medicoes = 0;
    // Texts given an exact width (mm) at every size and weight.
    std::map<std::string, double> LargurasFixas;
    // Set by the destination once the next page was asked for.
    bool Fechado = false;
    bool DesenhouDepoisDeFechado = false;

    std::vector<TChamada> Textos() const { return Filtrar(TOperacao::opTexto); }
    std::vector<TChamada> Filtrar(TOperacao AOperacao) const {
        std::vector<TChamada> r;
        for (const TChamada& c : Chamadas)
            if (c.Operacao == AOperacao)
                r.push_back(c);
        return r;
    }
    const TChamada* ProcurarTexto(const std::string& ATexto) const {
        for (const TChamada& c : Chamadas)
            if (c.Operacao == TOperacao::opTexto && c.Texto == ATexto)
                return &c;
        return nullptr;
    }

private:
    void Gravar(TChamada AChamada) {
        DesenhouDepoisDeFechado |= Fechado;
        Chamadas.push_back(std::move(AChamada));
    }
    double FLarguraPorPt;
};

class TDestinoGravador : public IDestinoPaginas {
public:
    // AFalharNa: the 1-based call of NovaPagina that raises; 0 never.
    explicit TDestinoGravador(int AFalharNa = 0) : FFalharNa(AFalharNa) {}

    std::shared_ptr<ICanvasPagina> NovaPagina() override {
        if (!Paginas.empty())
            Paginas.back()->Fechado = true;
        if (++FPedidos == FFalharNa)
            throw std::runtime_error("destino cheio");
        Paginas.push_back(std::make_shared<TCanvasGravador>());
        return Paginas.back();
    }

    std::vector<std::shared_ptr<TCanvasGravador>> Paginas;

private:
    int FFalharNa;
    int FPedidos = 0;
};

} // namespace palvorin::teste
