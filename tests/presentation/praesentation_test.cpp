// The engine's display set-up on the in-memory display: mode ladder, hints,
// the run's palette, the preparation without foreground, the stimulus cells,
// and giving the display back.
#include <gtest/gtest.h>

#include "model/test.h"
#include "model/training.h"
#include "presentation/praesentation.h"
#include "testanzeige.h"
#include "workplace/umgebung.h"

namespace {

class Praesentation : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_umgebung.SetProfil(&m_profil);
        m_training.SetUmgebung(&m_umgebung);
        m_test.SetUmgebung(&m_umgebung);
    }
    void Anzeige(CSpeicherKonfig konfig = {})
    {
        m_anzeige.reset(); // the old display unregisters itself
        m_anzeige = CSpeicherAnzeige::Installieren(std::move(konfig));
    }
    void Modus(DWORD breite, DWORD hoehe, DWORD frequenz, DWORD letzte, DWORD tiefe = 8)
    {
        CBildschirmModus m;
        m.m_dwBreite = breite;
        m.m_dwHoehe = hoehe;
        m.m_dwFrequenz = frequenz;
        m.m_dwLetzteFrequenz = letzte;
        m.m_dwFarbtiefe = tiefe;
        m_umgebung.SetBildschirmModus(m);
        m = m_umgebung.GetBildschirmModus();
        m.m_dwLetzteFrequenz = letzte;
        m_umgebung.SetBildschirmModus(m);
    }
    void Binden(CPraesentation& p)
    {
        ASSERT_EQ(p.Einrichten(HWND(&m_fenster), &m_fenster, &m_profil, &m_umgebung, &m_training, nullptr), 0);
    }
    std::vector<DWORD> Raten() const
    {
        std::vector<DWORD> r;
        for (const CAnzeigeModus& m : m_anzeige->GetModusVersuche())
            r.push_back(m.frequenz);
        return r;
    }

    CBenutzerprofil m_profil;
    CUmgebung m_umgebung;
    CTraining m_training;
    CTest m_test;
    std::shared_ptr<CSpeicherAnzeige> m_anzeige;
    int m_fenster = 0; // main window and view
};

bool EndetMit(const std::string& s, const std::string& ende)
{
    return s.size() >= ende.size() && s.compare(s.size() - ende.size(), ende.size(), ende) == 0;
}

TEST_F(Praesentation, FehlendesArgumentLaesstDieAnzeigeInRuhe)
{
    Anzeige();
    const HWND fenster = HWND(&m_fenster);
    CPraesentation p;
    EXPECT_EQ(p.Einrichten(fenster, &m_fenster, &m_profil, &m_umgebung, nullptr, nullptr), 13);
    EXPECT_EQ(p.Darbieten(), 13);
    EXPECT_EQ(p.m_nFehler, 5);
    EXPECT_EQ(p.m_strFehler, "Direct Draw konnte nicht initialisiert werden.\n");
    // Without the main window, and with a training and a test at once.
    CPraesentation r;
    EXPECT_EQ(r.Einrichten(nullptr, &m_fenster, &m_profil, &m_umgebung, nullptr, &m_test), 13);
    EXPECT_EQ(r.Darbieten(), 13);
    EXPECT_EQ(r.Einrichten(fenster, &m_fenster, &m_profil, &m_umgebung, &m_training, &m_test), 13);
    EXPECT_EQ(r.LaufVorbereiten(), 13);
    EXPECT_FALSE(m_anzeige->IstModusGesetzt());
}

// 85 Hz is not offered: the ladder comes down to 60 with a hint. The rate
// set goes where the asked rate came from: the named rate, or else the last.
TEST_F(Praesentation, FrequenzWirdAngepasstMitHinweis)
{
    CSpeicherKonfig k;
    k.modi = {{1024, 768, 8, 60}, {800, 600, 8, 60}};
    for (DWORD gewuenscht : {85u, 0u}) {
        Anzeige(k);
        Modus(1024, 768, gewuenscht, 85, 16);
        {
            CPraesentation p;
            Binden(p);
            ASSERT_EQ(p.InitDirectDraw(), 0) << p.m_strFehler;
            EXPECT_EQ(Raten(), (std::vector<DWORD>{85, 85, 75, 70, 60}));
            EXPECT_EQ(p.m_nHinweis, 1);
            EXPECT_TRUE(EndetMit(p.m_strHinweis, "1024 [Pxl] x 768, 8 [Bit], 60 [Hz]\n")) << p.m_strHinweis;
            const CBildschirmModus m = m_umgebung.GetBildschirmModus();
            EXPECT_EQ(m.m_dwFrequenz, gewuenscht ? 60u : 0u);
            EXPECT_EQ(m.GetWunschfrequenz(), 60u);
            EXPECT_TRUE(m_anzeige->IstModusGesetzt());
            EXPECT_EQ(m_anzeige->GetBildschirm()[0], 176); // the waiting screen
            m_anzeige->BildschirmSpeichern(testanzeige::Ordner() + "/wartebild.png");
        }
        EXPECT_FALSE(m_anzeige->IstModusGesetzt());
    }
}

