#pragma once

#include "MotorFalso.hpp"
#include "UnitPalvorinMain.hpp"
#include "UnitPalvorinPlataforma.hpp"

#include <QCoreApplication>
#include <QMetaObject>
#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace palvorin::teste {

// Runs AAcao on the window's thread and waits for it: a worker calls it to act at a chosen
// moment of a run, after the window has handled everything the worker sent before.
inline void NaJanela(const std::function<void()>& AAcao) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), AAcao, Qt::BlockingQueuedConnection);
}

// The desktop as a script: answers from queues, everything it is asked in one log.
class TPlataformaFalsa : public IPlataforma {
public:
    std::deque<TResposta> Respostas;
    // Runs while a confirmation is open, as the events a real modal box handles meanwhile.
    std::function<void()> AoPerguntar;
    std::optional<std::filesystem::path> Ficheiro;
    std::filesystem::path Pasta = "/pasta/do/programa/";

    std::vector<std::string> Propostos;
    // "aviso: ...", "erro: ...", "confirmar: ...", "informar: ...", "abrir: ...", and
    // "ajuda: ...", "acerca: ..." for the help
    std::vector<std::string> Registo;

    TResposta Mensagem(TTipoMensagem ATipo, const std::string& ATexto) override {
        static const char* const NOMES[] = {"aviso: ", "erro: ", "confirmar: ", "informar: "};
        Registo.push_back(NOMES[int(ATipo)] + ATexto);
        if (ATipo != TTipoMensagem::tmConfirmacao)
            return TResposta::rsOk;
        if (AoPerguntar)
            AoPerguntar();
        const TResposta resposta = Respostas.empty() ? TResposta::rsNao : Respostas.front();
        if (!Respostas.empty())
            Respostas.pop_front();
        return resposta;
    }
    void MostrarAjuda(const std::string& AAjuda, const std::string& AAcerca) override {
        Registo.push_back("ajuda: " + AAjuda);
        Registo.push_back("acerca: " + AAcerca);
    }
    std::optional<std::filesystem::path>
    EscolherFicheiroPdf(const std::string& ANomeProposto) override {
        Propostos.push_back(ANomeProposto);
        return Ficheiro;
    }
    // The theme file the open dialog gives; nothing: cancelled.
    std::optional<std::filesystem::path> FicheiroTema;
    std::optional<std::filesystem::path> EscolherFicheiroTema() override {
        Registo.push_back("escolher tema");
        return FicheiroTema;
    }
    void AbrirDocumento(const std::filesystem::path& ACaminho) override {
        Registo.push_back("abrir: " + ACaminho.string());
    }
    std::filesystem::path PastaDoPrograma() override { return Pasta; }
    std::map<std::string, std::string> Preferencias;
    std::string LerPreferencia(const std::string& AChave) override {
        const auto achada = Preferencias.find(AChave);
        return achada == Preferencias.end() ? std::string() : achada->second;
    }
    void GravarPreferencia(const std::string& AChave, const std::string& AValor) override {
        Preferencias[AChave] = AValor;
    }
    void FecharCaixas() override { Registo.push_back("fechar caixas"); }
};

} // namespace palvorin::teste
