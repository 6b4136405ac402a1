// The printed pages of trainings and tests: frame, head line, settings and
// report pages on the recorder, the print dialog's range, the preview and
// the PDF file.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <cstdlib>

#include "app/druck_test.h"
#include "app/druck_training.h"
#include "app_umgebung.h"
#include "model/aufgabenbits.h"
#include "model/test.h"
#include "model/training.h"
#include "platform/draw/recorder/recorder_dc.h"
#include "support/qt_app.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

namespace {

// A printable area of 200 x 287 mm at 254 dots per inch: one dot is one
// logical unit (0.1 mm), so positions below are the layout's own numbers.
CGeraetDaten A4(int breite = 2000, int hoehe = 2870) { return CGeraetDaten{breite, hoehe, 254, 254, true}; }

// Layout on A4: content 25 mm from the left, 165 mm wide; head line 10 mm
// down; content top 25 mm down; rows 2.9 mm (the font's cell), pen 0.3 mm.
constexpr int kLinks = 250, kRechts = 1900, kKopf = -100, kOben = -250, kT = 29, kP = 3, kHalb = 17;

struct CDruckUmgebung {
    CBenutzerprofil profil;
    CUmgebung umgebung;
    CDruckUmgebung()
    {
        CAnzeigeOptionen o = profil.GetAnzeigeOptionen();
        o.SetEinheit(0x0008);
        profil.SetAnzeigeoptionen(o);
        umgebung.SetProfil(&profil);
    }
};

const CRecorderDC::Eintrag* Eintrag(const CRecorderDC& dc, const std::string& text, int nr = 0)
{
    for (const auto* e : dc.Von(CRecorderDC::Art::Text))
        if (e->text == text && nr-- == 0)
            return e;
    return nullptr;
}

POINT Ort(const CRecorderDC& dc, const std::string& text, int nr = 0)
{
    const auto* e = Eintrag(dc, text, nr);
    return e ? e->punkte[0] : POINT{-99999, -99999};
}

// The text drawn on a row at column x.
std::string TextBei(const CRecorderDC& dc, int x, int y)
{
    for (const auto* e : dc.Von(CRecorderDC::Art::Text))
        if (e->punkte[0].x == x && e->punkte[0].y == y)
            return e->text;
    return "<nichts>";
}

// Row y of row k of a block whose first row lies at y0.
constexpr int Zeile(int y0, int k) { return y0 - k * kT; }
// The first row of the block after one whose last row lies at y.
constexpr int NaechsterBlock(int y) { return y - 2 * kT - (kT + kP) - (kP + kHalb); }

constexpr uint32_t kReaktion = aufgabe::ZIELE | aufgabe::REAKTIONSTASTE | aufgabe::TRAINING;

// A saccade training with a 4 x 2 grid, trials started by key 3, and two
// reports: the first with reactions (two charts) and a background task, the
// second without either.
struct CTrainingsFall {
    CDruckUmgebung u;
    CTraining training;
    CTrainingsFall()
    {
        training.SetUmgebung(&u.umgebung);
        training.m_strPfad = "/daten/LMTR-Trainings/Sakkaden links.lmt";
        CSakkaden s = training.GetSakkaden();
        s.m_nSpalten = 4;
        s.m_nZeilen = 2;
        s.m_nDurchgangsstart = 1;
        s.m_nStarttaste = 3;
        training.SetSakkaden(s);
        CTrainingsBericht b;
        b.m_dwAufgabenFlags = kReaktion | aufgabe::HG_AUFGABE;
        b.m_nRasterSpalten = 4;
        b.m_nRasterZeilen = 2;
        b.m_rcPositionen = RECT{112, 184, 912, 584};
        b.m_nTag = 19000;
        b.m_nUhrzeit = 3600 + 120 + 5;
        b.m_dLaufzeit = 95.26;
        const int xs[] = {112, 312, 512, 712};
        const uint64_t zeiten[] = {400, 500, 600, 700};
        b.SetAnzahlReize(4);
        for (int i = 0; i < 4; ++i) {
            b.SetPunkt(i, xs[i], 184 + 400 * (i % 2));
            b.SetZeit(i, zeiten[i]);
            b.SetMarke(i);
        }
        b.IncZaehler1(0);
        for (int i = 0; i < 3; ++i)
            b.IncKorrekteReaktionen();
        b.IncFalscheAlarme();
        b.AddDauer(1500);
        training.SetBericht(0, &b);
        CTrainingsBericht leer;
        leer.m_dwAufgabenFlags = aufgabe::HG_KEINE;
        training.SetBericht(1, &leer);
    }
};

// A line-bisection test with three reports; report 1 of constant stimuli
// with a psychometric chart and a background task.
struct CTestFall {
    CDruckUmgebung u;
    CTest test;
    CTestFall()
    {
        test.SetUmgebung(&u.umgebung);
        test.m_strPfad = "/daten/LMTR-Tests/Halbierung.lmd";
        CLinien l = test.GetLinien();
        l.m_nVerfahren = 20;
        l.m_nHLaengeStufen = 1;
        l.m_nHPositionStufen = 1;
        l.m_nHTrennStufen = 5;
        l.m_nVLaengeStufen = 1;
        l.m_nVPositionStufen = 1;
        l.m_nVTrennStufen = 1;
        l.m_nWiederholungen = 3;
        l.m_nOrientierung = 1;
        test.SetLinien(l);
        CTestBericht b;
        b.m_dwTestFlags = aufgabe::LINIEN | aufgabe::KONSTANT | aufgabe::HORIZONTAL | aufgabe::HG_AUFGABE;
        const int versatz[] = {-40, 0, 40, 80, 120}, rechts[] = {1, 3, 5, 7, 9};
        b.SetAnzahlReize(5);
        for (int j = 0; j < 5; ++j) {
            b.SetRechteck1(j, RECT{312, 380, 712, 388});
            b.SetRechteck2(j, RECT{510 + versatz[j], 370, 514 + versatz[j], 398});
            for (int k = 0; k < 10; ++k)
                (k < rechts[j]) ? b.IncZaehler2(j) : b.IncZaehler1(j);
            b.SetZeit(j, 5000);
        }
        for (int i = 0; i < 9; ++i)
            b.IncKorrekteReaktionen();
        for (int i = 0; i < 3; ++i)
            b.IncFalscheAlarme();
        b.m_nTag = 19000;
        b.m_dLaufzeit = 60.0;
        for (int i = 0; i < 3; ++i)
            test.SetBericht(i, b);
        test.GetBericht(2)->m_dwTestFlags = aufgabe::LINIEN | aufgabe::EINSTELLUNG | aufgabe::HORIZONTAL;
    }
};

} // namespace

