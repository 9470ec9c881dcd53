#pragma once

#include "UnitPalvorinPlataformaQt.hpp"

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

namespace palvorin::teste {

// The real desktop, except that the PDF's path is given instead of asked in a dialog (none:
// the choice is cancelled), no theme file is asked for, the book is not opened, and the
// user's own choices are neither read nor touched.
class TPlataformaSemDialogo : public TPlataformaQt {
public:
    explicit TPlataformaSemDialogo(std::optional<std::filesystem::path> ACaminho)
        : FCaminho(std::move(ACaminho)) {}
    std::optional<std::filesystem::path> EscolherFicheiroPdf(const std::string&) override {
        return FCaminho;
    }
    std::optional<std::filesystem::path> EscolherFicheiroTema() override { return std::nullopt; }
    void AbrirDocumento(const std::filesystem::path&) override {}
    std::string LerPreferencia(const std::string&) override { return {}; }
    void GravarPreferencia(const std::string&, const std::string&) override {}

private:
    std::optional<std::filesystem::path> FCaminho;
};

} // namespace palvorin::teste
