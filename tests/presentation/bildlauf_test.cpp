#include "support/laufumfeld.h"

#include "testanzeige.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

// Stripes without foreground at 0.15 of the width a second: 2 pixels a frame.
void Streifen(CTraining& t)
{
    t.SetAufgabenart(30);
    CHGMuster m = t.GetHGMuster();
    m.m_nArt = 10;
    m.m_dZyklusbreite = 100.0 / 1024.0;
    m.m_dElementbreite = 20.0 / 1024.0;
    t.SetHGMuster(m);
    CHGBewegung b = t.GetHGBewegung();
    b.m_nRichtung = 1;
    b.m_dGeschwindigkeit = 0.15;
    t.SetHGBewegung(b);
}

// Escape before the first retrace: one short lap, faster than a frame's step
// (the steady speed is measured on the real display).
TEST(Bildlauf, GeschwindigkeitAusEinerKurzenRunde)
{
    CLaufUmfeld u;
    Streifen(u.training);
    u.anzeige->Druecken(VK_RETURN, 2.0, 4.0);
    u.anzeige->Druecken(VK_ESCAPE, 6.0, 30.0);
    CPraesentation p;
    ASSERT_EQ(u.Darbieten(p), 0) << p.m_strFehler;
    const CTrainingsBericht& b = p.m_TrainingsBericht;
    const double v = std::abs(b.m_dStandardGeschwindigkeit);
    EXPECT_GT(v, 2.0 / 1024.0 * 75.0);
    EXPECT_LT(v, 2.0 / 1024.0 / 0.008);
    EXPECT_DOUBLE_EQ(b.m_dZielGeschwindigkeit, b.m_dStandardGeschwindigkeit);
}

// Every frame after the ready screen equals, pixel for pixel, the copies that drew it.
TEST(Bildlauf, BilderAusIhrenKopienPixelgleich)
{
    CSpeicherKonfig k;
    k.schrittePruefen = true;
    CLaufUmfeld u(k);
    testanzeige::Sakkaden(u.training, 3, 0.3, 0.5);
    CHGMuster m = u.training.GetHGMuster();
    m.m_nArt = 10;
    u.training.SetHGMuster(m);
    u.anzeige->Druecken(VK_RETURN, 2.0, 4.0);
    u.anzeige->Druecken(VK_ESCAPE, 3000.0, 3050.0);
    CPraesentation p;
    ASSERT_EQ(u.Darbieten(p), 0) << p.m_strFehler;
    EXPECT_GT(u.anzeige->GetBilder(), 150);
    EXPECT_EQ(u.anzeige->GetSchrittBilder(), u.anzeige->GetBilder() - 1);
    EXPECT_EQ(u.anzeige->GetSchrittFehler(), 0);
}

// A picture task showing the file at pfad as an own picture.
void Bild(CLaufUmfeld& u, const std::string& pfad)
{
    u.training.SetAufgabenart(60);
    CSonstiges s = u.training.GetSonstiges();
    s.m_nBildart = 10;
    s.m_strBilddatei = std::filesystem::path(pfad).filename().string();
    u.training.SetSonstiges(s);
    CVerzeichnisse v = u.profil.GetVerzeichnisse();
    v.m_strEigeneBilder = std::filesystem::path(pfad).parent_path().string();
    u.profil.SetVerzeichnisse(v);
}

// A white picture with a red corner, centred, shown until Enter.
TEST(Bildaufgabe, BildMittigBisEnter)
{
    CLaufUmfeld u;
    Bild(u, testanzeige::Schreiben("klein.bmp", testanzeige::Bmp(8, 400, 300, {0xFFFFFF, 0x0000FF}, [](int x, int y) {
                                       return x == 0 && y == 0 ? 1u : 0u;
                                   })));
    u.anzeige->Druecken(VK_RETURN, 2.0, 4.0);
    u.anzeige->Druecken(VK_RETURN, 500.0, 520.0);
    CPraesentation lauf;
    ASSERT_EQ(u.Darbieten(lauf), 0) << lauf.m_strFehler;
    EXPECT_NEAR(lauf.m_TrainingsBericht.m_dLaufzeit, 0.5, 0.05);
    // At 312, 234; transparency 1: white is the opaque background entry.
    auto bild = [&](int x, int y) { return u.anzeige->GetBildschirm()[size_t(y) * 1024 + size_t(x)]; };
    EXPECT_GE(bild(312, 234), 11);
    EXPECT_EQ(bild(313, 235), 69);
    EXPECT_EQ(bild(711, 533), 69);
    EXPECT_EQ(bild(311, 234), 176);
    EXPECT_EQ(bild(712, 533), 176);
    u.BildschirmSpeichern("bildaufgabe_lauf");
}

