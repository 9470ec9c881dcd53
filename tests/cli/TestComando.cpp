// Runs the built palvorin-livro as a separate process.
#include "Fixturas.hpp"
#include "NomeDosArgumentos.hpp"
#include "PadraoComLado.hpp"
#include "UnitPalvorinContador.hpp"
#include "UnitPalvorinRefazer.hpp"
#include "UnitPalvorinSha256.hpp"
#include "UnitPalvorinTema.hpp"
#include "UnitPalvorinVersao.hpp"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <poll.h>
#include <regex>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

using namespace palvorin;
using namespace palvorin::teste;

namespace {

struct TExecucao {
    std::string Saida;
    std::string Erro;
    int Codigo = -1;
};

// AAoLerErro sees stderr as it grows, with the child's pid (to send it a signal). APasta: the
// child's current folder, when not empty. APrefixo: a program that runs the command, its
// arguments followed by the command's path and arguments.
TExecucao Executar(const std::vector<std::string>& AArgs,
                   const std::function<void(const std::string&, pid_t)>& AAoLerErro = {},
                   const std::string& APasta = "", std::vector<std::string> APrefixo = {}) {
    int saida[2], erro[2];
    if (pipe(saida) != 0 || pipe(erro) != 0)
        throw std::runtime_error("pipe");
    posix_spawn_file_actions_t accoes;
    posix_spawn_file_actions_init(&accoes);
    posix_spawn_file_actions_adddup2(&accoes, saida[1], 1);
    posix_spawn_file_actions_adddup2(&accoes, erro[1], 2);
    posix_spawn_file_actions_addclose(&accoes, saida[0]);
    posix_spawn_file_actions_addclose(&accoes, erro[0]);
    if (!APasta.empty())
        posix_spawn_file_actions_addchdir_np(&accoes, APasta.c_str());
    std::vector<std::string> todos = std::move(APrefixo);
    todos.push_back(PALVORIN_LIVRO);
    todos.insert(todos.end(), AArgs.begin(), AArgs.end());
    std::vector<char*> argv;
    for (std::string& a : todos)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int r = posix_spawn(&pid, argv[0], &accoes, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&accoes);
    close(saida[1]);
    close(erro[1]);
    if (r != 0)
        throw std::runtime_error("posix_spawn");

    TExecucao resultado;
    pollfd fds[2] = {{saida[0], POLLIN, 0}, {erro[0], POLLIN, 0}};
    std::string* destinos[2] = {&resultado.Saida, &resultado.Erro};
    int abertos = 2;
    while (abertos > 0) {
        poll(fds, 2, -1);
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            char bloco[4096];
            const ssize_t n = read(fds[i].fd, bloco, sizeof bloco);
            if (n <= 0) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --abertos;
                continue;
            }
            destinos[i]->append(bloco, static_cast<std::size_t>(n));
            if (i == 1 && AAoLerErro)
                AAoLerErro(resultado.Erro, pid);
        }
    }
    int estado = 0;
    waitpid(pid, &estado, 0);
    resultado.Codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
    return resultado;
}

std::vector<std::string> Linhas(const std::string& ATexto) {
    std::vector<std::string> linhas;
    std::size_t inicio = 0;
    for (std::size_t fim; (fim = ATexto.find('\n', inicio)) != std::string::npos; inicio = fim + 1)
        linhas.push_back(ATexto.substr(inicio, fim - inicio));
    return linhas;
}

std::string LerTudo(const std::string& ACaminho) {
    std::ifstream ficheiro(ACaminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(ficheiro), {}};
}

struct TCasoInvalido {
    std::vector<std::string> Argumentos;
    std::string Mensagem;
};

void PrintTo(const TCasoInvalido& ACaso, std::ostream* ASaida) {
    EscreverArgumentos(ACaso.Argumentos, ASaida);
}

class ArgumentosInvalidos : public testing::TestWithParam<TCasoInvalido> {};