TEST_F(Praesentation, NurStandardfrequenz)
{
    for (DWORD gemeldet : {0u, 72u}) {
        CSpeicherKonfig k;
        k.nurStandardfrequenz = true;
        k.standardfrequenz = gemeldet;
        Anzeige(k);
        Modus(1024, 768, 75, 75);
        CPraesentation p;
        Binden(p);
        ASSERT_EQ(p.InitDirectDraw(), 0);
        EXPECT_EQ(Raten().back(), 0u);
        EXPECT_TRUE(EndetMit(p.m_strHinweis, ", 8 [Bit], ? [Hz]\n")) << p.m_strHinweis;
        EXPECT_EQ(p.m_nBildfrequenz, gemeldet ? int(gemeldet) : 60);
    }
}

TEST_F(Praesentation, PaletteMitStandardfarben)
{
    PALETTEENTRY pal[256];
    const CFarben f;
    PaletteAufbauen(pal, f.m_crBeispielreiz, f.m_crVordergrund, f.m_crHintergrund, f.m_crStandardmuster,
                    f.m_crZielmuster);
    EXPECT_EQ(pal[11], (PALETTEENTRY{4, 4, 4, PC_RESERVED}));
    EXPECT_EQ(pal[127], (PALETTEENTRY{4, 4, 4, PC_RESERVED}));
    EXPECT_EQ(pal[68], (PALETTEENTRY{236, 236, 251, PC_RESERVED}));
    EXPECT_EQ(pal[69], (PALETTEENTRY{240, 240, 255, PC_RESERVED}));
    EXPECT_EQ(pal[130], PALETTEENTRY{});
    EXPECT_EQ(pal[255], (PALETTEENTRY{255, 255, 255, 0}));
}

TEST_F(Praesentation, Reizzellen)
{
    Anzeige();
    Modus(1024, 768, 60, 60);
    CPraesentation p;
    Binden(p);
    ASSERT_EQ(p.InitDirectDraw(), 0);
    p.m_Verzeichnisse.m_strBilder = LUMETRA_ARTIFACTS "/../resources/bilder";
    ASSERT_EQ(p.VordergrundbilderLaden(0, 2, 48, 40), 0) << p.m_strFehler;
    EXPECT_EQ(p.m_Streifen1.GetAnzahl(), 26);
    EXPECT_EQ(p.m_Streifen2.GetAnzahl(), 32);
    EXPECT_EQ(m_umgebung.m_Reizkatalog.m_lfReizSchrift.lfHeight, 0); // a run reads the environment only
    // Transparency 1 (the default): cells on the background entry, ink in the ramp.
    IDirectDrawSurface* kreise = p.m_Streifen2.GetOberflaeche();
    EXPECT_EQ(testanzeige::Pixel(p.m_Streifen1.GetOberflaeche(), 0, 0), 69);
    EXPECT_EQ(testanzeige::Pixel(kreise, 24, 24), 10);
    m_anzeige->OberflaecheSpeichern(kreise, testanzeige::Ordner() + "/reizzellen_kreise.png");

    p.m_Verzeichnisse.m_strBilder = testanzeige::Ordner() + "/fehlt";
    EXPECT_EQ(p.VordergrundbilderLaden(2, -1, 48, 40), 0x203);
    EXPECT_EQ(p.m_nFehler, 0x300);
    EXPECT_EQ(p.m_strFehler, "Datei " + testanzeige::Ordner() + "/fehlt/kreise.bmp nicht gefunden.\n");
}

} // namespace
