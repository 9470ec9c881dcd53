#include "UnitPalvorinSinaisFim.hpp"

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace palvorin {

namespace {

// Written by the handler: only lock-free atomics and write() are safe there.
std::atomic<int> GSinal = 0;
std::atomic<int> GCanalEscrita = -1;
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void AoReceberSinalDeFim(int ASinal) {
    const int erro = errno;
    GSinal = ASinal;
    const char byte = 1;
    // A full pipe already holds a wake-up, which is all the byte is.
    [[maybe_unused]] const auto escritos = write(GCanalEscrita, &byte, 1);
    errno = erro;
}

} // namespace

TSinaisDeFim::TSinaisDeFim(std::function<void(int)> AAoReceber)
    : FAoReceber(std::move(AAoReceber)) {
    GSinal = 0;
    if (pipe2(FCanal, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // the default handling stays: the program can still be ended
    GCanalEscrita = FCanal[1];
    FAviso = new QSocketNotifier(FCanal[0], QSocketNotifier::Read, this);
    connect(FAviso, &QSocketNotifier::activated, this, [this] {
        char lidos[16];
        while (read(FCanal[0], lidos, sizeof lidos) > 0) {
        }
        if (FAoReceber)
            FAoReceber(GSinal);
    });
    for (std::size_t i = 0; i < std::size(SINAIS); ++i) {
        struct sigaction accao {};
        accao.sa_handler = AoReceberSinalDeFim;
        accao.sa_flags = SA_RESTART;
        sigemptyset(&accao.sa_mask);
        sigaction(SINAIS[i], &accao, &FAnteriores[i]);
    }
}

TSinaisDeFim::~TSinaisDeFim() {
    if (FCanal[0] < 0)
        return;
    for (std::size_t i = 0; i < std::size(SINAIS); ++i)
        sigaction(SINAIS[i], &FAnteriores[i], nullptr);
    GCanalEscrita = -1;
    close(FCanal[0]);
    close(FCanal[1]);
}

int TSinaisDeFim::Sinal() {
    return GSinal;
}

} // namespace palvorin