TEST(Druck, SeitenbereichNachWahl)
{
    // all, selection, range (limited to the pages), current page
    const int faelle[][7] = {
        {2, 3, 9, 4, 1, 3, 4}, {2, 5, 2, 4, 1, 2, 2}, {1, 1, 4, 4, 3, 3, 3}, {0, 2, 2, 4, 3, 1, 4}};
    for (const auto& f : faelle) {
        int von = 0, bis = 0;
        CDruckrahmen::BereichWaehlen(f[0], f[1], f[2], f[3], f[4], von, bis);
        EXPECT_EQ((std::pair{von, bis}), (std::pair{f[5], f[6]})) << f[0];
    }
}

TEST(Druck, TrainingsangabenMitKopfzeile)
{
    SichereQtAnwendung();
    CTrainingsFall f;
    CTrainingsDruck druck(&f.training, &f.u.umgebung);
    EXPECT_EQ(druck.GetSeitenanzahl(), 3);
    CRecorderDC dc(A4());
    ASSERT_EQ(druck.ZeichneSeite(&dc, 1), 0);

    // Head line: file name left, page right, italic; the rule under it.
    const auto* name = Eintrag(dc, "Sakkaden links.lmt");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->punkte[0], (POINT{kLinks, kKopf}));
    EXPECT_EQ(name->font.lfItalic, 1);
    EXPECT_EQ(name->font.lfFaceName, "Times New Roman");
    EXPECT_EQ(Ort(dc, "Seite 1 von 3"), (POINT{kRechts, kKopf}));
    const auto linien = dc.Von(CRecorderDC::Art::Linie);
    ASSERT_FALSE(linien.empty());
    EXPECT_EQ(linien[0]->punkte, (std::vector<POINT>{{kLinks, kKopf - kT - kP}, {kRechts, kKopf - kT - kP}}));
    EXPECT_EQ(Ort(dc, "Lumetra: Trainingsangaben"), (POINT{(kLinks + kRechts) / 2, kOben}));

    // Blocks: heading 2t under the last row, rule t + p under it, rows p +
    // half a line lower.
    EXPECT_EQ(Ort(dc, "Dateien"), (POINT{kLinks, kOben - 2 * kT}));
    const int dateien = NaechsterBlock(kOben);
    const int x40 = kLinks + 400, x80 = kLinks + 800, x5 = kLinks + 50;
    EXPECT_EQ(Ort(dc, "Sakkaden links.lmt", 1), (POINT{x40, dateien}));
    EXPECT_EQ(TextBei(dc, x40, Zeile(dateien, 1)), "/daten/LMTR-Trainings/");

    const int vg = NaechsterBlock(Zeile(dateien, 3));
    EXPECT_EQ(TextBei(dc, x80, vg), "Sakkaden");
    EXPECT_EQ(TextBei(dc, x80, Zeile(vg, 1)), "A) Schrittweise Positionsänderung");
    EXPECT_EQ(TextBei(dc, x5, Zeile(vg, 5)), "Auswahl");
    EXPECT_EQ(TextBei(dc, x80, Zeile(vg, 5)), "1 .. 26");
    EXPECT_EQ(TextBei(dc, x80, Zeile(vg, 9)), "Leertaste");
    EXPECT_EQ(TextBei(dc, x80, Zeile(vg, 12)), "---");

    const int hg = NaechsterBlock(Zeile(vg, 13));
    EXPECT_EQ(TextBei(dc, x80, hg), "Keine Hintergrundaufgabe");
    EXPECT_EQ(TextBei(dc, x80, Zeile(hg, 5)), "154 pxl/s");
    EXPECT_EQ(TextBei(dc, kLinks + 1200, Zeile(hg, 5)), "nach links");
}

