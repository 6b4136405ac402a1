#include "laufumfeld.h"
#include "testanzeige.h"

#include "model/test.h"
#include "presentation/ablaufbits.h"
#include "presentation/bmpdatei.h"
#include "presentation/oberflaeche_dc.h"
#include "presentation/testreize.h"
#include "workplace/statistik.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

static void PrintTo(const RECT& r, std::ostream* o)
{
    *o << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

// A test run on the in-memory display at 1024 x 768, 75 Hz.
struct CTestUmfeld {
    explicit CTestUmfeld(int art)
    {
        test.SetUmgebung(&u.umgebung);
        test.SetTestart(art);
    }
    // Display set-up and the test's preparation; the error code.
    int Vorbereiten(CPraesentation& p)
    {
        p.m_pView = &u.view;
        p.m_pProfil = &u.profil;
        p.m_pUmgebung = &u.umgebung;
        p.m_pTest = &test;
        if (p.InitDirectDraw() != 0)
            return p.m_nFehler;
        p.m_nFehler = p.TestVorbereiten();
        return p.m_nFehler;
    }
    int Darbieten(CPraesentation& p) { return p.TestDarbieten(&u.profil, &u.umgebung, &test, &u.view); }
    void Linien(const std::function<void(CLinien&)>& aendern)
    {
        CLinien l = test.GetLinien();
        aendern(l);
        test.SetLinien(l);
    }
    void Laengen(const std::function<void(CLaengen&)>& aendern)
    {
        CLaengen l = test.GetLaengen();
        aendern(l);
        test.SetLaengen(l);
    }

    CLaufUmfeld u;
    CTest test;
};

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

TEST(Testreize, FaktorwerteInBeideRichtungen)
{
    EXPECT_DOUBLE_EQ(FaktorWert({3, -0.2, 0.2, false}, 0), 0.2);
    EXPECT_DOUBLE_EQ(FaktorWert({3, -0.2, 0.2, false}, 1), 0.0);
    EXPECT_DOUBLE_EQ(FaktorWert({3, -0.2, 0.2, false}, 2), -0.2);
    EXPECT_DOUBLE_EQ(FaktorWert({3, -0.2, 0.2, true}, 0), -0.2);
    EXPECT_DOUBLE_EQ(FaktorWert({3, -0.2, 0.2, true}, 2), 0.2);
    // One step stands at the bound it starts from.
    EXPECT_DOUBLE_EQ(FaktorWert({1, 0.1, 0.4, true}, 0), 0.1);
    EXPECT_DOUBLE_EQ(FaktorWert({1, 0.1, 0.4, false}, 0), 0.4);
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
    CTestUmfeld t(10);
    CPraesentation p;
    ASSERT_EQ(t.Vorbereiten(p), 0) << p.m_strFehler;
    const CTestBericht& b = p.m_TestBericht;
    EXPECT_EQ(b.GetAnzahlReize(), 4);
    EXPECT_EQ(b.GetAnzahlDurchgaenge(), 4);
    EXPECT_EQ(p.m_nAnzahl, 4);
    EXPECT_EQ(p.m_nIndex, 0);
    EXPECT_EQ(p.m_Rechtecke2.GetSize(), 4);
    EXPECT_EQ(p.m_Rechtecke3.GetSize(), 4);
    EXPECT_EQ(p.m_Punkte1.GetSize(), 4);
    EXPECT_EQ(p.m_Punkte3.GetSize(), 4);
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
    EXPECT_EQ(b.m_nTestart, 10);
    EXPECT_EQ(b.m_dwTestFlags, p.m_nAufgabe);

    t.u.Speichern(p.m_pRueckpuffer, "linientest_bereit");
    EXPECT_EQ(Bild(p.m_pRueckpuffer), Bereitbild(p.m_pDD, p.m_Palette, "Test: Linienhalbierung", "4 Durchgänge"));
}

TEST(Linientest, RechteckeInPixeln)
{
    CTestUmfeld t(10);
    t.Linien([](CLinien& l) {
        l.m_nHLaengeStufen = 1;
        l.m_dHLaengeVon = l.m_dHLaengeBis = 0.3;
        l.m_nHPositionStufen = 1;
        l.m_dHPositionVon = l.m_dHPositionBis = 0.0;
    });
    CPraesentation p;
    ASSERT_EQ(t.Vorbereiten(p), 0);
    const CTestBericht& b = p.m_TestBericht;
    ASSERT_EQ(b.GetAnzahlReize(), 1);
    // A line of 0.3 at the centre; the mark at half its length to the right.
    EXPECT_EQ(b.GetRechteck1(0), (RECT{358, 382, 666, 387}));
    EXPECT_EQ(b.GetRechteck3(0), (RECT{358, 382, 666, 387}));
    EXPECT_EQ(b.GetRechteck2(0), (RECT{663, 367, 668, 401}));
    EXPECT_EQ(b.GetRechteck4(0), (RECT{663, 367, 668, 401}));
    EXPECT_EQ(p.m_Rechtecke2.GetAt(0), (RECT{356, 365, 668, 403}));
    EXPECT_EQ(p.m_Rechtecke3.GetAt(0), (RECT{356, 365, 668, 403}));
    EXPECT_EQ(p.m_rcAktuell, (RECT{356, 365, 668, 403}));
    EXPECT_DOUBLE_EQ(p.m_Punkte1.GetAt(0).x, 0.5);
    EXPECT_DOUBLE_EQ(p.m_Punkte1.GetAt(0).y, 0.5);
    EXPECT_DOUBLE_EQ(p.m_Punkte2.GetAt(0).x, 0.3);
    EXPECT_DOUBLE_EQ(p.m_Punkte2.GetAt(0).y, 0.044);
    EXPECT_DOUBLE_EQ(p.m_Punkte3.GetAt(0).x, 0.5);
    EXPECT_DOUBLE_EQ(p.m_Punkte3.GetAt(0).y, -0.0);
}

TEST(Linientest, OhneDickeKeineHoehe)
{
    CTestUmfeld d(10);
    d.Linien([](CLinien& l) { l.m_dHDicke = 0.0; });
    CPraesentation q;
    ASSERT_EQ(d.Vorbereiten(q), 0);
    EXPECT_DOUBLE_EQ(q.m_dMarkeHoehe, 0.0);
    const RECT r = q.m_TestBericht.GetRechteck1(0);
    EXPECT_EQ(r.top, r.bottom);
}

TEST(Linientest, SchrittrichtungUndReihenfolge)
{
    auto mitten = [](uint32_t richtungen) {
        CTestUmfeld t(10);
        t.Linien([richtungen](CLinien& l) {
            l.m_nHLaengeStufen = 1;
            l.m_dHLaengeVon = l.m_dHLaengeBis = 0.5;
            l.m_nHPositionStufen = 3;
            l.m_dHPositionVon = -0.2;
            l.m_dHPositionBis = 0.2;
            l.m_dwRichtungen = richtungen;
            l.m_nReihenfolge = 1;
        });
        CPraesentation p;
        EXPECT_EQ(t.Vorbereiten(p), 0);
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
        CTestUmfeld t(10);
        t.Linien([=](CLinien& l) {
            l.m_nHLaengeStufen = 1;
            l.m_nHTrennStufen = 2;
            l.m_dHTrennVon = -0.25;
            l.m_nReihenfolge = reihenfolge;
            l.m_nStartDurchgang = start;
        });
        CPraesentation p;
        EXPECT_EQ(t.Vorbereiten(p), 0);
        return Folge(p.m_TestBericht);
    };
    EXPECT_EQ(folge(1, 1), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(folge(5, 1), (std::vector<int>{0, 2, 1, 3}));
    EXPECT_EQ(folge(1, 3), (std::vector<int>{2, 3, 0, 1}));
    EXPECT_EQ(folge(1, 0), (std::vector<int>{1, 2, 3, 0}));
}

TEST(Linientest, KonstanteReizeMitWiederholungen)
{
    CTestUmfeld t(10);
    t.Linien([](CLinien& l) {
        l.m_nVerfahren = VERFAHREN_KONSTANT;
        l.m_nHLaengeStufen = 1;
        l.m_nHTrennStufen = 2;
        l.m_dHTrennVon = -0.1;
        l.m_dHTrennBis = 0.1;
        l.m_nWiederholungen = 3;
        l.m_nReihenfolge = 0;
        l.m_nStartDurchgang = 2;
    });
    CPraesentation p;
    ASSERT_EQ(t.Vorbereiten(p), 0);
    const CTestBericht& b = p.m_TestBericht;
    EXPECT_EQ(b.GetAnzahlReize(), 4);
    EXPECT_EQ(b.GetAnzahlDurchgaenge(), 12);
    EXPECT_EQ(p.m_nAnzahl, 12);
    EXPECT_EQ(p.m_Punkte1.GetSize(), 0);
    EXPECT_EQ(p.m_Punkte2.GetSize(), 0);
    EXPECT_EQ(p.m_Punkte3.GetSize(), 0);
    EXPECT_EQ(p.m_Rechtecke2.GetSize(), 4);
    EXPECT_EQ(p.m_nAufgabe & (aufgabe::SEITEN | aufgabe::BILD), aufgabe::BILD);
    // Each block a shuffle of 0..3 seeded with 2, 3 and 4.
    CDWordArray erwartet;
    for (uint32_t seed = 2; seed <= 4; ++seed) {
        CDWordArray block{0, 1, 2, 3};
        MischeBereich(block, seed, 0, 3);
        erwartet.insert(erwartet.end(), block.begin(), block.end());
    }
    const std::vector<int> f = Folge(b);
    EXPECT_EQ(std::vector<int>(erwartet.begin(), erwartet.end()), f);
}

TEST(Linientest, HerstellungKopiertReizeJeWiederholung)
{
    CTestUmfeld t(10);
    t.Linien([](CLinien& l) {
        l.m_nHLaengeStufen = 3;
        l.m_nHPositionStufen = 1;
        l.m_nWiederholungen = 2;
        l.m_nReihenfolge = 1;
    });
    CPraesentation p;
    ASSERT_EQ(t.Vorbereiten(p), 0);
    const CTestBericht& b = p.m_TestBericht;
    EXPECT_EQ(b.GetAnzahlReize(), 6);
    EXPECT_EQ(Folge(b), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(b.GetRechteck1(k + 3), b.GetRechteck1(k));
        EXPECT_EQ(b.GetRechteck2(k + 3), b.GetRechteck2(k));
        EXPECT_EQ(b.GetRechteck4(k + 3), b.GetRechteck4(k));
        EXPECT_EQ(p.m_Rechtecke2.GetAt(k + 3), p.m_Rechtecke2.GetAt(k));
        EXPECT_EQ(p.m_Rechtecke3.GetAt(k + 3), p.m_Rechtecke3.GetAt(k));
        EXPECT_DOUBLE_EQ(p.m_Punkte2.GetAt(k + 3).x, p.m_Punkte2.GetAt(k).x);
    }
    // Three lengths from the shortest up.
    EXPECT_LT(p.m_Punkte2.GetAt(0).x, p.m_Punkte2.GetAt(1).x);
    EXPECT_LT(p.m_Punkte2.GetAt(1).x, p.m_Punkte2.GetAt(2).x);
}

TEST(Linientest, FlaggenAusDemSatz)
{
    CTestUmfeld t(10);
    t.Linien([](CLinien& l) {
        l.m_nIntervallModus = 1;
        l.m_nOrientierung = 3;
        l.m_nCursor = 1;
        l.m_dIntervallVon = 0.5004;
        l.m_dIntervallBis = 2.0;
    });
    CHGMuster m = t.test.GetHGMuster();
    m.m_nDurchsichtigkeit = 2;
    t.test.SetHGMuster(m);
    CPraesentation p;
    ASSERT_EQ(t.Vorbereiten(p), 0);
    EXPECT_EQ(p.m_nEinrichtung & 0x1FF, einrichtung::KEIN_VG | einrichtung::FELD_LOESCHEN | einrichtung::MAUSZEIGER);
    EXPECT_EQ(p.m_nAufgabe & 0xFFF, aufgabe::OHNE_VG | aufgabe::SEITEN | aufgabe::PAAR_12 | aufgabe::PAAR_34 |
                                         aufgabe::START_MIT_TASTE);
    EXPECT_EQ(p.m_nPauseMin, 500);
    EXPECT_EQ(p.m_nPauseMax, 2000);
}

TEST(Linientest, UnbrauchbareAngaben)
{
    // The wrong kind or no test: 14 for the caller to turn into its own code.
    {
        CTestUmfeld t(20);
        CPraesentation p;
        ASSERT_EQ(t.Vorbereiten(p), 0);
        EXPECT_EQ(p.LinienErstellen(), FEHLER_ANGABEN);
        EXPECT_EQ(p.m_nFehler, 0);
        p.m_pTest = nullptr;
        EXPECT_EQ(p.LinienErstellen(), FEHLER_ANGABEN);
        EXPECT_EQ(p.m_nFehler, 0);
        p.m_nFehler = 9;
        EXPECT_EQ(p.LinienErstellen(), 9);
    }
    // Step counts whose product no run can hold.
    CTestUmfeld t(10);
    t.Linien([](CLinien& l) {
        l.m_nHLaengeStufen = l.m_nHPositionStufen = l.m_nVLaengeStufen = 2000;
        l.m_nHTrennStufen = 2000;
    });
    CPraesentation p;
    EXPECT_EQ(t.Darbieten(p), FEHLER_ANGABEN);
    EXPECT_EQ(p.m_strFehler, "Eine oder mehrere Testangaben sind unzulässig.\n");
}

TEST(Laengentest, StandardsatzMitBereitbild)
{
    CTestUmfeld t(20);
    // The constructor's test height ratio of 0 lies below its range.
    t.Laengen([](CLaengen&) {});
    CPraesentation p;
    ASSERT_EQ(t.Vorbereiten(p), 0) << p.m_strFehler;
    const CTestBericht& b = p.m_TestBericht;
    EXPECT_EQ(b.GetAnzahlReize(), 3);
    EXPECT_EQ(Folge(b).size(), 3u);
    EXPECT_EQ(p.m_nAufgabe & 0xFFF, aufgabe::ZIELE | aufgabe::SEITEN | aufgabe::PAAR_12);
    EXPECT_DOUBLE_EQ(p.m_dMarkeHoehe, 0.0);
    EXPECT_DOUBLE_EQ(p.m_dMarkeBreite, 0.0);
    // The test bar left of the centre at 0.238, the example mirrored at 0.762.
    EXPECT_EQ(b.GetRechteck1(0), (RECT{691, 373, 870, 395}));
    EXPECT_EQ(b.GetRechteck3(0), (RECT{691, 373, 870, 395}));
    EXPECT_EQ(b.GetRechteck2(0), (RECT{199, 378, 289, 390}));
    EXPECT_EQ(b.GetRechteck4(0), (RECT{199, 378, 289, 390}));
    EXPECT_EQ(p.m_Rechtecke2.GetAt(0), (RECT{646, 367, 915, 401}));
    EXPECT_EQ(p.m_Rechtecke3.GetAt(0), (RECT{109, 367, 378, 401}));
    const CDPunkt c = p.m_Punkte1.GetAt(0), z = p.m_Punkte2.GetAt(0), v = p.m_Punkte3.GetAt(0);
    EXPECT_NEAR(c.x, 0.238, 1e-12);
    EXPECT_DOUBLE_EQ(c.y, 0.5);
    EXPECT_DOUBLE_EQ(z.x, 0.175);
    EXPECT_DOUBLE_EQ(z.y, 0.029);
    EXPECT_DOUBLE_EQ(v.x, 0.5);
    EXPECT_DOUBLE_EQ(v.y, 0.5);
    // The widest example (0.305) sets the outer edges of the cleared area.
    const RECT breit = p.m_Rechtecke2.GetAt(2), test = p.m_Rechtecke3.GetAt(2);
    EXPECT_EQ(p.m_rcAktuell, (RECT{test.left, breit.top, breit.right, breit.bottom}));

    t.u.Speichern(p.m_pRueckpuffer, "laengentest_bereit");
    EXPECT_EQ(Bild(p.m_pRueckpuffer), Bereitbild(p.m_pDD, p.m_Palette, "Test: Längenschätzung", "3 Durchgänge"));
}

TEST(Laengentest, StartNullUndBeideOrientierungen)
{
    CTestUmfeld t(20);
    t.Laengen([](CLaengen& l) {
        l.m_nReihenfolge = 2;
        l.m_uStartDurchgang = 0;
        l.m_nOrientierung = 3;
        l.m_nBspBreiteStufen = 1;
        l.m_dBspBreiteVon = l.m_dBspBreiteBis = 0.2;
        l.m_nTestBreiteStufen = 3;
        l.m_dTestBreiteVon = 0.5;
        l.m_dTestBreiteBis = 1.5;
    });
    CPraesentation p;
    ASSERT_EQ(t.Vorbereiten(p), 0);
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

TEST(Laengentest, LeereFaktorenSindUnzulaessig)
{
    // The example's vertical steps are stored as they come.
    CTestUmfeld t(20);
    t.Laengen([](CLaengen& l) { l.m_nBspVPositionStufen = 0; });
    CPraesentation p;
    EXPECT_EQ(t.Darbieten(p), FEHLER_ANGABEN);
    EXPECT_EQ(p.m_strFehler, "Eine oder mehrere Testangaben sind unzulässig.\n");
    EXPECT_EQ(p.m_TestBericht.GetAnzahlDurchgaenge(), 0);
}

TEST(Laengentest, NurFuerLaengentests)
{
    CTestUmfeld l(10);
    CPraesentation q;
    ASSERT_EQ(l.Vorbereiten(q), 0);
    EXPECT_EQ(q.LaengenErstellen(), FEHLER_ANGABEN);
}
