#include "laufumfeld.h"
#include "testanzeige.h"

#include "model/test.h"
#include "presentation/ablaufbits.h"
#include "presentation/bmpdatei.h"
#include "presentation/oberflaeche_dc.h"
#include "presentation/testreize.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <vector>

static void PrintTo(const RECT& r, std::ostream* o)
{
    *o << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

// A test of the given kind whose record the function changes; prepared.
template <typename Aendern>
int Vorbereitet(CLaufUmfeld& u, CPraesentation& p, int art, Aendern aendern)
{
    u.test.SetTestart(art);
    if constexpr (std::is_invocable_v<Aendern, CLinien&>) {
        CLinien l = u.test.GetLinien();
        aendern(l);
        u.test.SetLinien(l);
    }
    if constexpr (std::is_invocable_v<Aendern, CLaengen&>) {
        CLaengen l = u.test.GetLaengen();
        aendern(l);
        u.test.SetLaengen(l);
    }
    return u.TestVorbereiten(p);
}
constexpr auto kNichts = [](auto&) {};

std::vector<int> Folge(const CTestBericht& b)
{
    std::vector<int> f;
    for (int t = 0; t < b.GetAnzahlDurchgaenge(); ++t)
        f.push_back(b.GetDurchgang(t));
    return f;
}

std::vector<BYTE> Bild(IDirectDrawSurface* s)
{
    std::vector<BYTE> bild;
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x)
            bild.push_back(BYTE(testanzeige::Pixel(s, x, y)));
    return bild;
}

// The ready screen as it must look: three centred lines a font height apart.
std::vector<BYTE> Bereitbild(IDirectDraw2* dd, CPalette& palette, const char* titel, const char* anzahl)
{
    IDirectDrawSurface* s = testanzeige::Oberflaeche(dd, 1024, 768);
    testanzeige::Fuellen(s, RECT{0, 0, 1024, 768}, INDEX_DURCHSICHTIG);
    {
        COberflaechenDC dc(s);
        CDC* pDC = dc.GetDC();
        LOGFONT lf{};
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfFaceName = "Arial";
        lf.lfHeight = 19;
        CFont f;
        f.CreateFontIndirect(&lf);
        pDC->SelectPalette(&palette, false);
        pDC->SelectObject(&f);
        pDC->SetBkColor(PALETTEINDEX(INDEX_HINTERGRUND));
        pDC->SetTextColor(PALETTEINDEX(INDEX_VORDERGRUND));
        pDC->SetTextAlign(TA_CENTER | TA_BOTTOM);
        pDC->TextOut(512, 374, titel);
        pDC->TextOut(512, 393, anzahl);
        pDC->TextOut(512, 412, "Bereit?");
    }
    std::vector<BYTE> bild = Bild(s);
    s->Release();
    return bild;
}

} // namespace

TEST(Testreize, FaktorwerteRundungUndDrehung)
{
    const struct {
        CTestFaktor f;
        int stufe;
        double wert;
    } faelle[] = {{{3, -0.2, 0.2, false}, 0, 0.2},  {{3, -0.2, 0.2, false}, 1, 0.0}, {{3, -0.2, 0.2, true}, 0, -0.2},
                  {{3, -0.2, 0.2, true}, 2, 0.2},   {{1, 0.1, 0.4, true}, 0, 0.1},   {{1, 0.1, 0.4, false}, 0, 0.4}};
    for (const auto& f : faelle)
        EXPECT_DOUBLE_EQ(FaktorWert(f.f, f.stufe), f.wert) << f.stufe;
    EXPECT_EQ(PixelRunden(357.5), 358);
    EXPECT_EQ(PixelRunden(-2.7), -2); // truncated towards zero
    // Line bisection rotates by C's remainder, length estimation unsigned.
    EXPECT_EQ(Drehung(0, false, 4), -1);
    EXPECT_EQ(Drehung(3, false, 4), 2);
    EXPECT_EQ(Drehung(0, true, 3), 0);  // (2^32 - 1) mod 3
    EXPECT_EQ(Drehung(0, true, 4), 3);
}

