#include "platform/display/sdl/signalaufschub.h"

#include <csignal>
#include <iterator>

namespace {

constexpr int SIGNALE[] = {SIGTERM, SIGINT};
constexpr int ANZAHL = int(std::size(SIGNALE));

volatile std::sig_atomic_t g_gefangen = 0;
int g_halter = 0;
struct sigaction g_vorher[ANZAHL];
bool g_ersetzt[ANZAHL] = {};

extern "C" void Fangen(int signal)
{
    if (g_gefangen == 0)
        g_gefangen = signal;
}

} // namespace

CSignalAufschub::CSignalAufschub()
{
    if (g_halter++ > 0)
        return;
    g_gefangen = 0;
    for (int i = 0; i < ANZAHL; ++i) {
        struct sigaction neu = {};
        neu.sa_handler = Fangen;
        sigemptyset(&neu.sa_mask);
        // Waits on the display (poll) end all the same.
        neu.sa_flags = SA_RESTART;
        // An ignored signal stays ignored.
        g_ersetzt[i] = sigaction(SIGNALE[i], nullptr, &g_vorher[i]) == 0 &&
                       ((g_vorher[i].sa_flags & SA_SIGINFO) || g_vorher[i].sa_handler != SIG_IGN) &&
                       sigaction(SIGNALE[i], &neu, nullptr) == 0;
    }
}

CSignalAufschub::~CSignalAufschub()
{
    if (--g_halter > 0)
        return;
    for (int i = 0; i < ANZAHL; ++i)
        if (g_ersetzt[i])
            sigaction(SIGNALE[i], &g_vorher[i], nullptr);
    if (const int signal = g_gefangen) {
        g_gefangen = 0;
        std::raise(signal);
    }
}

bool CSignalAufschub::Gefangen(bool nehmen)
{
    if (m_genommen || g_gefangen == 0)
        return false;
    m_genommen = nehmen;
    return true;
}