// A missing file and one that is no picture: the run ends naming the file.
TEST(Bildaufgabe, FehlendesOderKaputtesBild)
{
    const std::string fehlt = testanzeige::Ordner() + "/gibtesnicht.bmp";
    for (const std::string& pfad : {fehlt, testanzeige::Schreiben("kaputt.bmp", {'B', 'M', 1, 2, 3})}) {
        CLaufUmfeld u;
        Bild(u, pfad);
        CPraesentation p;
        EXPECT_EQ(u.Darbieten(p), 0x300);
        EXPECT_NE(p.m_strFehler.find(pfad), std::string::npos) << p.m_strFehler;
    }
}

} // namespace

namespace {

// Stripes with a speed change to 0.3 started by cursor right, lasting a second
// (once: the next waits for the key again).
// Where the first stripe's left edge stands in the last frame before Escape,
// and how many frames were flipped by then.
struct CStreifenstand {
    int kante = -1;
    int bilder = 0;
};
CStreifenstand StreifenBeiEscape(double escape, int zyklus = 100)
{
    CLaufUmfeld u;
    Streifen(u.training);
    CHGMuster m = u.training.GetHGMuster();
    m.m_dZyklusbreite = zyklus / 1024.0;
    u.training.SetHGMuster(m);
    CHGAufgabe a = u.training.GetHGAufgabe();
    a.m_nArt = 20;
    a.m_dZielgeschwindigkeit = 0.3;
    a.m_nDurchgangsende = 0;
    a.m_nIntervallmodus = 1;
    a.m_nStarttaste = 5; // cursor right
    a.m_dDauerMin = a.m_dDauerMax = 1.0;
    a.m_dIntervallMin = a.m_dIntervallMax = 0.5; // unless it waits for the key again
    u.training.SetHGAufgabe(a);
    u.anzeige->Druecken(VK_RETURN, 2.0, 4.0);
    u.anzeige->Druecken(VK_RIGHT, 1000.0, 1030.0);
    u.anzeige->Druecken(VK_ESCAPE, escape, escape + 20.0);
    CPraesentation p;
    EXPECT_EQ(u.Darbieten(p), 0) << p.m_strFehler;
    EXPECT_DOUBLE_EQ(p.m_TrainingsBericht.m_dZielGeschwindigkeit, 2 * p.m_TrainingsBericht.m_dStandardGeschwindigkeit);
    CStreifenstand stand;
    stand.bilder = u.anzeige->GetBilder();
    const std::vector<BYTE>& bild = u.anzeige->GetBildschirm();
    for (int x = 1; x < 1024 && stand.kante < 0; ++x)
        if (bild[size_t(x)] == 129 && bild[size_t(x) - 1] != 129)
            stand.kante = x;
    return stand;
}

int StreifenkanteBeiEscape(double escape) { return StreifenBeiEscape(escape).kante; }

} // namespace

// Three frames' way of the stripes (2 pixels a frame, 4 while changed): the
// change begins with its start key and ends on time a second later.
TEST(Bildlauf, GeschwindigkeitswechselAufTasteFuerSeineDauer)
{
    const struct {
        double ab;
        int weg;
    } faelle[] = {{900.0, 6}, {1100.0, 12}, {1900.0, 12}, {2100.0, 6}, {3500.0, 6}};
    for (const auto& f : faelle) {
        const int weg = StreifenkanteBeiEscape(f.ab + 40.0) - StreifenkanteBeiEscape(f.ab);
        EXPECT_EQ((weg + 100) % 100, f.weg) << f.ab;
    }
}