TEST(Linientest, StandardsatzMitBereitbild)
{
    CLaufUmfeld u;
    CPraesentation p;
    ASSERT_EQ(Vorbereitet(u, p, 10, kNichts), 0) << p.m_strFehler;
    const CTestBericht& b = p.m_TestBericht;
    EXPECT_EQ(p.m_nAnzahl, 4);
    // Order 5 ranks the single-step dividing marks first: the numbering stays.
    EXPECT_EQ(Folge(b), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_DOUBLE_EQ(p.m_dMarkeHoehe, 5.0); // R(0.006 x 768)
    EXPECT_DOUBLE_EQ(p.m_dMarkeBreite, 5.0); // R(0.0045 x 1024)
    EXPECT_DOUBLE_EQ(p.m_dSchritt, 0.055 / 75);
    EXPECT_EQ(p.m_nPauseMin, 1000);
    EXPECT_EQ(p.m_nPauseMax, 1000);
    // No foreground surface; the default pattern clears the stimulus's room.
    EXPECT_EQ(p.m_nEinrichtung & 0x1FF, einrichtung::KEIN_VG | einrichtung::REIZFELD_LOESCHEN);
    EXPECT_EQ(p.m_nAufgabe & 0xFFF, aufgabe::OHNE_VG | aufgabe::SEITEN | aufgabe::PAAR_12);
    EXPECT_EQ(b.m_dwTestFlags, p.m_nAufgabe);

    u.Speichern(p.m_pRueckpuffer, "linientest_bereit");
    EXPECT_EQ(Bild(p.m_pRueckpuffer), Bereitbild(p.m_pDD, p.m_Palette, "Test: Linienhalbierung", "4 Durchgänge"));
}

TEST(Linientest, RechteckeInPixeln)
{
    CLaufUmfeld u;
    CPraesentation p;
    ASSERT_EQ(Vorbereitet(u, p, 10, [](CLinien& l) {
                  l.m_nHLaengeStufen = l.m_nHPositionStufen = 1;
                  l.m_dHLaengeVon = l.m_dHLaengeBis = 0.3;
                  l.m_dHPositionVon = l.m_dHPositionBis = 0.0;
              }),
              0);
    const CTestBericht& b = p.m_TestBericht;
    ASSERT_EQ(b.GetAnzahlReize(), 1);
    // A line of 0.3 at the centre; the mark at half its length to the right;
    // the start rectangles equal them.
    EXPECT_EQ(b.GetRechteck1(0), (RECT{358, 382, 666, 387}));
    EXPECT_EQ(b.GetRechteck3(0), (RECT{358, 382, 666, 387}));
    EXPECT_EQ(b.GetRechteck2(0), (RECT{663, 367, 668, 401}));
    EXPECT_EQ(b.GetRechteck4(0), (RECT{663, 367, 668, 401}));
    EXPECT_EQ(p.m_Rechtecke2.GetAt(0), (RECT{356, 365, 668, 403}));
    EXPECT_EQ(p.m_rcAktuell, (RECT{356, 365, 668, 403}));
    EXPECT_DOUBLE_EQ(p.m_Punkte2.GetAt(0).x, 0.3);
    EXPECT_DOUBLE_EQ(p.m_Punkte2.GetAt(0).y, 0.044);
}

TEST(Linientest, OhneDickeKeineHoehe)
{
    CLaufUmfeld u;
    CPraesentation p;
    ASSERT_EQ(Vorbereitet(u, p, 10, [](CLinien& l) { l.m_dHDicke = 0.0; }), 0);
    EXPECT_DOUBLE_EQ(p.m_dMarkeHoehe, 0.0);
    EXPECT_EQ(p.m_TestBericht.GetRechteck1(0).top, p.m_TestBericht.GetRechteck1(0).bottom);
}

TEST(Linientest, SchrittrichtungUndReihenfolge)
{
    auto mitten = [](uint32_t richtungen) {
        CLaufUmfeld u;
        CPraesentation p;
        EXPECT_EQ(Vorbereitet(u, p, 10, [richtungen](CLinien& l) {
                      l.m_nHLaengeStufen = 1;
                      l.m_dHLaengeVon = l.m_dHLaengeBis = 0.5;
                      l.m_nHPositionStufen = 3;
                      l.m_dHPositionVon = -0.2;
                      l.m_dHPositionBis = 0.2;
                      l.m_dwRichtungen = richtungen;
                      l.m_nReihenfolge = 1;
                  }),
                  0);
        std::vector<double> x;
        for (int k = 0; k < 3; ++k)
            x.push_back(std::round((p.m_Punkte1.GetAt(k).x - 0.5) * 1000) / 1000);
        return x;
    };
    EXPECT_EQ(mitten(0), (std::vector<double>{0.2, 0.0, -0.2}));
    EXPECT_EQ(mitten(1), (std::vector<double>{-0.2, 0.0, 0.2}));

    // Two positions and two dividing marks: "Lage x Pos x Länge" takes the
    // marks slowest, where the numbering has the positions slowest.
    auto folge = [](int reihenfolge, int start) {
        CLaufUmfeld u;
        CPraesentation p;
        EXPECT_EQ(Vorbereitet(u, p, 10, [=](CLinien& l) {
                      l.m_nHLaengeStufen = 1;
                      l.m_nHTrennStufen = 2;
                      l.m_dHTrennVon = -0.25;
                      l.m_nReihenfolge = reihenfolge;
                      l.m_nStartDurchgang = start;
                  }),
                  0);
        return Folge(p.m_TestBericht);
    };
    EXPECT_EQ(folge(1, 1), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(folge(5, 1), (std::vector<int>{0, 2, 1, 3}));
    EXPECT_EQ(folge(1, 3), (std::vector<int>{2, 3, 0, 1}));
    EXPECT_EQ(folge(1, 0), (std::vector<int>{1, 2, 3, 0}));
}

TEST(Linientest, KonstanteReizeMitWiederholungen)
{
    CLaufUmfeld u;
    CPraesentation p;
    ASSERT_EQ(Vorbereitet(u, p, 10, [](CLinien& l) {
                  l.m_nVerfahren = VERFAHREN_KONSTANT;
                  l.m_nHLaengeStufen = 1;
                  l.m_nHTrennStufen = 2;
                  l.m_dHTrennVon = -0.1;
                  l.m_dHTrennBis = 0.1;
                  l.m_nWiederholungen = 3;
                  l.m_nReihenfolge = 0;
              }),
              0);
    const CTestBericht& b = p.m_TestBericht;
    EXPECT_EQ(b.GetAnzahlReize(), 4);
    EXPECT_EQ(p.m_nAnzahl, 12);
    EXPECT_EQ(p.m_Punkte1.GetSize(), 0);
    EXPECT_EQ(p.m_nAufgabe & (aufgabe::SEITEN | aufgabe::BILD), aufgabe::BILD);
    // Each block of four trials a shuffle of the four stimuli.
    std::vector<int> f = Folge(b);
    ASSERT_EQ(f.size(), 12u);
    for (size_t block = 0; block < 12; block += 4) {
        std::sort(f.begin() + long(block), f.begin() + long(block) + 4);
        EXPECT_EQ(std::vector<int>(f.begin() + long(block), f.begin() + long(block) + 4),
                  (std::vector<int>{0, 1, 2, 3}));
    }
}

TEST(Linientest, HerstellungKopiertReizeJeWiederholung)
{
    CLaufUmfeld u;
    CPraesentation p;
    ASSERT_EQ(Vorbereitet(u, p, 10, [](CLinien& l) {
                  l.m_nHLaengeStufen = 3;
                  l.m_nHPositionStufen = 1;
                  l.m_nWiederholungen = 2;
                  l.m_nReihenfolge = 1;
              }),
              0);
    const CTestBericht& b = p.m_TestBericht;
    EXPECT_EQ(Folge(b), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(b.GetRechteck1(k + 3), b.GetRechteck1(k));
        EXPECT_EQ(p.m_Rechtecke2.GetAt(k + 3), p.m_Rechtecke2.GetAt(k));
    }
    // Three lengths from the shortest up.
    EXPECT_LT(p.m_Punkte2.GetAt(0).x, p.m_Punkte2.GetAt(1).x);
    EXPECT_LT(p.m_Punkte2.GetAt(1).x, p.m_Punkte2.GetAt(2).x);
}

TEST(Linientest, FlaggenAusDemSatz)
{
    CLaufUmfeld u;
    CHGMuster m = u.test.GetHGMuster();
    m.m_nDurchsichtigkeit = 2;
    u.test.SetHGMuster(m);
    CPraesentation p;
    ASSERT_EQ(Vorbereitet(u, p, 10, [](CLinien& l) {
                  l.m_nIntervallModus = 1;
                  l.m_nOrientierung = 3;
                  l.m_nCursor = 1;
                  l.m_dIntervallVon = 0.5004;
                  l.m_dIntervallBis = 2.0;
              }),
              0);
    EXPECT_EQ(p.m_nEinrichtung & 0x1FF, einrichtung::KEIN_VG | einrichtung::FELD_LOESCHEN | einrichtung::MAUSZEIGER);
    EXPECT_EQ(p.m_nAufgabe & 0xFFF, aufgabe::OHNE_VG | aufgabe::SEITEN | aufgabe::PAAR_12 | aufgabe::PAAR_34 |
                                         aufgabe::START_MIT_TASTE);
    EXPECT_EQ(p.m_nPauseMin, 500);
    EXPECT_EQ(p.m_nPauseMax, 2000);
}

TEST(Testreize, UnbrauchbareAngaben)
{
    // The wrong kind: 14 for the caller to turn into its own code.
    for (int art : {10, 20}) {
        CLaufUmfeld u;
        CPraesentation p;
        ASSERT_EQ(Vorbereitet(u, p, art, kNichts), 0);
        EXPECT_EQ(art == 10 ? p.LaengenErstellen() : p.LinienErstellen(), FEHLER_ANGABEN);
        EXPECT_EQ(p.m_nFehler, 0);
    }
    // Step counts whose product no run can hold; an example's vertical
    // steps of 0 (stored as they come).
    for (int art : {10, 20}) {
        CLaufUmfeld u;
        u.test.SetTestart(art);
        CLinien l = u.test.GetLinien();
        l.m_nHLaengeStufen = l.m_nHPositionStufen = l.m_nVLaengeStufen = l.m_nHTrennStufen = 2000;
        u.test.SetLinien(l);
        CLaengen g = u.test.GetLaengen();
        g.m_nBspVPositionStufen = 0;
        u.test.SetLaengen(g);
        CPraesentation p;
        EXPECT_EQ(u.TestDarbieten(p), FEHLER_ANGABEN);
        EXPECT_EQ(p.m_strFehler, "Eine oder mehrere Testangaben sind unzulässig.\n");
        EXPECT_EQ(p.m_TestBericht.GetAnzahlDurchgaenge(), 0);
    }
}

TEST(Laengentest, StandardsatzMitBereitbild)
{
    CLaufUmfeld u;
    CPraesentation p;
    // Through the setter: the constructor's test height ratio of 0 lies below its range.
    ASSERT_EQ(Vorbereitet(u, p, 20, kNichts), 0) << p.m_strFehler;
    const CTestBericht& b = p.m_TestBericht;
    EXPECT_EQ(Folge(b).size(), 3u);
    EXPECT_EQ(p.m_nAufgabe & 0xFFF, aufgabe::ZIELE | aufgabe::SEITEN | aufgabe::PAAR_12);
    EXPECT_DOUBLE_EQ(p.m_dMarkeHoehe, 0.0);
    // The test bar left of the centre at 0.238, the example mirrored at 0.762.
    EXPECT_EQ(b.GetRechteck1(0), (RECT{691, 373, 870, 395}));
    EXPECT_EQ(b.GetRechteck2(0), (RECT{199, 378, 289, 390}));
    EXPECT_EQ(b.GetRechteck4(0), (RECT{199, 378, 289, 390}));
    EXPECT_EQ(p.m_Rechtecke2.GetAt(0), (RECT{646, 367, 915, 401}));
    EXPECT_EQ(p.m_Rechtecke3.GetAt(0), (RECT{109, 367, 378, 401}));
    EXPECT_NEAR(p.m_Punkte1.GetAt(0).x, 0.238, 1e-12);
    EXPECT_DOUBLE_EQ(p.m_Punkte2.GetAt(0).x, 0.175);
    EXPECT_DOUBLE_EQ(p.m_Punkte2.GetAt(0).y, 0.029);
    // The widest example (0.305) sets the outer edges of the cleared area.
    const RECT breit = p.m_Rechtecke2.GetAt(2), test = p.m_Rechtecke3.GetAt(2);
    EXPECT_EQ(p.m_rcAktuell, (RECT{test.left, breit.top, breit.right, breit.bottom}));

    u.Speichern(p.m_pRueckpuffer, "laengentest_bereit");
    EXPECT_EQ(Bild(p.m_pRueckpuffer), Bereitbild(p.m_pDD, p.m_Palette, "Test: Längenschätzung", "3 Durchgänge"));
}

TEST(Laengentest, StartNullUndBeideOrientierungen)
{
    CLaufUmfeld u;
    CPraesentation p;
    ASSERT_EQ(Vorbereitet(u, p, 20, [](CLaengen& l) {
                  l.m_nReihenfolge = 2;
                  l.m_uStartDurchgang = 0;
                  l.m_nOrientierung = 3;
                  l.m_nBspBreiteStufen = 1;
                  l.m_dBspBreiteVon = l.m_dBspBreiteBis = 0.2;
                  l.m_nTestBreiteStufen = 3;
                  l.m_dTestBreiteVon = 0.5;
                  l.m_dTestBreiteBis = 1.5;
              }),
              0);
    // (2^32 - 1) mod 3 = 0: the block stays in order.
    EXPECT_EQ(Folge(p.m_TestBericht), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(p.m_nAufgabe & (aufgabe::PAAR_12 | aufgabe::PAAR_34), aufgabe::PAAR_12 | aufgabe::PAAR_34);
    // Test widths 1.5, 1.0 and 0.5 of the example (bit 1 clear steps down);
    // the test box is 0.3 wide whatever the ratio.
    auto breite = [](RECT r) { return r.right - r.left; };
    EXPECT_EQ(breite(p.m_TestBericht.GetRechteck1(0)), 205); // 0.2 x 1024
    EXPECT_EQ(breite(p.m_TestBericht.GetRechteck2(0)), 307);
    EXPECT_EQ(breite(p.m_TestBericht.GetRechteck2(2)), 102);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(breite(p.m_Rechtecke3.GetAt(k)), 307);
}