TEST_P(ArgumentosInvalidos, SaiComDoisEUmaLinha) {
    const TExecucao e = Executar(GetParam().Argumentos);
    EXPECT_EQ(e.Codigo, 2);
    EXPECT_EQ(e.Saida, "");
    std::string esperado = "palvorin-livro: ";
    esperado.append(GetParam().Mensagem).append("\n");
    EXPECT_EQ(e.Erro, esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ArgumentosInvalidos,
    testing::Values(
        TCasoInvalido{{"--cor", "azul"}, "Opção desconhecida: «--cor»."},
        TCasoInvalido{{"--lado", "12", "--json"},
                      "Valor inválido para --lado: «12» (use 9, 11, 13 ou 15)."},
        TCasoInvalido{{"--puzzles"}, "Falta o valor da opção --puzzles."},
        TCasoInvalido{{"--formato", "a3", "--json"},
                      "Valor inválido para --formato: «a3» (use a4, a5, carta ou 6x9)."},
        TCasoInvalido{{"--formato", "6x9", "--letra-grande", "--json"},
                      "A letra grande só cabe nos formatos A4 e Carta."},
        TCasoInvalido{{"--grafica=sim"}, "A opção --grafica não leva valor."},
        // Refused before the word list is read or a seed is drawn.
        TCasoInvalido{{"--lado", "4294967305", "--json"},
                      "Valor inválido para --lado: «4294967305» (use 9, 11, 13 ou 15)."},
        TCasoInvalido{{"--titulo", "Livro\xEF\xBF\xBF", "--json"},
                      "O título do livro tem caracteres inválidos: U+FFFF."},
        TCasoInvalido{{"--json", "--dicionario", "/nao/existe/lista.txt"},
                      "Dicionário não encontrado: «/nao/existe/lista.txt»."},
        // What the user typed never drives the terminal.
        TCasoInvalido{{"--lado", "9\x1b[2Jx"},
                      "Valor inválido para --lado: «9\uFFFD[2Jx» (use 9, 11, 13 ou 15)."},
        TCasoInvalido{{"--cor\a"}, "Opção desconhecida: «--cor\uFFFD»."},
        TCasoInvalido{{"--c\xFFr"}, "Opção desconhecida: «--c\uFFFDr»."},
        TCasoInvalido{{"--json", "--dicionario",
                       "/nao/existe/\x9b"
                       "31mlista"},
                      "Dicionário não encontrado: «/nao/existe/\uFFFD31mlista»."}),
    NomeDosArgumentos<TCasoInvalido>);

TEST(PalvorinLivro, DicionarioIlegivel) {
    const TExecucao e = Executar({"--json", "--dicionario", "/"});
    EXPECT_EQ(e.Codigo, 2);
    EXPECT_EQ(Linhas(e.Erro).size(), 1u) << e.Erro;
    EXPECT_EQ(e.Erro.rfind("palvorin-livro: Não foi possível ler o dicionário «/", 0), 0u)
        << e.Erro;
}

TEST(PalvorinLivro, AjudaNaSaidaPadrao) {
    const TExecucao e = Executar({"--ajuda"});
    EXPECT_EQ(e.Codigo, 0);
    EXPECT_EQ(e.Saida.rfind("Uso: palvorin-livro", 0), 0u);
}

// Letters and grid forms of each puzzle, read back from the command's JSON.
struct TPuzzleLido {
    std::int32_t Lado = 0;
    std::string Letras;
    std::vector<std::string> Grelhas;
};

std::string CampoTexto(const std::string& AJson, const std::string& ACampo, std::size_t& APos) {
    const std::string chave = "\"" + ACampo + "\":\"";
    const std::size_t inicio = AJson.find(chave, APos);
    if (inicio == std::string::npos)
        return {};
    const std::size_t valor = inicio + chave.size();
    APos = AJson.find('"', valor);
    return AJson.substr(valor, APos - valor);
}

std::vector<TPuzzleLido> LerPuzzles(const std::string& AJson) {
    std::vector<TPuzzleLido> puzzles;
    const std::string marca = "{\"lado\":";
    std::size_t pos = AJson.find("\"puzzles\":[");
    while ((pos = AJson.find(marca, pos)) != std::string::npos) {
        const std::size_t fim = AJson.find(marca, pos + 1);
        const std::string texto = AJson.substr(pos, fim - pos);
        pos = fim;
        TPuzzleLido p;
        p.Lado = std::stoi(texto.substr(marca.size()));
        std::size_t i = 0;
        p.Letras = CampoTexto(texto, "letras", i);
        for (std::string g; !(g = CampoTexto(texto, "grelha", i)).empty();)
            p.Grelhas.push_back(g);
        puzzles.push_back(p);
    }
    return puzzles;
}

TEST(PalvorinLivro, JsonDeterministicoEUnicoComQualquerNumeroDeTarefas) {
    const std::vector<std::string> args = {"--lado",           "9", "--puzzles", "6",
                                           "--semente",        "7", "--json",    "--dicionario",
                                           PALVORIN_LISTA_FIXA};
    const TExecucao a = Executar(args);
    ASSERT_EQ(a.Codigo, 0) << a.Erro;
    for (const char* tarefas : {"1", "2", "3", "8"}) {
        std::vector<std::string> comTarefas = args;
        comTarefas.insert(comTarefas.end(), {"--tarefas", tarefas});
        EXPECT_EQ(Executar(comTarefas).Saida, a.Saida) << tarefas << " tarefas";
    }
    EXPECT_EQ(a.Saida.rfind(std::string("{\"versao\":\"") + VERSAO_PALVORIN +
                                "\",\"lado\":9,\"semente\":7,\"pedidos\":6,\"gerados\":6,",
                            0),
              0u);
    EXPECT_EQ(a.Saida.back(), '\n');

    const std::vector<std::string> erro = Linhas(a.Erro);
    ASSERT_GE(erro.size(), 2u);
    EXPECT_EQ(erro[0].rfind("Dicionário: ", 0), 0u) << erro[0];
    EXPECT_EQ(erro[1], "Semente: 7");
    EXPECT_EQ(erro[2], "A gerar o puzzle 1 de 6…");

    const std::vector<TPuzzleLido> puzzles = LerPuzzles(a.Saida);
    ASSERT_EQ(puzzles.size(), 6u);
    for (const TPuzzleLido& p : puzzles) {
        EXPECT_EQ(p.Lado, 9);
        bool interrompido = true;
        EXPECT_EQ(
            ContarSolucoes(PadraoDasLetras(p.Letras), p.Lado, p.Grelhas, 2, 100000, interrompido),
            1)
            << p.Letras;
        EXPECT_FALSE(interrompido);
    }
}

TEST(PalvorinLivro, SementeDoRelogioEscritaParaRepetir) {
    const TExecucao a = Executar({"--lado", "9", "--puzzles", "1", "--json"});
    ASSERT_EQ(a.Codigo, 0) << a.Erro;
    const std::string linha = Linhas(a.Erro).at(0);
    ASSERT_EQ(linha.rfind("Semente: ", 0), 0u);
    const std::string semente = linha.substr(9);
    const TExecucao b = Executar({"--lado", "9", "--puzzles", "1", "--json", "--semente", semente});
    EXPECT_EQ(a.Saida, b.Saida);
}

TEST(PalvorinLivro, ListaSemPalavrasNaoGeraNada) {
    const std::string caminho = testing::TempDir() + "palvorin_lista_vazia.txt";
    FILE* f = std::fopen(caminho.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fputs("# nada\n", f);
    std::fclose(f);
    const TExecucao e = Executar({"--json", "--puzzles", "2", "--dicionario", caminho});
    EXPECT_EQ(e.Codigo, 1);
    EXPECT_EQ(e.Saida, "");
    const std::vector<std::string> linhas = Linhas(e.Erro);
    ASSERT_GE(linhas.size(), 3u);
    EXPECT_EQ(linhas[linhas.size() - 3], "Puzzle 1: não foi possível gerar um puzzle");
    EXPECT_EQ(linhas[linhas.size() - 2], "Puzzle 2: não foi possível gerar um puzzle");
    EXPECT_EQ(linhas.back(), "palvorin-livro: Não foi possível gerar nenhum puzzle.");
    std::remove(caminho.c_str());
}

TEST(PalvorinLivro, CtrlCNaoEscreveNadaESai130) {
    bool enviado = false;
    const TExecucao e =
        // A long book (about two seconds), so the signal lands well before its end.
        Executar({"--lado", "15", "--puzzles", "100", "--json"},
                 [&](const std::string& AErro, pid_t APid) {
                     if (!enviado && AErro.find("A gerar o puzzle 2 de") != std::string::npos) {
                         kill(APid, SIGINT);
                         enviado = true;
                     }
                 });
    ASSERT_TRUE(enviado);
    EXPECT_EQ(e.Codigo, 130);
    EXPECT_EQ(e.Saida, "");
    // The run stops at its next check; how far it got before the signal arrived depends
    // on the machine's load, but never to the end of the book.
    const std::string ultima = Linhas(e.Erro).back();
    std::smatch m;
    ASSERT_TRUE(std::regex_match(
        ultima, m, std::regex("Geração cancelada aos ([0-9]+) de 100 puzzles. Nada foi gravado.")))
        << e.Erro;
    EXPECT_GE(std::stoi(m[1]), 1);
    EXPECT_LT(std::stoi(m[1]), 100) << e.Erro;
}

// A fresh empty folder for one test.
std::string PastaVazia(const std::string& ANome) {
    // The process id keeps two test runs on one machine (two builds, say) out of each other's way.
    const std::filesystem::path pasta =
        std::filesystem::path(testing::TempDir()) / (ANome + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(pasta);
    std::filesystem::create_directories(pasta);
    return pasta.string();
}

std::vector<std::string> Ficheiros(const std::string& APasta) {
    std::vector<std::string> nomes;
    for (const auto& e : std::filesystem::directory_iterator(APasta))
        nomes.push_back(e.path().filename().string());
    return nomes;
}

TEST(PalvorinLivro, PdfComONomePorOmissaoNaPastaActual) {
    const std::string pasta = PastaVazia("palvorin_pdf_omissao");
    const TExecucao e = Executar(
        {"--lado", "9", "--puzzles", "3", "--semente", "7", "--dicionario", PALVORIN_LISTA_FIXA},
        {}, pasta);
    ASSERT_EQ(e.Codigo, 0) << e.Erro;
    EXPECT_EQ(e.Saida, "Livro gerado: 3 puzzles, 8 páginas.\nFicheiro: Palvorin_9x9_3.pdf\n");
    EXPECT_NE(e.Erro.find("Semente: 7\n"), std::string::npos);
    EXPECT_EQ(Ficheiros(pasta), std::vector<std::string>{"Palvorin_9x9_3.pdf"});
    FILE* pdfinfo = popen(("pdfinfo " + pasta + "/Palvorin_9x9_3.pdf").c_str(), "r");
    ASSERT_NE(pdfinfo, nullptr);
    std::string info;
    char bloco[512];
    for (std::size_t n; (n = fread(bloco, 1, sizeof bloco, pdfinfo)) > 0;)
        info.append(bloco, n);
    pclose(pdfinfo);
    EXPECT_NE(info.find("Pages:           8\n"), std::string::npos) << info;
    std::filesystem::remove_all(pasta);
}

TEST(PalvorinLivro, PdfParaOFicheiroPedido) {
    const std::string pasta = PastaVazia("palvorin_pdf_o");
    const std::string caminho = pasta + "/livro.pdf";
    const TExecucao e = Executar({"--lado", "9", "--puzzles", "1", "--semente", "3", "-o", caminho,
                                  "--dicionario", PALVORIN_LISTA_FIXA});
    ASSERT_EQ(e.Codigo, 0) << e.Erro;
    EXPECT_EQ(e.Saida, "Livro gerado: 1 puzzle, 6 páginas.\nFicheiro: " + caminho + "\n");
    EXPECT_EQ(Ficheiros(pasta), std::vector<std::string>{"livro.pdf"});
    std::filesystem::remove_all(pasta);
}

TEST(PalvorinLivro, PdfNumaPastaQueNaoExiste) {
    const std::string caminho = PastaVazia("palvorin_pdf_falha") + "/nao/livro.pdf";
    const TExecucao e = Executar({"--lado", "9", "--puzzles", "1", "--semente", "3", "-o", caminho,
                                  "--dicionario", PALVORIN_LISTA_FIXA});
    EXPECT_EQ(e.Codigo, 2);
    EXPECT_EQ(e.Saida, "");
    EXPECT_EQ(Linhas(e.Erro).back(), "palvorin-livro: Erro: Não foi possível gravar o ficheiro «" +
                                         caminho + "»: a pasta ou o ficheiro não existe.");
}

TEST(PalvorinLivro, SemPuzzlesNaoEscrevePdf) {
    const std::string pasta = PastaVazia("palvorin_pdf_vazio");
    const std::string lista = pasta + "/lista.txt";
    FILE* f = std::fopen(lista.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fputs("# nada\n", f);
    std::fclose(f);
    const TExecucao e = Executar({"--puzzles", "1", "--dicionario", lista}, {}, pasta);
    EXPECT_EQ(e.Codigo, 1);
    EXPECT_EQ(Linhas(e.Erro).back(), "palvorin-livro: Não foi possível gerar nenhum puzzle.");
    EXPECT_EQ(Ficheiros(pasta), std::vector<std::string>{"lista.txt"});
    std::filesystem::remove_all(pasta);
}

TEST(PalvorinLivro, PdfNaSaidaPadraoComOResumoNoErro) {
    const TExecucao e = Executar({"--lado", "9", "--puzzles", "1", "--semente", "3", "-o", "-",
                                  "--dicionario", PALVORIN_LISTA_FIXA});
    ASSERT_EQ(e.Codigo, 0) << e.Erro;
    EXPECT_EQ(e.Saida.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(e.Saida.substr(e.Saida.size() - 6), "%%EOF\n");
    EXPECT_EQ(Linhas(e.Erro).back(), "Livro gerado: 1 puzzle, 6 páginas.");
}

// Standard output that cannot take the lines: full, or closed. Every way of writing there reports
// it, in Portuguese, with exit 2.
TEST(PalvorinLivro, SaidaPadraoQueFalha) {
    const std::string pasta = PastaVazia("palvorin_saida_falha");
    const std::string livro = pasta + "/livro.pdf";
    const std::vector<std::string> umPuzzle = {
        "--lado", "9", "--puzzles", "1", "--semente", "3", "--dicionario", PALVORIN_LISTA_FIXA};
    const auto com = [&](std::vector<std::string> AMais) {
        std::vector<std::string> args = umPuzzle;
        args.insert(args.end(), AMais.begin(), AMais.end());
        return args;
    };
    const std::string cheia = "Não foi possível escrever na saída padrão: não há espaço no disco.";
    const std::string fechada =
        "Não foi possível escrever na saída padrão: a saída não está aberta.";
    const struct {
        const char* Redireccao;
        std::vector<std::string> Argumentos;
        std::string Mensagem;
    } casos[] = {
        {">/dev/full", {"--versao"}, cheia},
        {">/dev/full", {"--ajuda"}, cheia},
        {">&-", {"--versao"}, fechada},
        {">/dev/full", com({"-o", livro}), cheia},
        {">/dev/full", com({"--json"}), "Erro: " + cheia},
        {">&-", com({"--json"}), "Erro: " + fechada},
        {">&-", com({"-o", "-"}), "Erro: " + fechada},
    };
    for (const auto& c : casos) {
        const TExecucao e =
            Executar(c.Argumentos, {}, "",
                     {"/bin/sh", "-c", std::string("exec \"$0\" \"$@\" ") + c.Redireccao});
        EXPECT_EQ(e.Codigo, 2) << c.Redireccao << " " << c.Argumentos.back();
        EXPECT_EQ(Linhas(e.Erro).back(), "palvorin-livro: " + c.Mensagem) << e.Erro;
    }
}

// The output is known before the list is read and the book generated: a target that cannot be
// written, or that is the list in use, stops the run before it starts.
TEST(PalvorinLivro, DestinoVerificadoAntesDeGerar) {
    const std::string pasta = PastaVazia("palvorin_destino_antes");
    const std::string lista = pasta + "/minha.txt";
    std::filesystem::copy_file(PALVORIN_LISTA_FIXA, lista);
    std::filesystem::create_symlink("minha.txt", pasta + "/ligacao.txt");
    const std::string conteudo = LerTudo(lista);
    const std::string nada = pasta + "/nao/existe/x.pdf";
    const std::vector<std::string> livro100 = {"--lado", "15",        "--puzzles",
                                               "100",    "--semente", "1"};
    const auto com = [](std::vector<std::string> A, std::vector<std::string> B) {
        A.insert(A.end(), B.begin(), B.end());
        return A;
    };
    const struct {
        std::vector<std::string> Argumentos;
        std::string Mensagem;
    } casos[] = {
        {com(livro100, {"-o", nada}), "Erro: Não foi possível gravar o ficheiro «" + nada +
                                          "»: a pasta ou o ficheiro não existe."},
        {com(livro100, {"-o", pasta}),
         "Erro: Não foi possível gravar o ficheiro «" + pasta + "»: é uma pasta, não um ficheiro."},
        {com(livro100, {"--dicionario", lista, "-o", lista}),
         "O livro ia substituir a lista de palavras «" + lista +
             "»; indique outro ficheiro com -o."},
        {com(livro100, {"--dicionario", lista, "-o", pasta + "/ligacao.txt"}),
         "O livro ia substituir a lista de palavras «" + lista +
             "»; indique outro ficheiro com -o."},
    };
    for (const auto& c : casos) {
        const TExecucao e = Executar(c.Argumentos, {}, pasta);
        EXPECT_EQ(e.Codigo, 2) << e.Erro;
        EXPECT_EQ(Linhas(e.Erro).back(), "palvorin-livro: " + c.Mensagem) << e.Erro;
        // Nothing generated: no seed, no progress.
        EXPECT_EQ(e.Erro.find("Semente:"), std::string::npos) << e.Erro;
        EXPECT_EQ(e.Erro.find("A gerar"), std::string::npos) << e.Erro;
        EXPECT_TRUE(LerTudo(lista) == conteudo);
    }
}

// The lines of standard output that echo a path show control characters as the error lines do.
TEST(PalvorinLivro, FicheiroMostradoSemControlos) {
    const std::string pasta = PastaVazia("palvorin_ficheiro_visivel");
    const TExecucao e = Executar({"--lado", "9", "--puzzles", "1", "--semente", "3", "--dicionario",
                                  PALVORIN_LISTA_FIXA, "-o", "a\x1b[2J\nb.pdf"},
                                 {}, pasta);
    ASSERT_EQ(e.Codigo, 0) << e.Erro;
    EXPECT_EQ(Linhas(e.Saida).back(), "Ficheiro: a\uFFFD[2J\uFFFDb.pdf");
    EXPECT_TRUE(std::filesystem::exists(pasta + "/a\x1b[2J\nb.pdf"));
}

// A book in JSON into a pipe nobody reads: the write waits, but a signal still ends the run with
// its exit code.
TEST(PalvorinLivro, SinalComASaidaParada) {
    for (const int sinal : {SIGTERM, SIGINT, SIGHUP}) {
        int saida[2], erro[2];
        ASSERT_EQ(pipe(saida), 0);
        ASSERT_EQ(pipe(erro), 0);
        // The smallest pipe, so that the book does not fit in it.
        fcntl(saida[1], F_SETPIPE_SZ, 4096);
        posix_spawn_file_actions_t accoes;
        posix_spawn_file_actions_init(&accoes);
        posix_spawn_file_actions_adddup2(&accoes, saida[1], 1);
        posix_spawn_file_actions_adddup2(&accoes, erro[1], 2);
        std::vector<std::string> args = {
            PALVORIN_LIVRO,      "--lado", "9", "--puzzles", "4", "--semente", "3", "--dicionario",
            PALVORIN_LISTA_FIXA, "--json"};
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, argv[0], &accoes, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&accoes);
        close(saida[1]);
        close(erro[1]);
        // Once the book has begun to arrive, the command is in its write, which the full pipe
        // holds up.
        int estado = 0;
        bool terminou = false;
        for (int n = 0; ioctl(saida[0], FIONREAD, &n) == 0 && n == 0;) {
            if ((terminou = waitpid(pid, &estado, WNOHANG) == pid))
                break;
            usleep(10'000);
        }
        ASSERT_FALSE(terminou);
        kill(pid, sinal);
        ASSERT_EQ(waitpid(pid, &estado, 0), pid);
        std::string textoErro;
        char bloco[4096];
        for (ssize_t n; (n = read(erro[0], bloco, sizeof bloco)) > 0;)
            textoErro.append(bloco, static_cast<std::size_t>(n));
        close(saida[0]);
        close(erro[0]);
        EXPECT_TRUE(WIFEXITED(estado)) << sinal;
        EXPECT_EQ(WEXITSTATUS(estado), 128 + sinal);
        // Part of the book went out already: the message does not claim nothing was written.
        EXPECT_EQ(Linhas(textoErro).back(),
                  "Escrita cancelada: a saída padrão recebeu só parte do livro.")
            << textoErro;
    }
}

// Under an address-space limit not all the threads asked for can start: the run makes do with
// those it has, and the book is the same.
TEST(PalvorinLivro, MenosFiosDoQueOsPedidos) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "o AddressSanitizer reserva mais memória virtual do que o limite";
#endif
    const std::vector<std::string> livro = {"--lado",    "13", "--puzzles",    "6",
                                            "--semente", "1",  "--dicionario", PALVORIN_LISTA_FIXA,
                                            "--json"};
    const auto com = [&](const char* ATarefas) {
        std::vector<std::string> args = livro;
        args.insert(args.end(), {"--tarefas", ATarefas});
        return args;
    };
    const TExecucao umFio = Executar(com("1"));
    ASSERT_EQ(umFio.Codigo, 0) << umFio.Erro;
    for (const char* limite : {"600000", "300000"}) {
        const TExecucao e = Executar(
            com("64"), {}, "",
            {"/bin/sh", "-c", std::string("ulimit -v ") + limite + " && exec \"$0\" \"$@\""});
        EXPECT_EQ(e.Codigo, 0) << limite << "\n" << e.Erro;
        EXPECT_TRUE(e.Saida == umFio.Saida) << limite;
    }
}

// Over the file size limit the write fails (EFBIG) instead of the program dying of SIGXFSZ
// with the temporary file left behind.
TEST(PalvorinLivro, LimiteDeTamanhoDosFicheiros) {
    const std::string pasta = PastaVazia("palvorin_pdf_limite");
    const std::string caminho = pasta + "/livro.pdf";
    FILE* f = std::fopen(caminho.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fputs("velho", f);
    std::fclose(f);
    const TExecucao e = Executar({"--lado", "9", "--puzzles", "1", "--semente", "3", "-o", caminho,
                                  "--dicionario", PALVORIN_LISTA_FIXA},
                                 {}, "", {"/bin/sh", "-c", "ulimit -f 16 && exec \"$@\"", "sh"});
    EXPECT_EQ(e.Codigo, 2);
    EXPECT_EQ(Linhas(e.Erro).back(),
              "palvorin-livro: Erro: Não foi possível gravar o ficheiro «" + caminho +
                  "»: o ficheiro fica grande demais para o limite deste sistema.");
    EXPECT_EQ(Ficheiros(pasta), std::vector<std::string>{"livro.pdf"});
    std::filesystem::remove_all(pasta);
}

// The first refused lines of a --dicionario list are shown with their line numbers and
// reasons, terminal controls neutralised and long lines cut.
TEST(PalvorinLivro, LinhasRecusadasDaLista) {
    const std::string pasta = PastaVazia("palvorin_recusas");
    const std::string lista = pasta + "/lista.txt";
    FILE* f = std::fopen(lista.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fputs("# lista\nCASA\npão-de-ló\nX\nES\x1B[2JC\n", f);
    std::fputs((std::string(100, 'A') + "\nK9\nZ\nQ1\nW\n").c_str(), f);
    std::fclose(f);
    const TExecucao e = Executar({"--json", "--puzzles", "1", "--dicionario", lista});
    const std::vector<std::string> linhas = Linhas(e.Erro);
    ASSERT_GE(linhas.size(), 7u) << e.Erro;
    EXPECT_EQ(linhas[0], "Dicionário: 9 palavras lidas, 1 aceite (1 comum), 0 repetidas, "
                         "8 rejeitadas.");
    const std::vector<std::string> recusas(linhas.begin() + 1, linhas.begin() + 7);
    EXPECT_EQ(recusas, (std::vector<std::string>{
                           "  linha 3: «pão-de-ló» - tem algo que não é letra",
                           "  linha 4: «X» - comprimento fora de 2 a 15 letras",
                           "  linha 5: «ES\uFFFD[2JC» - tem algo que não é letra",
                           "  linha 6: «" + std::string(69, 'A') + "\u2026",
                           "  linha 7: «K9» - tem algo que não é letra",
                           "  (e mais 3 linhas rejeitadas)",
                       }));
    std::filesystem::remove_all(pasta);
}

} // namespace

namespace {

// A PDF that carries nothing but a recipe, as anyone can craft one.
void EscreverPdfComReceita(const std::string& ACaminho, const TReceitaLivro& AReceita) {
    std::ofstream(ACaminho) << "%PDF-1.4\n1 0 obj\n<< /Keywords (" << TextoDaReceita(AReceita)
                            << ") >>\nendobj\ntrailer\n<< /Info 1 0 R >>\n";
}

// Books made again from their recipe, with one creation date so that bytes can be compared.
class Refazer : public testing::Test {
protected:
    void SetUp() override {
        setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
        // One folder per test: CTest runs them side by side.
        FPasta = PastaVazia(std::string("palvorin_refazer_") +
                            testing::UnitTest::GetInstance()->current_test_info()->name());
        FLista = FPasta + "/lista.txt";
        std::filesystem::copy_file(PALVORIN_LISTA_FIXA, FLista);
    }
    void TearDown() override {
        unsetenv("SOURCE_DATE_EPOCH");
        std::filesystem::remove_all(FPasta);
    }
    TExecucao Livro(const std::string& ANome) {
        return Executar({"--lado", "9", "--puzzles", "2", "--semente", "11", "--titulo",
                         "Férias; de verão", "--dicionario", FLista, "-o", FPasta + "/" + ANome});
    }
    std::string Ler(const std::string& ANome) { return LerTudo(FPasta + "/" + ANome); }

    std::string FPasta;
    std::string FLista;
};

TEST_F(Refazer, MesmosBytesMesmosPuzzlesOutroTitulo) {
    ASSERT_EQ(Livro("livro.pdf").Codigo, 0);
    const TExecucao refeito =
        Executar({"--refazer", FPasta + "/livro.pdf", "-o", FPasta + "/refeito.pdf"});
    ASSERT_EQ(refeito.Codigo, 0) << refeito.Erro;
    EXPECT_NE(refeito.Erro.find("Semente: 11\n"), std::string::npos) << refeito.Erro;
    EXPECT_TRUE(Ler("refeito.pdf") == Ler("livro.pdf"));

    // Another title keeps the puzzles and the rest of the recipe.
    const TExecucao comTitulo = Executar(
        {"--refazer", FPasta + "/livro.pdf", "--titulo", "Outro", "-o", FPasta + "/outro.pdf"});
    ASSERT_EQ(comTitulo.Codigo, 0) << comTitulo.Erro;
    const TReceitaLivro receita = ReceitaDoLivro(FPasta + "/outro.pdf");
    EXPECT_EQ(receita.Pedido,
              (TPedidoLivro{.NumPuzzles = 2, .Lado = 9, .Titulo = "Outro", .Semente = 11}));
    EXPECT_EQ(receita.Lista.Ficheiro, FLista);
    const TExecucao json = Executar({"--refazer", FPasta + "/outro.pdf", "--json"});
    const TExecucao jsonOriginal = Executar(
        {"--lado", "9", "--puzzles", "2", "--semente", "11", "--dicionario", FLista, "--json"});
    ASSERT_EQ(json.Codigo, 0) << json.Erro;
    EXPECT_EQ(json.Saida, jsonOriginal.Saida);
}

TEST_F(Refazer, FormatoEOpcoesDePaginaVemNaReceita) {
    ASSERT_EQ(Executar({"--lado", "9", "--puzzles", "3", "--semente", "11", "--dicionario", FLista,
                        "--formato", "a5", "--letra-grande", "-o", FPasta + "/a5.pdf"})
                  .Codigo,
              2);
    const TExecucao carta = Executar({"--lado", "9", "--puzzles", "3", "--semente", "11",
                                      "--dicionario", FLista, "--formato", "carta",
                                      "--letra-grande", "--grafica", "-o", FPasta + "/carta.pdf"});
    ASSERT_EQ(carta.Codigo, 0) << carta.Erro;
    EXPECT_EQ(ReceitaDoLivro(FPasta + "/carta.pdf").Pedido.Formato, TFormatoLivro::flCarta);
    const TExecucao refeito =
        Executar({"--refazer", FPasta + "/carta.pdf", "-o", FPasta + "/refeito.pdf"});
    ASSERT_EQ(refeito.Codigo, 0) << refeito.Erro;
    EXPECT_TRUE(Ler("refeito.pdf") == Ler("carta.pdf"));
    // The same puzzles on other pages.
    const TExecucao a4 =
        Executar({"--refazer", FPasta + "/carta.pdf", "--formato", "a4", "-o", FPasta + "/a4.pdf"});
    ASSERT_EQ(a4.Codigo, 0) << a4.Erro;
    const TReceitaLivro receita = ReceitaDoLivro(FPasta + "/a4.pdf");
    EXPECT_EQ(receita.Pedido.Formato, TFormatoLivro::flA4);
    EXPECT_TRUE(receita.Pedido.LetraGrande);
    EXPECT_TRUE(receita.Pedido.Grafica);
}

TEST_F(Refazer, RecusasDizemPorqueENaoEscrevemNada) {
    ASSERT_EQ(Livro("livro.pdf").Codigo, 0);
    const std::string livro = FPasta + "/livro.pdf";
    const std::string semReceita = FPasta + "/sem.pdf";
    std::ofstream(semReceita) << "%PDF-1.4\n1 0 obj\n<< /Title (Palvorin) >>\nendobj\n"
                                 "trailer\n<< /Info 1 0 R >>\n";
    TReceitaLivro receitaVelha = ReceitaDoLivro(livro);
    receitaVelha.Versao = "0.1.0";
    receitaVelha.Gerador = REVISAO_GERADOR - 1;
    const std::string velho = FPasta + "/velho.pdf";
    EscreverPdfComReceita(velho, receitaVelha);
    // A themed book from a generator whose themed books were other.
    TReceitaLivro receitaTemaVelha = ReceitaDoLivro(livro);
    receitaTemaVelha.Versao = "0.2.0";
    receitaTemaVelha.Pedido.Tema = TemaEmbutido("Casa");
    receitaTemaVelha.GeradorTema = REVISAO_GERADOR_TEMA - 1;
    const std::string temaVelho = FPasta + "/tema-velho.pdf";
    EscreverPdfComReceita(temaVelho, receitaTemaVelha);
    // A recipe the verdict refuses: the refusal says why.
    TReceitaLivro receitaLonga = ReceitaDoLivro(livro);
    receitaLonga.Pedido.Titulo = std::string(41, 'L');
    const std::string longo = FPasta + "/longo.pdf";
    EscreverPdfComReceita(longo, receitaLonga);
    // The list the book names, changed after the book was made.
    const std::string somaAntes = receitaVelha.Lista.Sha256;
    std::ofstream(FLista, std::ios::app) << "PALAVRA\n";
    const std::string lida = LerTudo(FLista);
    const std::string somaDepois =
        Sha256Hex({reinterpret_cast<const std::uint8_t*>(lida.data()), lida.size()});

    const std::string fixados = "A opção --refazer não se usa com --lado, --puzzles, --semente nem "
                                "--dificuldade: o livro já os traz.";
    const struct {
        std::vector<std::string> Argumentos;
        std::string Mensagem;
    } casos[] = {
        {{"--refazer", semReceita},
         "O ficheiro «" + semReceita + "» não traz a receita de um livro do Palvorin."},
        {{"--refazer", velho},
         "O livro «" + velho +
             "» foi feito pelo Palvorin 0.1.0, cujo gerador dá outros puzzles: "
             "o Palvorin " +
             VERSAO_PALVORIN + " não o pode refazer."},
        {{"--refazer", temaVelho},
         "O livro «" + temaVelho +
             "» foi feito pelo Palvorin 0.2.0, cujo gerador dá outros puzzles: "
             "o Palvorin " +
             VERSAO_PALVORIN + " não o pode refazer."},
        {{"--refazer", longo},
         "O livro «" + longo +
             "» não pode ser refeito. O título do livro não pode ter mais de 40 caracteres."},
        {{"--refazer", livro},
         "Não se encontrou a lista de palavras que fez o livro («lista.txt», SHA-256 " + somaAntes +
             ") ao lado do livro, na pasta atual nem em «" + FLista +
             "»: indique-a com --dicionario."},
        {{"--refazer", livro, "--dicionario", FLista},
         "A lista «" + FLista + "» não é a que fez o livro (SHA-256 " + somaDepois + " em vez de " +
             somaAntes + "): o livro não pode ser refeito."},
        {{"--refazer", livro, "-o", FPasta + "/./livro.pdf"},
         "O livro refeito ia substituir «" + livro + "»; indique outro ficheiro com -o."},
        // The output is checked before the list: the changed list is not reached.
        {{"--refazer", livro, "-o", FPasta + "/nao/x.pdf"},
         "Erro: Não foi possível gravar o ficheiro «" + FPasta +
             "/nao/x.pdf»: a pasta ou o ficheiro não existe."},
        {{"--refazer", livro, "--semente", "3"}, fixados},
        {{"--refazer", livro, "--dificuldade", "facil"}, fixados},
    };
    for (const auto& c : casos) {
        const TExecucao e = Executar(c.Argumentos, {}, FPasta);
        EXPECT_EQ(e.Codigo, 2) << e.Erro;
        EXPECT_EQ(e.Saida, "");
        EXPECT_EQ(Linhas(e.Erro).back(), "palvorin-livro: " + c.Mensagem) << e.Erro;
    }
    std::vector<std::string> ficheiros = Ficheiros(FPasta);
    std::sort(ficheiros.begin(), ficheiros.end());
    EXPECT_EQ(ficheiros, (std::vector<std::string>{"lista.txt", "livro.pdf", "longo.pdf", "sem.pdf",
                                                   "tema-velho.pdf", "velho.pdf"}));
}

// The list is looked for by its file name beside the book, then in the current folder, then at
// the recorded path; whichever place holds the same bytes makes the same puzzles.
TEST_F(Refazer, ListaProcuradaAoLadoDoLivroNaPastaActualENoCaminhoGravado) {
    ASSERT_EQ(Livro("livro.pdf").Codigo, 0);
    const std::string json = Executar({"--lado", "9", "--puzzles", "2", "--semente", "11",
                                       "--dicionario", FLista, "--json"})
                                 .Saida;
    const std::string lista = LerTudo(FLista);
    const std::string outra = PastaVazia(FPasta + "/outra");
    const std::string aqui = PastaVazia(FPasta + "/aqui");
    std::filesystem::copy_file(FPasta + "/livro.pdf", outra + "/livro.pdf");
    const struct {
        const char* Nome;
        std::string Junto;   // a copy of the list beside the moved book, if not empty
        std::string NaPasta; // ... in the current folder
        bool Gravada;        // the recorded path still holds it
    } casos[] = {
        {"no caminho gravado", "", "", true},
        {"ao lado do livro", lista, "", false},
        {"na pasta atual", "", lista, false},
    };
    for (const auto& c : casos) {
        std::ofstream(FLista, std::ios::binary) << (c.Gravada ? lista : lista + "MUDOU\n");
        std::filesystem::remove(outra + "/lista.txt");
        std::filesystem::remove(aqui + "/lista.txt");
        if (!c.Junto.empty())
            std::ofstream(outra + "/lista.txt", std::ios::binary) << c.Junto;
        if (!c.NaPasta.empty())
            std::ofstream(aqui + "/lista.txt", std::ios::binary) << c.NaPasta;
        const TExecucao e = Executar({"--refazer", outra + "/livro.pdf", "--json"}, {}, aqui);
        EXPECT_EQ(e.Codigo, 0) << c.Nome << "\n" << e.Erro;
        EXPECT_TRUE(e.Saida == json) << c.Nome;
        EXPECT_NE(e.Erro.find("Dicionário: "), std::string::npos) << c.Nome << "\n" << e.Erro;
    }
}

// A crafted recipe names a file that is not the list: nothing of that file reaches the screen,
// not a line, not its hash, not even whether it exists; a device or a pipe is never opened.
TEST_F(Refazer, ReceitaForjadaNaoMostraNadaDoFicheiroQueNomeia) {
    ASSERT_EQ(Livro("livro.pdf").Codigo, 0);
    const TReceitaLivro verdadeira = ReceitaDoLivro(FPasta + "/livro.pdf");
    const std::string segredo = "SEGREDO-1 linha\nSEGREDO-2 çãé\nSEGREDO-3\n";
    const std::string somaDoSegredo =
        Sha256Hex({reinterpret_cast<const std::uint8_t*>(segredo.data()), segredo.size()});
    const std::string cofre = PastaVazia(FPasta + "/cofre");
    std::ofstream(cofre + "/chave") << segredo;
    std::ofstream(FPasta + "/ao_lado") << segredo;
    mkfifo((FPasta + "/tubo").c_str(), 0600);
    setenv("PALVORIN_TESTE_SEGREDO", "SEGREDO-ENV", 1);
    const struct {
        std::string Ficheiro;
        std::string Soma;
    } casos[] = {
        {cofre + "/chave", verdadeira.Lista.Sha256},
        {cofre + "/chave", std::string(64, '0')},
        {"cofre/chave", verdadeira.Lista.Sha256},
        {"/proc/self/environ", verdadeira.Lista.Sha256},
        {"/nao/existe/ao_lado", verdadeira.Lista.Sha256},
        {FPasta + "/tubo", verdadeira.Lista.Sha256},
        {"/dev/zero", verdadeira.Lista.Sha256},
        {cofre, verdadeira.Lista.Sha256},
    };
    for (const auto& c : casos) {
        TReceitaLivro forjada = verdadeira;
        forjada.Lista.Ficheiro = c.Ficheiro;
        forjada.Lista.Sha256 = c.Soma;
        EscreverPdfComReceita(FPasta + "/forjado.pdf", forjada);
        const TExecucao e = Executar({"--refazer", FPasta + "/forjado.pdf", "--json"}, {}, FPasta);
        EXPECT_EQ(e.Codigo, 2) << c.Ficheiro;
        EXPECT_EQ(e.Saida, "");
        EXPECT_EQ(e.Erro.find("SEGREDO"), std::string::npos) << e.Erro;
        EXPECT_EQ(e.Erro.find(somaDoSegredo), std::string::npos) << e.Erro;
        EXPECT_EQ(e.Erro,
                  "palvorin-livro: Não se encontrou a lista de palavras que fez o livro («" +
                      std::filesystem::path(c.Ficheiro).filename().string() + "», SHA-256 " +
                      c.Soma + ") ao lado do livro, na pasta atual nem em «" + c.Ficheiro +
                      "»: indique-a com --dicionario.\n");
    }
    unsetenv("PALVORIN_TESTE_SEGREDO");
}

} // namespace

namespace {

// Themed books from the fixed list: the theme in the JSON, a theme file's refused lines told as
// a list's are, and the book made again from its recipe.
class Temas : public Refazer {
protected:
    void SetUp() override {
        Refazer::SetUp();
        FTema = FPasta + "/praia.txt";
        std::ofstream(FTema) << "# Praia\nMAR\nCÉU\nareia-fina\nCAMA\nBOLA\nX\nBOLO\nSOL\n";
    }
    TExecucao LivroComTema(const std::string& ATema, const std::vector<std::string>& AMais) {
        std::vector<std::string> args = {"--lado",    "9",  "--puzzles",    "3",
                                         "--semente", "5",  "--dicionario", FLista,
                                         "--tema",    ATema};
        args.insert(args.end(), AMais.begin(), AMais.end());
        return Executar(args);
    }
    std::string FTema;
};

TEST_F(Temas, FicheiroDeTemaNoJsonComAsLinhasRecusadas) {
    const TExecucao e = LivroComTema(FTema, {"--json"});
    ASSERT_EQ(e.Codigo, 0) << e.Erro;
    const std::vector<std::string> linhas = Linhas(e.Erro);
    ASSERT_GE(linhas.size(), 3u) << e.Erro;
    EXPECT_EQ(linhas[0], "Tema «praia»: 6 palavras aceites, 2 rejeitadas.");
    EXPECT_EQ(linhas[1], "  linha 4: «areia-fina» - tem algo que não é letra");
    EXPECT_EQ(linhas[2], "  linha 7: «X» - comprimento fora de 2 a 15 letras");
    EXPECT_NE(e.Saida.find(",\"tema\":\"praia\",\"falhas\":[]"), std::string::npos);
    // Each puzzle lists its theme words and their count; every one is the file's.
    const std::regex doPuzzle("\"tema\":\\{\"palavras\":\\[([^\\]]*)\\],\"quantas\":([0-9]+)\\}");
    const std::regex palavra("\"([^\"]*)\"");
    std::int32_t puzzles = 0, colocadas = 0;
    for (auto it = std::sregex_iterator(e.Saida.begin(), e.Saida.end(), doPuzzle);
         it != std::sregex_iterator(); ++it, ++puzzles) {
        const std::string lista = (*it)[1];
        std::int32_t lidas = 0;
        for (auto p = std::sregex_iterator(lista.begin(), lista.end(), palavra);
             p != std::sregex_iterator(); ++p, ++lidas) {
            const std::string texto = (*p)[1];
            EXPECT_TRUE(texto == "MAR" || texto == "CÉU" || texto == "CAMA" || texto == "BOLA" ||
                        texto == "BOLO" || texto == "SOL")
                << texto;
        }
        EXPECT_EQ(lidas, std::stoi((*it)[2])) << lista;
        colocadas += lidas;
    }
    EXPECT_EQ(puzzles, 3);
    EXPECT_GT(colocadas, 0);
    // The same options without the theme: no theme anywhere in the book.
    const TExecucao sem = Executar(
        {"--lado", "9", "--puzzles", "3", "--semente", "5", "--dicionario", FLista, "--json"});
    EXPECT_EQ(sem.Saida.find("tema"), std::string::npos);
}

TEST_F(Temas, LivroComTemaRefeitoDaReceita) {
    for (const std::string& tema : {FTema, std::string("animais")}) {
        SCOPED_TRACE(tema);
        ASSERT_EQ(LivroComTema(tema, {"-o", FPasta + "/livro.pdf"}).Codigo, 0);
        const TReceitaLivro receita = ReceitaDoLivro(FPasta + "/livro.pdf");
        ASSERT_TRUE(receita.Pedido.Tema);
        EXPECT_EQ(receita.Pedido.Tema->Embutido, tema != FTema);
        EXPECT_EQ(receita.Pedido.Tema->Nome, tema == FTema ? "praia" : "Animais");
        const TExecucao refeito =
            Executar({"--refazer", FPasta + "/livro.pdf", "-o", FPasta + "/refeito.pdf"});
        ASSERT_EQ(refeito.Codigo, 0) << refeito.Erro;
        EXPECT_TRUE(Ler("refeito.pdf") == Ler("livro.pdf"));
    }
    // A theme file moved beside the book, or given under another name, still makes it again.
    ASSERT_EQ(LivroComTema(FTema, {"-o", FPasta + "/livro.pdf"}).Codigo, 0);
    const std::string outra = FPasta + "/outra";
    std::filesystem::create_directory(outra);
    std::filesystem::rename(FPasta + "/livro.pdf", outra + "/livro.pdf");
    std::filesystem::copy_file(FTema, outra + "/praia.txt");
    std::filesystem::copy_file(FTema, FPasta + "/copia.txt");
    for (const std::vector<std::string>& mais :
         {std::vector<std::string>{}, {"--tema", FPasta + "/copia.txt"}}) {
        std::filesystem::remove(FTema);
        // The list named as it was: one found elsewhere is recorded where it was found.
        std::vector<std::string> args = {"--refazer",    outra + "/livro.pdf",
                                         "--dicionario", FLista,
                                         "-o",           FPasta + "/refeito.pdf"};
        args.insert(args.end(), mais.begin(), mais.end());
        const TExecucao refeito = Executar(args, {}, FPasta);
        ASSERT_EQ(refeito.Codigo, 0) << refeito.Erro;
        EXPECT_TRUE(Ler("refeito.pdf") == LerTudo(outra + "/livro.pdf"));
        std::filesystem::copy_file(outra + "/praia.txt", FTema);
    }
}

TEST_F(Temas, TemaQueNaoServeERecusado) {
    ASSERT_EQ(LivroComTema(FTema, {"-o", FPasta + "/livro.pdf"}).Codigo, 0);
    ASSERT_EQ(Executar({"--lado", "9", "--puzzles", "1", "--dicionario", FLista, "-o",
                        FPasta + "/semtema.pdf"})
                  .Codigo,
              0);
    const std::string soma = ReceitaDoLivro(FPasta + "/livro.pdf").Pedido.Tema->Sha256;
    const std::string mudado = FPasta + "/mudado.txt";
    std::ofstream(mudado) << LerTudo(FTema) << "ONDA\n";
    const std::string lido = LerTudo(mudado);
    const std::string nova =
        Sha256Hex({reinterpret_cast<const std::uint8_t*>(lido.data()), lido.size()});
    const std::string vazio = FPasta + "/vazio.txt";
    std::ofstream(vazio) << "# nada\n1\n";
    const std::string livro = FPasta + "/livro.pdf";
    // A book whose built-in theme had other words: this version would make other puzzles.
    ASSERT_EQ(LivroComTema("Animais", {"-o", FPasta + "/animais.pdf"}).Codigo, 0);
    TReceitaLivro antiga = ReceitaDoLivro(FPasta + "/animais.pdf");
    ASSERT_EQ(antiga.Pedido.Tema->Sha256.size(), 64u);
    antiga.Pedido.Tema->Sha256 = std::string(64, '0');
    const std::string outrasPalavras = FPasta + "/outras.pdf";
    EscreverPdfComReceita(outrasPalavras, antiga);
    const std::string mudouOTema = "O livro foi feito com outras palavras do tema «Animais» que as "
                                   "desta versão do programa: o livro não pode ser refeito.";
    const struct {
        std::vector<std::string> Argumentos;
        std::string Mensagem;
    } casos[] = {
        {{"--refazer", livro, "--tema", mudado},
         "O livro foi feito com o tema do ficheiro «" + FTema + "» (SHA-256 " + soma +
             "), não com o tema do ficheiro «" + mudado + "» (SHA-256 " + nova +
             "): o livro não pode ser refeito."},
        {{"--refazer", livro, "--tema", "Casa"},
         "O livro foi feito com o tema do ficheiro «" + FTema + "» (SHA-256 " + soma +
             "), não com o tema «Casa»: o livro não pode ser refeito."},
        {{"--refazer", outrasPalavras}, mudouOTema},
        {{"--refazer", outrasPalavras, "--tema", "animais"}, mudouOTema},
        {{"--refazer", FPasta + "/semtema.pdf", "--tema", "Casa", "--json"},
         "O livro foi feito sem tema, não com o tema «Casa»: o livro não pode ser refeito."},
        {{"--tema", "Zoologia"},
         "Tema desconhecido: «Zoologia» não é um tema do programa (veja --temas) nem um "
         "ficheiro."},
        {{"--tema", ""}, "Falta o valor da opção --tema."},
        {{"--tema", vazio, "--json"}, "O tema «" + vazio + "» não tem nenhuma palavra aceite."},
        {{"--tema", FTema, "--dicionario", FLista, "-o", FTema},
         "O livro ia substituir o tema «" + FTema + "»; indique outro ficheiro com -o."},
    };
    for (const auto& c : casos) {
        const TExecucao e = Executar(c.Argumentos, {}, FPasta);
        EXPECT_EQ(e.Codigo, 2) << e.Erro;
        ASSERT_FALSE(Linhas(e.Erro).empty());
        EXPECT_EQ(Linhas(e.Erro).back(), "palvorin-livro: " + c.Mensagem) << e.Erro;
    }
    // The changed file where the book's was: looked for by its bytes, and not found.
    std::filesystem::copy_file(mudado, FTema, std::filesystem::copy_options::overwrite_existing);
    const TExecucao e = Executar({"--refazer", livro, "--json"}, {}, FPasta);
    EXPECT_EQ(e.Codigo, 2);
    EXPECT_EQ(e.Erro, "palvorin-livro: Não se encontrou o tema que fez o livro («praia.txt», "
                      "SHA-256 " +
                          soma + ") ao lado do livro, na pasta atual nem em «" + FTema +
                          "»: indique-o com --tema.\n");
}

TEST(PalvorinLivro, TemasDoPrograma) {
    const TExecucao e = Executar({"--temas"});
    EXPECT_EQ(e.Codigo, 0);
    const std::vector<std::string> linhas = Linhas(e.Saida);
    ASSERT_EQ(linhas.size(), 9u) << e.Saida;
    EXPECT_EQ(linhas[0], "Temas do programa:");
    EXPECT_EQ(linhas[7].rfind("  Corpo e saúde ", 0), 0u) << linhas[7];
    // Every size starts in one column (counted in characters), past the longest name.
    const auto caracteres = [](const std::string& ATexto) {
        return std::count_if(ATexto.begin(), ATexto.end(),
                             [](char c) { return (c & 0xC0) != 0x80; });
    };
    for (std::size_t i = 1; i < linhas.size(); ++i) {
        const std::size_t numero = linhas[i].find_first_of("0123456789");
        ASSERT_NE(numero, std::string::npos) << linhas[i];
        EXPECT_EQ(caracteres(linhas[i].substr(0, numero)),
                  caracteres("  Profissões e ferramentas  "))
            << linhas[i];
    }
}

} // namespace