// The changed speed lasts its second to within a frame: at 75 Hz 75 frames
// (the one in flight when it ends may still show it) step 4 pixels, every
// other one 2. Counted from the stripes' way against the frames shown, on a
// 400-pixel cycle that a second's extra way stays within.
TEST(Bildlauf, GeschwindigkeitswechselEndetNachSeinerDauer)
{
    constexpr int kZyklus = 400;
    const CStreifenstand vorher = StreifenBeiEscape(900.0, kZyklus);
    // Frames of changed speed shown up to Escape at `ab`.
    auto geaendert = [&](double ab) {
        const CStreifenstand s = StreifenBeiEscape(ab, kZyklus);
        const int mehr = (s.kante - vorher.kante) - 2 * (s.bilder - vorher.bilder);
        return ((mehr % kZyklus + kZyklus) % kZyklus) / 2;
    };
    const int gesamt = geaendert(3500.0);
    EXPECT_GE(gesamt, 74);
    EXPECT_LE(gesamt, 76);
    // Started by the key at 1 s: changed up to a frame before its end,
    // normal from a frame after it.
    EXPECT_LT(geaendert(2000.0 - 14.0), gesamt);
    EXPECT_EQ(geaendert(2000.0 + 14.0), gesamt);
}

namespace {

// Saccades over stripes, Enter at 2 ms; beenden: the system asks the
// program to end at ms, else Escape is pressed then. Escape at 3 s ends the
// run at the latest.
struct CEnde {
    int ergebnis = -1, bilder = 0;
    CTrainingsBericht bericht;
};
CEnde LaufBis(double ms, bool beenden, bool enter = true)
{
    CLaufUmfeld u;
    testanzeige::Sakkaden(u.training, 3, 0.3, 0.5);
    CHGMuster m = u.training.GetHGMuster();
    m.m_nArt = 10;
    u.training.SetHGMuster(m);
    u.anzeige->Druecken(VK_RETURN, enter ? 2.0 : 2000.0, enter ? 4.0 : 2020.0);
    if (beenden)
        u.anzeige->Beenden(ms);
    else
        u.anzeige->Druecken(VK_ESCAPE, ms, ms + 20.0);
    u.anzeige->Druecken(VK_ESCAPE, 3000.0, 3020.0);
    CPraesentation p;
    CEnde e;
    e.ergebnis = u.Darbieten(p);
    e.bilder = u.anzeige->GetBilder();
    e.bericht = p.m_TrainingsBericht;
    return e;
}

} // namespace

// Asked to end (a shutdown), the run ends as Escape ends it: at once, its
// report filled as far as it came.
TEST(Bildlauf, BeendenImLaufEndetWieEscape)
{
    const CEnde escape = LaufBis(1000.0, false), beendet = LaufBis(1000.0, true);
    ASSERT_EQ(beendet.ergebnis, 0);
    ASSERT_EQ(escape.ergebnis, 0);
    // In tenths of a second.
    EXPECT_NEAR(beendet.bericht.m_dLaufzeit, 1.0, 0.15);
    EXPECT_DOUBLE_EQ(beendet.bericht.m_dLaufzeit, escape.bericht.m_dLaufzeit);
    EXPECT_NEAR(beendet.bilder, escape.bilder, 1);
    ASSERT_EQ(beendet.bericht.GetAnzahlReize(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(beendet.bericht.GetZeit(i), escape.bericht.GetZeit(i)) << i;
}

// At the ready screen the trials do not start (as they do after Escape
// there): the ready screen is the only frame, the report is the prepared one.
TEST(Bildlauf, BeendenAmBereitschirmOhneDurchgaenge)
{
    const CEnde e = LaufBis(5.0, true, false);
    ASSERT_EQ(e.ergebnis, 0);
    EXPECT_EQ(e.bilder, 1);
    EXPECT_LT(e.bericht.m_dLaufzeit, 0.01);
    EXPECT_EQ(e.bericht.GetAnzahlReize(), 3);
}