TEST(Druck, Trainingsbericht)
{
    SichereQtAnwendung();
    CTrainingsFall f;
    f.training.m_nDiagrammwahl = 2;
    CTrainingsDruck druck(&f.training, &f.u.umgebung);
    CRecorderDC dc(A4());
    ASSERT_EQ(druck.ZeichneSeite(&dc, 2), 0);
    EXPECT_EQ(Ort(dc, "Lumetra: Trainingsbericht"), (POINT{(kLinks + kRechts) / 2, kOben}));
    const int x80 = kLinks + 800, x120 = kLinks + 1200;
    const int darbietung = NaechsterBlock(Zeile(NaechsterBlock(kOben), 3));
    EXPECT_EQ(TextBei(dc, x80, darbietung), "07.01.2022");
    EXPECT_EQ(TextBei(dc, x120, darbietung), "01:02:05");
    EXPECT_EQ(TextBei(dc, x80, Zeile(darbietung, 1)), "95,3 s");
    const int hg = NaechsterBlock(Zeile(darbietung, 3));
    EXPECT_EQ(TextBei(dc, x80, Zeile(hg, 1)), "3");
    EXPECT_EQ(TextBei(dc, x120, Zeile(hg, 1)), "75,0%");
    EXPECT_EQ(TextBei(dc, x80, Zeile(hg, 2)), "0,500 s");
    const int vg = NaechsterBlock(Zeile(hg, 2));
    EXPECT_EQ(TextBei(dc, x120, Zeile(vg, 1)), "80,0%");
    EXPECT_EQ(TextBei(dc, x80, Zeile(vg, 4)), "0,550 s");

    // Regression table, then the chosen chart named 2t under it.
    const int kopf = Zeile(vg, 4) - 2 * kT;
    EXPECT_EQ(Ort(dc, "Verteilungskoeffizienten (korrekte Reaktionen ohne erste Reaktion)"), (POINT{kLinks, kopf}));
    const int tabelle = kopf - kT - kHalb - (kT + kP) - (kP + kHalb);
    EXPECT_EQ(TextBei(dc, kLinks + 50, Zeile(tabelle, 1)), "Reaktonszeit / Vert. Zeichenposition");
    EXPECT_NE(TextBei(dc, kLinks + 1300, tabelle).find(" ms/pxl"), std::string::npos);
    EXPECT_EQ(Ort(dc, "Reaktonszeit / Vert. Zeichenposition", 1),
              (POINT{(kLinks + 50 + kRechts) / 2, Zeile(tabelle, 1) - 2 * kT}));
    EXPECT_GT(dc.Von(CRecorderDC::Art::Linie).size(), 10u);

    // The second report: neither background task nor foreground results.
    dc.Leeren();
    ASSERT_EQ(druck.ZeichneSeite(&dc, 3), 0);
    EXPECT_EQ(TextBei(dc, x120, Zeile(hg, 1)), "---");
    EXPECT_EQ(TextBei(dc, x80, Zeile(vg, 1)), "---");
    EXPECT_EQ(Eintrag(dc, "Ordinate"), nullptr);

    // Answered by the training leader's keys: one right, two wrong.
    CTrainingsBericht b = *f.training.GetBericht(0);
    b.m_dwAufgabenFlags = 0x2 | 0x200 | 0x8000;
    b.IncZaehler3(0);
    b.IncZaehler2(1);
    b.IncZaehler3(1);
    b.IncZaehler2(2);
    f.training.SetBericht(2, &b);
    dc.Leeren();
    ASSERT_EQ(druck.ZeichneSeite(&dc, 4), 0);
    EXPECT_EQ(TextBei(dc, x80, Zeile(vg, 2)), "1");
    EXPECT_EQ(TextBei(dc, x80, Zeile(vg, 3)), "2");
}

