// A reading run on the SDL display under a real X server: pages turned with
// the arrow keys, the last frame grabbed and compared with the page drawn.

#include "model/training.h"
#include "presentation/bmpdatei.h"
#include "presentation/oberflaeche_dc.h"
#include "presentation/praesentation.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

#include "sdl_lauf.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

TEST(LesetextSdl, SeitenUnterX)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no X server";
    CSdlLauf lauf;
    ASSERT_EQ(GetAnzeigeTreiber(), "sdl");

    const std::filesystem::path ordner = std::filesystem::path(LUMETRA_ARTIFACTS) / "lesetext_sdl";
    std::filesystem::create_directories(ordner);
    {
        std::ofstream datei(ordner / "seiten.txt", std::ios::binary);
        datei << "Lesen unter X\r\n";
        for (int i = 1; i <= 120; ++i)
            datei << "Absatz " << i << ": Zecken sitzen im hohen Gras und warten auf Wirte.\r\n";
    }
    CBenutzerprofil profil;
    CVerzeichnisse v = profil.GetVerzeichnisse();
    v.m_strEigeneTexte = ordner.string();
    profil.SetVerzeichnisse(v);
    CUmgebung umgebung(&profil);
    CTraining training;
    training.SetUmgebung(&umgebung);
    training.SetAufgabenart(50);
    CText t = training.GetText();
    t.m_nTextart = 20;
    t.m_strEigenerText = "seiten.txt";
    t.m_strEigenerOrdner.clear();
    t.m_nTasteVor = 5;      // cursor right
    t.m_nTasteZurueck = 4;  // cursor left
    training.SetText(t);

    // Enter leaves the ready screen, two pages on, Enter ends on page 3.
    CTastenFolge tasten(
        {{1500, SDLK_RETURN}, {2200, SDLK_RIGHT}, {2900, SDLK_RIGHT}, {3600, SDLK_RETURN}, {15000, SDLK_ESCAPE}});
    {
        CPraesentation p;
        const int ergebnis = lauf.Darbieten(p, &profil, &umgebung, &training);
        tasten.Fertig();
        ASSERT_EQ(ergebnis, 0) << p.m_strFehler;
        ASSERT_GE(p.m_nAnzahl, 4);
        EXPECT_EQ(p.m_TrainingsBericht.GetAnzahlReize(), p.m_nAnzahl);
        EXPECT_GT(p.m_TrainingsBericht.GetZeit(0), 0u);
        EXPECT_GT(p.m_TrainingsBericht.GetZeit(1), 0u);

        // The last frame shows page 3 wherever the page is not transparent.
        const RECT seite = p.m_Rechtecke1.GetAt(2);
        const RECT block = p.m_Rechtecke2.GetAt(2);
        ASSERT_EQ(seite.bottom - seite.top, block.bottom - block.top);
        int text = 0, abweichend = 0;
        {
            COberflaechenSperre vg(p.m_pVordergrund, nullptr, 0);
            COberflaechenSperre schirm(p.m_pPrimaer, nullptr, 0);
            ASSERT_TRUE(vg.Ok() && schirm.Ok());
            for (LONG y = 0; y < seite.bottom - seite.top; ++y)
                for (LONG x = 0; x < seite.right - seite.left; ++x) {
                    const BYTE i = vg.Zeile(seite.top + y)[seite.left + x];
                    if (i == INDEX_DURCHSICHTIG)
                        continue;
                    text += i == INDEX_VORDERGRUND;
                    abweichend += schirm.Zeile(block.top + y)[block.left + x] != i;
                }
        }
        EXPECT_GT(text, 1000);
        EXPECT_EQ(abweichend, 0);
        Speichern(p, "lesetext_sdl_letztes_bild");
    }
}

} // namespace
