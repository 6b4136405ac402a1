// Vertical test runs on the SDL display under a real X server: keys typed
// through X (xdotool) as a trainee would, and the keys of a German layout
// that Xvfb's layout lacks sent as SDL's own key events.

#include "model/test.h"
#include "platform/crt.h"
#include "platform/display/sdl/sdl_anzeige.h"
#include "presentation/praesentation.h"
#include "sdl_druck.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

bool Befehl(const std::string& befehl) { return std::system((befehl + " >/dev/null 2>&1").c_str()) == 0; }

// A key typed through X, held as long as a finger holds it: a tap that
// begins and ends between two polls counts as no press.
void Tippen(const std::string& taste)
{
    Befehl("xdotool keydown " + taste);
    std::this_thread::sleep_for(100ms);
    Befehl("xdotool keyup " + taste);
}

// A key as SDL reports it on a German layout, pressed and released.
void SdlTaste(SDL_Keycode taste)
{
    SdlDruck(taste, true);
    std::this_thread::sleep_for(100ms);
    SdlDruck(taste, false);
}

struct TestlaufSdl : ::testing::Test {
    void SetUp() override
    {
        if (!std::getenv("DISPLAY") || !Befehl("command -v xdotool"))
            GTEST_SKIP() << "braucht einen X-Server und xdotool";
        SdlAnzeigeAnmelden();
        ASSERT_EQ(AnzeigeTreiberWaehlen("sdl"), 0);
        test.SetUmgebung(&umgebung);
    }
    void TearDown() override
    {
        AnzeigeTreiberWaehlen("");
    }

    // The run, with keys typed from another thread: once the window is up,
    // Enter, then tasten(ms since Enter) until it answers false; Escape as
    // a last resort.
    CTestBericht Lauf(const std::function<void(std::function<void(int)>)>& tasten)
    {
        std::atomic<bool> fertig{false};
        std::thread tipper([&] {
            if (!Befehl("xdotool search --sync --onlyvisible --name '^Lumetra$'"))
                return;
            std::this_thread::sleep_for(1000ms);
            Tippen("Return");
            const auto start = std::chrono::steady_clock::now();
            auto bis = [&](int ms) {
                while (!fertig && std::chrono::steady_clock::now() < start + std::chrono::milliseconds(ms))
                    std::this_thread::sleep_for(5ms);
            };
            tasten(bis);
            bis(12000);
            if (!fertig)
                Tippen("Escape");
        });
        CPraesentation p;
        int ergebnis = p.Einrichten(HWND(&fenster), &fenster, &profil, &umgebung, nullptr, &test);
        if (ergebnis == 0)
            ergebnis = p.Darbieten();
        fertig = true;
        tipper.join();
        EXPECT_EQ(ergebnis, 0) << p.m_strFehler;
        return p.m_TestBericht;
    }

    int fenster = 0;
    CBenutzerprofil profil;
    CUmgebung umgebung{&profil};
    CTest test;
};

// Constant stimuli, vertical, with "<Ä>" for "höher" and "<Ö>" for
// "kleiner": each answer counts under its own meaning.
TEST_F(TestlaufSdl, LaengenVertikalMitUmlauten)
{
    test.SetTestart(20);
    CLaengen l = test.GetLaengen();
    l.m_nVerfahren = VERFAHREN_KONSTANT;
    l.m_nOrientierung = 2;
    l.m_dIntervallVon = l.m_dIntervallBis = 0.5;
    l.m_nReihenfolge = 1;
    l.m_nBspBreiteStufen = 1;
    l.m_nTestHoeheStufen = 2;
    l.m_dTestHoeheVon = 0.8;
    l.m_dTestHoeheBis = 1.2;
    l.m_nTasteHoeher = 54;  // <Ä>
    l.m_nTasteKleiner = 55; // <Ö>
    test.SetLaengen(l);
    const CTestBericht b = Lauf([](const std::function<void(int)>& bis) {
        bis(1000);
        SdlTaste(0xE4); // ä
        bis(2200);
        SdlTaste(0xF6); // ö
    });
    ASSERT_EQ(b.GetAnzahlDurchgaenge(), 2);
    const int hoeher = b.GetDurchgang(0), kleiner = b.GetDurchgang(1);
    EXPECT_EQ(b.GetZaehler4(hoeher), 1u);
    EXPECT_EQ(b.GetZaehler3(hoeher), 0u);
    EXPECT_EQ(b.GetZaehler3(kleiner), 1u);
    EXPECT_EQ(b.GetZaehler4(kleiner), 0u);
    std::printf("Zeiten %u %u ms\n", b.GetZeit(hoeher), b.GetZeit(kleiner));
}

// Adjustment, vertical: "unten" held moves the crossing down, the vertical
// line stays where it stood.
TEST_F(TestlaufSdl, LinienhalbierungVertikalEinstellen)
{
    test.SetTestart(10);
    CLinien l = test.GetLinien();
    l.m_nOrientierung = 2;
    l.m_dIntervallVon = l.m_dIntervallBis = 0.5;
    l.m_nHLaengeStufen = l.m_nHPositionStufen = 1;
    l.m_dVLaengeVon = l.m_dVLaengeBis = 0.3;
    l.m_dVTrennVon = l.m_dVTrennBis = 0.3;
    test.SetLinien(l);
    const CTestBericht b = Lauf([](const std::function<void(int)>& bis) {
        bis(1000);
        Befehl("xdotool keydown Down");
        bis(1600);
        Befehl("xdotool keyup Down");
        bis(1900);
        Tippen("space");
    });
    ASSERT_EQ(b.GetAnzahlDurchgaenge(), 1);
    EXPECT_GT(b.GetZeit(0), 0u); // ended by the end key, not by Escape
    const RECT linie = b.GetRechteck1(0), start = b.GetRechteck3(0);
    EXPECT_EQ(b.GetRechteck2(0), b.GetRechteck4(0));
    EXPECT_EQ(linie.bottom - linie.top, start.bottom - start.top);
    // About 0.6 s at a step of 0.055 of the width a second.
    EXPECT_GT(linie.top - start.top, 5);
    EXPECT_LT(linie.top - start.top, 60);
    std::printf("Kreuzung %ld Pixel tiefer\n", long(linie.top - start.top));
}

} // namespace