TEST(Druck, TestangabenUndBericht)
{
    SichereQtAnwendung();
    CTestFall f;
    f.test.m_nDiagrammwahl = 3;
    CTestDruck druck(&f.test, &f.u.umgebung);
    EXPECT_EQ(druck.GetSeitenanzahl(), 4);
    CRecorderDC dc(A4());
    ASSERT_EQ(druck.ZeichneSeite(&dc, 1), 0);
    EXPECT_EQ(Ort(dc, "Lumetra: Testangaben"), (POINT{(kLinks + kRechts) / 2, kOben}));
    const int x80 = kLinks + 800, x120 = kLinks + 1200;
    const int aufgabe = NaechsterBlock(Zeile(NaechsterBlock(kOben), 3));
    EXPECT_EQ(TextBei(dc, x80, aufgabe), "Linienhalbierung");
    EXPECT_EQ(TextBei(dc, x80, Zeile(aufgabe, 1)), "Verfahren konstanter Reize");
    EXPECT_EQ(TextBei(dc, kLinks, Zeile(aufgabe, 7)), "Farbe horizontale Linie");
    EXPECT_EQ(TextBei(dc, x80, Zeile(aufgabe, 10)), "---"); // constant stimuli: no end key
    EXPECT_EQ(TextBei(dc, x80, Zeile(aufgabe, 12)), "Crsr Links");

    dc.Leeren();
    ASSERT_EQ(druck.ZeichneSeite(&dc, 2), 0);
    EXPECT_EQ(Ort(dc, "Seite 2 von 4"), (POINT{kRechts, kKopf}));
    EXPECT_EQ(Ort(dc, "Lumetra: Testbericht"), (POINT{(kLinks + kRechts) / 2, kOben}));
    const int hg = NaechsterBlock(Zeile(aufgabe, 3));
    EXPECT_EQ(TextBei(dc, x80, Zeile(hg, 1)), "9");
    EXPECT_EQ(TextBei(dc, x120, Zeile(hg, 1)), "75,0 %");
    const int zeit = NaechsterBlock(Zeile(hg, 2));
    EXPECT_EQ(TextBei(dc, x80, zeit), "0,500 s");
    const int gesamt = zeit - 2 * kT;
    EXPECT_EQ(Ort(dc, "Grenzwert"), (POINT{kLinks + 1000, gesamt}));
    const int abw = gesamt - (kT + kP) - (kP + kHalb);
    EXPECT_EQ(TextBei(dc, x80, abw), "10,0 %");
    // Chosen chart 3: the psychometric one, named under the lists.
    const auto* name = Eintrag(dc, "Antworthfgkt. 'rechts' / horiz. Lage Trennlinie", 1);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->font.lfFaceName, "Courier New");

    // Report 3: mean and deviation titles, no background task.
    dc.Leeren();
    ASSERT_EQ(druck.ZeichneSeite(&dc, 4), 0);
    EXPECT_EQ(Ort(dc, "Mittelwert"), (POINT{kLinks + 1000, gesamt}));
    EXPECT_EQ(TextBei(dc, x120, Zeile(hg, 1)), "---");
}

