// SIGTERM and SIGINT while the SDL display is held: the run hears them as
// WM_QUIT, and the program ends on them once the display is given back.

#include "platform/display/ddraw.h"
#include "platform/display/sdl/sdl_anzeige.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace {

// The display object of the SDL back end, as a run makes it.
IDirectDraw2* SdlAnzeige()
{
    SdlAnzeigeAnmelden();
    AnzeigeTreiberWaehlen("sdl");
    IDirectDraw2* dd = nullptr;
    if (DirectDrawErzeugen(&dd) != S_OK)
        std::_Exit(3);
    return dd;
}

bool SignalBehandelt(int signal)
{
    struct sigaction a = {};
    sigaction(signal, nullptr, &a);
    return (a.sa_flags & SA_SIGINFO) || a.sa_handler != SIG_DFL;
}

// Exits with a code of its own at the first step that fails; ends by the
// signal only where everything went as it should.
void SignalImLauf(int signal)
{
    IDirectDraw2* dd = SdlAnzeige();
    std::raise(signal);
    MSG m;
    // Past the keyboard filter, once.
    if (!PeekMessageA(&m, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE) || m.message != WM_QUIT)
        std::_Exit(4);
    if (!PeekMessageA(&m, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE) || m.message != WM_QUIT)
        std::_Exit(5);
    if (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE) && m.message == WM_QUIT)
        std::_Exit(6);
    dd->Release();
    std::_Exit(7);
}

TEST(SdlSignal, ImLaufAlsWmQuitDanachEndetDasProgramm)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(SignalImLauf(SIGTERM), ::testing::KilledBySignal(SIGTERM), "");
    EXPECT_EXIT(SignalImLauf(SIGINT), ::testing::KilledBySignal(SIGINT), "");
}

// Once the display is gone nothing catches the signals any more, and a
// display that saw none leaves the program running.
TEST(SdlSignal, OhneAnzeigeWiederVorgabe)
{
    ASSERT_FALSE(SignalBehandelt(SIGTERM));
    IDirectDraw2* dd = SdlAnzeige();
    EXPECT_TRUE(SignalBehandelt(SIGTERM));
    EXPECT_TRUE(SignalBehandelt(SIGINT));
    MSG m;
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE) && m.message == WM_QUIT);
    EXPECT_EQ(dd->Release(), 0u);
    AnzeigeTreiberWaehlen("");
    EXPECT_FALSE(SignalBehandelt(SIGTERM));
    EXPECT_FALSE(SignalBehandelt(SIGINT));
}

// An ignored signal stays ignored.
TEST(SdlSignal, IgnoriertBleibtIgnoriert)
{
    auto vorher = std::signal(SIGINT, SIG_IGN);
    IDirectDraw2* dd = SdlAnzeige();
    struct sigaction a = {};
    sigaction(SIGINT, nullptr, &a);
    EXPECT_EQ(a.sa_handler, SIG_IGN);
    std::raise(SIGINT);
    MSG m;
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE) && m.message == WM_QUIT);
    dd->Release();
    AnzeigeTreiberWaehlen("");
    std::signal(SIGINT, vorher);
}

} // namespace
