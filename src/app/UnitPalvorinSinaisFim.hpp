#pragma once

#include <QObject>
#include <csignal>
#include <functional>
#include <iterator>

class QSocketNotifier;

namespace palvorin {

// While alive, SIGINT, SIGTERM and SIGHUP (Ctrl-C, kill, logging out) no longer kill the
// program halfway through a write: each is remembered at once and handed to AAoReceber on the
// event loop, so that the window can end cleanly. One at a time.
class TSinaisDeFim : public QObject {
public:
    explicit TSinaisDeFim(std::function<void(int ASinal)> AAoReceber);
    ~TSinaisDeFim() override;

    // The last signal received, 0 while none came. Safe on any thread.
    static int Sinal();

private:
    static constexpr int SINAIS[] = {SIGINT, SIGTERM, SIGHUP};
    std::function<void(int)> FAoReceber;
    int FCanal[2] = {-1, -1};
    QSocketNotifier* FAviso = nullptr;
    struct sigaction FAnteriores[std::size(SINAIS)]{};
};

} // namespace palvorin
