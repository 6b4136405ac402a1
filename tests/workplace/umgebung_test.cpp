#include <gtest/gtest.h>

#include <cmath>

#include "systemvorgaben.h"

#include "platform/display/ddraw.h"
#include "platform/display/memory/speicher_anzeige.h"
#include "platform/meldung.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

namespace {

class Umgebung : public ::testing::Test {
protected:
    CSystemvorgaben vorgaben;
    void SetEinheit(uint32_t einheit, int stellen = 1)
    {
        CAnzeigeOptionen o;
        o.SetEinheit(einheit);
        o.SetDezimalstellen(stellen);
        profil.SetAnzeigeoptionen(o);
    }

    CBenutzerprofil profil;
};

} // namespace

TEST_F(Umgebung, UmrechnungenMitVorgaben)
{
    // Without a profile values stay parts of the display.
    CUmgebung ohne;
    EXPECT_DOUBLE_EQ(ohne.AnteilInEinheitX(0.25), 0.25);
    EXPECT_EQ(ohne.GetEinheitText(), "1");

    CUmgebung u(&profil);
    u.SetProfil(&profil);
    // 1 degree at 50 cm on a 40 cm wide, 1024 pixel display.
    EXPECT_EQ(u.AnteilInPixelX(u.EinheitInAnteilX(1.0)), 22);
    EXPECT_EQ(u.GetEinheitText(), "°");
    EXPECT_DOUBLE_EQ(u.InAnteilX(1.0, 0x0202), 0.025);
    EXPECT_DOUBLE_EQ(u.InAnteilY(1.0, 0x0202), 1.0 / 30.0);
    EXPECT_DOUBLE_EQ(u.InAnteilX(30.0, 0x2001), u.InAnteilX(0.5, 0x0001));
    EXPECT_EQ(u.AnteilInPixelX(-2.5 / 1024), -2);
    EXPECT_EQ(u.AnteilInPixelX(2.5 / 1024), 3);
    // Sizes from damaged files saturate instead of overflowing.
    EXPECT_EQ(u.AnteilInPixelY(1e300), 2147483647);
    EXPECT_EQ(u.AnteilInPixelX(-1e300), -2147483647);
    EXPECT_EQ(u.AnteilInPixelX(std::nan("")), 0);

    CAnordnung a;
    a.m_dBreite = 80.0;
    u.SetAnordnung(a);
    EXPECT_DOUBLE_EQ(u.InAnteilX(1.0, 0x0202), 0.0125);
}

TEST_F(Umgebung, HinUndZurueckInJederEinheit)
{
    CUmgebung u(&profil);
    for (uint32_t einheit : {0x0001u, 0x2001u, 0x0202u, 0x0008u, 0x0004u, 0u}) {
        SetEinheit(einheit);
        for (double wert : {-3.5, 0.0, 0.7, 12.0}) {
            EXPECT_NEAR(u.AnteilInEinheitX(u.InAnteilX(wert, einheit)), wert, 1e-12) << einheit;
            EXPECT_NEAR(u.AnteilInEinheitY(u.EinheitInAnteilY(wert)), wert, 1e-12) << einheit;
        }
    }
    SetEinheit(EINHEIT_PIXEL, 3);
    EXPECT_EQ(u.GetDezimalstellen(), 0);
    EXPECT_EQ(u.GetEinheitText(), "pxl");
    SetEinheit(0x0202, 3);
    EXPECT_EQ(u.GetDezimalstellen(), 3);
}

