// The saccade training on the SDL display under a real X server, the keys
// pushed as SDL events on the display's own clock.

#include "model/training.h"
#include "platform/crt.h"
#include "presentation/praesentation.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

#include "sdl_lauf.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

TEST(SakkadenSdl, TrainingUnterX)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no X server";
    CSdlLauf lauf;
    ASSERT_EQ(GetAnzeigeTreiber(), "sdl");

    CBenutzerprofil profil;
    CUmgebung umgebung(&profil);
    CTraining training;
    training.SetUmgebung(&umgebung);
    training.SetAufgabenart(10);
    CSakkaden s = training.GetSakkaden();
    s.m_nDurchgaenge = 3;
    s.m_dPauseMin = s.m_dPauseMax = 0.3;
    s.m_dDauerMin = s.m_dDauerMax = 1.0;
    training.SetSakkaden(s);
    CHGMuster m = training.GetHGMuster();
    m.m_nArt = 10;
    training.SetHGMuster(m);

    // Enter leaves the ready screen; two reactions; Escape as a last resort.
    CTastenFolge tasten({{1500, SDLK_RETURN}, {2200, SDLK_SPACE}, {2900, SDLK_SPACE}, {15000, SDLK_ESCAPE}});
    int ergebnis = -1;
    {
        CPraesentation p;
        ergebnis = lauf.Darbieten(p, &profil, &umgebung, &training);
        tasten.Fertig();
        EXPECT_EQ(ergebnis, 0) << p.m_strFehler;
        const CTrainingsBericht& b = p.m_TrainingsBericht;
        EXPECT_EQ(b.GetAnzahlReize(), 3);
        EXPECT_GT(b.m_dLaufzeit, 0.5);
        EXPECT_NE(b.m_dStandardGeschwindigkeit, 0.0);
        EXPECT_GT(b.GetRechteck(0).right, b.GetRechteck(0).left);
        int zeiten = 0;
        for (int i = 0; i < 3; ++i)
            zeiten += b.GetZeit(i) > 0;
        EXPECT_EQ(zeiten, 3);
        std::printf("Laufzeit %.1f s, Zeiten %u %u %u, Marken %u %u %u\n", b.m_dLaufzeit, b.GetZeit(0), b.GetZeit(1),
                    b.GetZeit(2), b.GetMarke(0), b.GetMarke(1), b.GetMarke(2));
        Speichern(p, "sakkaden_sdl_letztes_bild");
    }
}

} // namespace
