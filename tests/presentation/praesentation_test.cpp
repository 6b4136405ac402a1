// The engine's display set-up: mode ladder, hints, palette, stimulus cells.
#include <gtest/gtest.h>

#include "support/laufumfeld.h"
#include "testanzeige.h"

namespace {

// 1024 x 768 at frequenz, letzte the last rate set; the rates the display tried.
std::vector<DWORD> Einrichten(CLaufUmfeld& u, CPraesentation& p, DWORD frequenz, DWORD letzte, DWORD tiefe = 8)
{
    CBildschirmModus m = u.umgebung.GetBildschirmModus();
    m.m_dwFrequenz = frequenz;
    m.m_dwFarbtiefe = tiefe;
    u.umgebung.SetBildschirmModus(m);
    m = u.umgebung.GetBildschirmModus();
    m.m_dwLetzteFrequenz = letzte;
    u.umgebung.SetBildschirmModus(m);
    EXPECT_EQ(u.TrainingEinrichten(p), 0);
    EXPECT_EQ(p.InitDirectDraw(), 0) << p.m_strFehler;
    std::vector<DWORD> r;
    for (const CAnzeigeModus& v : u.anzeige->GetModusVersuche())
        r.push_back(v.frequenz);
    return r;
}

TEST(Praesentation, FehlendesArgumentLaesstDieAnzeigeInRuhe)
{
    CLaufUmfeld u;
    const HWND fenster = HWND(&u.view);
    CPraesentation p;
    EXPECT_EQ(p.Einrichten(fenster, &u.view, &u.profil, &u.umgebung, nullptr, nullptr), 13);
    EXPECT_EQ(p.Darbieten(), 13);
    EXPECT_EQ(p.Einrichten(nullptr, &u.view, &u.profil, &u.umgebung, nullptr, &u.test), 13);
    EXPECT_EQ(p.Einrichten(fenster, &u.view, &u.profil, &u.umgebung, &u.training, &u.test), 13);
    EXPECT_EQ(p.LaufVorbereiten(), 13);
    EXPECT_FALSE(u.anzeige->IstModusGesetzt());
}

// 85 Hz is not offered: the ladder comes down to 60 with a hint. The rate
// set goes where the asked rate came from: the named rate, or else the last.
TEST(Praesentation, FrequenzWirdAngepasstMitHinweis)
{
    CSpeicherKonfig k;
    k.modi = {{1024, 768, 8, 60}, {800, 600, 8, 60}};
    for (DWORD gewuenscht : {85u, 0u}) {
        CLaufUmfeld u(k);
        {
            CPraesentation p;
            EXPECT_EQ(Einrichten(u, p, gewuenscht, 85, 16), (std::vector<DWORD>{85, 85, 75, 70, 60}));
            EXPECT_EQ(p.m_nHinweis, 1);
            EXPECT_TRUE(p.m_strHinweis.ends_with("1024 [Pxl] x 768, 8 [Bit], 60 [Hz]\n")) << p.m_strHinweis;
            const CBildschirmModus m = u.umgebung.GetBildschirmModus();
            EXPECT_EQ(m.m_dwFrequenz, gewuenscht ? 60u : 0u);
            EXPECT_EQ(m.GetWunschfrequenz(), 60u);
            EXPECT_EQ(u.anzeige->GetBildschirm()[0], 176); // the waiting screen
            u.BildschirmSpeichern("wartebild");
        }
        EXPECT_FALSE(u.anzeige->IstModusGesetzt());
    }
}

TEST(Praesentation, PaletteMitStandardfarben)
{
    PALETTEENTRY pal[256];
    const CFarben f;
    PaletteAufbauen(pal, f.m_crBeispielreiz, f.m_crVordergrund, f.m_crHintergrund, f.m_crStandardmuster,
                    f.m_crZielmuster);
    const std::pair<int, PALETTEENTRY> erwartet[] = {{11, {4, 4, 4, PC_RESERVED}},
                                                     {127, {4, 4, 4, PC_RESERVED}},
                                                     {68, {236, 236, 251, PC_RESERVED}},
                                                     {69, {240, 240, 255, PC_RESERVED}},
                                                     {130, {}},
                                                     {255, {255, 255, 255, 0}}};
    for (const auto& [i, e] : erwartet)
        EXPECT_EQ(pal[i], e) << i;
}

TEST(Praesentation, Reizzellen)
{
    CLaufUmfeld u;
    CPraesentation p;
    Einrichten(u, p, 60, 60);
    p.m_Verzeichnisse.m_strBilder = LUMETRA_ARTIFACTS "/../resources/bilder";
    ASSERT_EQ(p.VordergrundbilderLaden(0, 2, 48, 40), 0) << p.m_strFehler;
    EXPECT_EQ(u.umgebung.m_Reizkatalog.m_lfReizSchrift.lfHeight, 0); // a run reads the environment only
    // Transparency 1 (the default): cells on the background entry, ink in the ramp.
    EXPECT_EQ(testanzeige::Pixel(p.m_Streifen1.GetOberflaeche(), 0, 0), 69);
    EXPECT_EQ(testanzeige::Pixel(p.m_Streifen2.GetOberflaeche(), 24, 24), 10);
    u.Speichern(p.m_Streifen2.GetOberflaeche(), "reizzellen_kreise");
}

} // namespace