TEST_F(Umgebung, PruefeModus)
{
    CMeldungsRecorder meldungen;
    CUmgebung u;
    u.m_Modusliste.Leeren();

    // Nothing listed: the mode stays, code 1 with its message.
    CBildschirmModus m;
    m.m_dwBreite = 800;
    m.m_dwHoehe = 600;
    EXPECT_EQ(u.PruefeModus(m), 1);
    EXPECT_EQ(m.m_dwBreite, 800u);
    EXPECT_EQ(u.GetBildschirmModus().m_dwBreite, 1024u);
    ASSERT_EQ(meldungen.Texte().size(), 1u);
    EXPECT_EQ(meldungen.Texte()[0], "Die gewünschte Bildschirmauflösung steht nicht zur Verfügung.\n"
                                    "Die Bildschirmauflösung wurde angepasst.\n\n"
                                    "Gewünschte Bildschirmauflösung: 800 [Pxl] x 600 [Pxl], 8 [Bit], 75 Hz\n"
                                    "Angepasste Bildschirmauflösung: nicht verfügbar");

    for (uint32_t f : {60u, 70u, 75u, 85u})
        u.m_Modusliste.Hinzufuegen(1024, 768, 8, f);
    u.m_Modusliste.Hinzufuegen(800, 600, 8, 0);
    meldungen.m_meldungen.clear();

    // Listed with its last rate: silent.
    m = CBildschirmModus();
    m.m_dwFrequenz = 0;
    m.m_dwLetzteFrequenz = 70;
    EXPECT_EQ(u.PruefeModus(m), 0);
    EXPECT_EQ(m.m_dwFrequenz, 70u);
    EXPECT_TRUE(meldungen.Texte().empty());

    // Adapted with a message.
    m = CBildschirmModus();
    m.m_dwFrequenz = 100;
    m.m_dwFarbtiefe = 0;
    EXPECT_EQ(u.PruefeModus(m), 0);
    EXPECT_EQ(m.m_dwFrequenz, 85u);
    ASSERT_EQ(meldungen.Texte().size(), 1u);
    EXPECT_NE(meldungen.Texte()[0].find("Gewünschte Bildschirmauflösung: 1024 [Pxl] x 768 [Pxl], ? [Bit], 100 Hz\n"
                                        "Angepasste Bildschirmauflösung: 1024 [Pxl] x 768 [Pxl], 8 [Bit], 85 Hz"),
              std::string::npos);
}

TEST_F(Umgebung, ModiErmitteln)
{
    CSpeicherKonfig konfig;
    konfig.modi = {{800, 600, 8, 75}, {800, 600, 32, 60}, {1024, 768, 8, 56}, {640, 480, 0, 60}};
    auto anzeige = CSpeicherAnzeige::Installieren(konfig);
    CUmgebung u;
    const CModusListe& l = u.m_Modusliste;
    EXPECT_EQ(l.m_dwQuelle, CModusListe::QUELLE_TREIBER);
    ASSERT_EQ(l.GetAnzahl(), 3);
    EXPECT_GE(l.Suchen(640, 480, 0, 60), 0);
    EXPECT_GE(l.Suchen(800, 600, 8, 75), 0);
    EXPECT_GE(l.Suchen(1024, 768, 8, 0), 0);

    // The driver offers no list: the built-in one is used.
    anzeige->SetErgebnis(EAufruf::EnumDisplayModes, DDERR_GENERIC);
    EXPECT_EQ(u.ModiErmitteln(), 0);
    EXPECT_EQ(l.m_dwQuelle, CModusListe::QUELLE_EINGEBAUT);
    EXPECT_EQ(l.GetAnzahl(), 18);
    EXPECT_GE(l.Suchen(1600, 1200, 8, 75), 0);

    anzeige->SetErgebnis(EAufruf::Initialize, DDERR_GENERIC);
    EXPECT_EQ(u.ModiErmitteln(), 3);
    EXPECT_EQ(l.GetAnzahl(), 0);
    EXPECT_EQ(l.m_dwQuelle, CModusListe::QUELLE_KEINE);
}

TEST_F(Umgebung, OhneAnzeigeBleibtDieListeLeer)
{
    AnzeigeTreiberWaehlen("");
    CUmgebung u;
    EXPECT_EQ(u.ModiErmitteln(), 2);
    EXPECT_EQ(u.m_Modusliste.GetAnzahl(), 0);
}