TEST(Druck, Rahmenfehler)
{
    SichereQtAnwendung();
    CTrainingsFall f;
    CMeldungsRecorder meldungen;
    CSkriptLaeufer laeufer;
    CTrainingsDruck druck(&f.training, &f.u.umgebung);

    CRecorderDC dc(A4());
    EXPECT_EQ(druck.ZeichneSeite(&dc, 4), 2);
    EXPECT_EQ(meldungen.Texte(), (std::vector<std::string>{"Fehler: Die zu druckende Seitennummer ist ungültig."}));
    EXPECT_TRUE(dc.Von(CRecorderDC::Art::Text).empty());
    CTestDruck ohneTest(nullptr, &f.u.umgebung);
    EXPECT_EQ(ohneTest.ZeichneSeite(&dc, 1), 2);
    EXPECT_EQ(meldungen.Texte().back(), "Fehler: Konnte nicht auf die Testangaben zugreifen.");

    // 160 mm wide: the printer asks on every page ("Nein" stops), the
    // preview never.
    CRecorderDC schmal(A4(1600));
    EXPECT_EQ(druck.ZeichneSeite(&schmal, 1, CDruckrahmen::Vorschau), 0);
    EXPECT_TRUE(laeufer.m_dialoge.empty());
    EXPECT_EQ(druck.ZeichneSeite(&schmal, 1, CDruckrahmen::Drucker), 2);
    EXPECT_EQ(laeufer.m_dialoge.size(), 1u);

    // No width: nothing printable is left.
    CRecorderDC winzig(A4(0, 2870));
    EXPECT_EQ(druck.ZeichneSeite(&winzig, 1), 2);
    EXPECT_EQ(meldungen.Texte().back(),
              "Fehler: Bei diesem Papierformat und diesen Druckereinstellungen verbleibt kein bedruckbarer Bereich.");
}

TEST(Druck, DruckdialogUndVorschau)
{
    SichereQtAnwendung();
    CTrainingsFall f;
    CMeldungsRecorder meldungen;
    CSkriptLaeufer laeufer;
    CTrainingsDruck druck(&f.training, &f.u.umgebung);
    QDir().mkpath(LUMETRA_ARTIFACTS);
    const QString pdf = QString(LUMETRA_ARTIFACTS) + "/druck_bereich.pdf";

    laeufer.m_antworten = {[&](QDialog& d) {
        auto& dialog = static_cast<QPrintDialog&>(d);
        EXPECT_TRUE(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(pdf);
        dialog.printer()->setPrintRange(QPrinter::PageRange);
        dialog.printer()->setFromTo(2, 3);
        return int(QDialog::Accepted);
    }};
    EXPECT_EQ(druck.Drucken(), 0);
    EXPECT_EQ(druck.GetVon(), 2);
    EXPECT_EQ(druck.GetBis(), 3);
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(meldungen.Texte().empty());

    // Cancelling prints nothing.
    EXPECT_EQ(druck.Drucken(), 1);

    // The preview lays out every page and leaves the frame reset.
    int seiten = 0;
    laeufer.m_antworten = {[&](QDialog& d) {
        d.show();
        QCoreApplication::processEvents();
        if (auto* w = d.findChild<QPrintPreviewWidget*>())
            seiten = w->pageCount();
        d.close();
        return 0;
    }};
    EXPECT_EQ(druck.Seitenansicht(), 0);
    EXPECT_EQ(seiten, 3);
    EXPECT_EQ(druck.GetModus(), CDruckrahmen::KeinDruck);
}

TEST(Druck, PdfVonTraining)
{
    SichereQtAnwendung();
    CMeldungsRecorder meldungen;
    QDir().mkpath(LUMETRA_ARTIFACTS);
    const std::string pdf = std::string(LUMETRA_ARTIFACTS) + "/druck_training";
    CTrainingsFall f;
    f.training.m_nDiagrammwahl = 1;
    EXPECT_EQ(CTrainingsDruck(&f.training, &f.u.umgebung).AlsPdf(pdf + ".pdf"), 0);
    EXPECT_TRUE(meldungen.Texte().empty());
    // A picture to look at, when the converter is installed.
    std::system(("command -v pdftoppm >/dev/null && pdftoppm -r 60 -png '" + pdf + ".pdf' '" + pdf + "'").c_str());
    // The file values are clipped to their rows and must still show: the
    // training's file name stands in the head line and in the files block.
    const std::string befehl = "pdftotext -f 1 -l 1 '" + pdf + ".pdf' '" + pdf + ".txt'";
    if (std::system(("command -v pdftotext >/dev/null && " + befehl).c_str()) == 0) {
        QFile datei(QString::fromStdString(pdf + ".txt"));
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
        EXPECT_EQ(datei.readAll().count("Sakkaden links.lmt"), 2);
    }
}
