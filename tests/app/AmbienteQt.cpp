// One QApplication for every test of the window, made before the first test runs.
#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class TAmbienteQt : public ::testing::Environment {
public:
    void SetUp() override { FApp = std::make_unique<QApplication>(FArgc, FArgv); }
    void TearDown() override { FApp.reset(); }

private:
    int FArgc = 1;
    char FNome[8] = "testes";
    char* FArgv[2] = {FNome, nullptr};
    std::unique_ptr<QApplication> FApp;
};

const auto* const AMBIENTE = ::testing::AddGlobalTestEnvironment(new TAmbienteQt);

} // namespace
