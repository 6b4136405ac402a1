// Printed pages on the recorder, the print dialog's range and the PDF file.
#include <QCoreApplication>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>

#include <cfloat>

#include "app/druck_test.h"
#include "app/druck_training.h"
#include "befehl_umfeld.h"
#include "platform/archiv.h"
#include "platform/draw/recorder/recorder_dc.h"
#include "support/qt_app.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

namespace {

// A printable area of 200 x 287 mm at 254 dots per inch: one dot is one
// logical unit (0.1 mm), so positions below are the layout's own numbers.
CGeraetDaten A4(int breite = 2000, int hoehe = 2870) { return CGeraetDaten{breite, hoehe, 254, 254, true}; }

// Layout on A4: content 25 mm from the left, 165 mm wide, top 25 mm down;
// rows 2.9 mm (the font's cell), pen 0.3 mm.
constexpr int kLinks = 250, kRechts = 1900, kOben = -250, kT = 29, kP = 3, kHalb = 17;
constexpr int x40 = kLinks + 400, x80 = kLinks + 800, x120 = kLinks + 1200;

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
// The first row of the third block (after files and task).
constexpr int kDritterBlock = NaechsterBlock(Zeile(NaechsterBlock(kOben), 3));

} // namespace

class Druck : public ::testing::Test {
protected:
    void SetUp() override
    {
        SichereQtAnwendung();
        CAnzeigeOptionen o = m_profil.GetAnzeigeOptionen();
        o.SetEinheit(0x0008);
        m_profil.SetAnzeigeoptionen(o);
        m_umgebung.SetProfil(&m_profil);
        m_training.SetUmgebung(&m_umgebung);
        m_training.m_strPfad = "/daten/LMTR-Trainings/Sakkaden links.lmt";
        CSakkaden s = m_training.GetSakkaden();
        s.m_nSpalten = 4;
        s.m_nZeilen = 2;
        s.m_nDurchgangsstart = 1;
        s.m_nStarttaste = 3;
        m_training.SetSakkaden(s);
        CTrainingsBericht b = Reaktionsbericht(kReaktion | aufgabe::HG_AUFGABE, {400, 500, 600, 700}, true);
        b.IncZaehler1(0);
        HGAntworten(b);
        m_training.SetBericht(0, &b);
        CTrainingsBericht leer;
        leer.m_dwAufgabenFlags = aufgabe::HG_KEINE;
        m_training.SetBericht(1, &leer);

        m_test.SetUmgebung(&m_umgebung);
        m_test.m_strPfad = "/daten/LMTR-Tests/Halbierung.lmd";
        FuenfTrennlagen(m_test);
        CTestBericht t = KonstanteReize(aufgabe::LINIEN | aufgabe::KONSTANT | aufgabe::HORIZONTAL |
                                        aufgabe::HG_AUFGABE);
        HGAntworten(t);
        for (int i = 0; i < 3; ++i)
            m_test.SetBericht(i, t);
    }

    CBenutzerprofil m_profil;
    CUmgebung m_umgebung;
    CTraining m_training;
    CTest m_test;
    CMeldungsRecorder m_meldungen;
    CSkriptLaeufer m_laeufer;
    CRecorderDC m_dc{A4()};
};

TEST(DruckBereich, NachWahl)
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

TEST_F(Druck, Trainingsangaben)
{
    CTrainingsDruck druck(&m_training, &m_umgebung);
    EXPECT_EQ(druck.GetSeitenanzahl(), 3);
    ASSERT_EQ(druck.ZeichneSeite(&m_dc, 1), 0);
    EXPECT_EQ(Eintrag(m_dc, "Sakkaden links.lmt")->font.lfItalic, 1); // head line
    EXPECT_EQ(Ort(m_dc, "Lumetra: Trainingsangaben"), (POINT{(kLinks + kRechts) / 2, kOben}));

    const int dateien = NaechsterBlock(kOben);
    EXPECT_EQ(Ort(m_dc, "Sakkaden links.lmt", 1), (POINT{x40, dateien}));
    EXPECT_EQ(TextBei(m_dc, x40, Zeile(dateien, 1)), "/daten/LMTR-Trainings/");
    EXPECT_EQ(TextBei(m_dc, x80, Zeile(kDritterBlock, 5)), "1 .. 26");
    EXPECT_EQ(TextBei(m_dc, x80, Zeile(kDritterBlock, 9)), "Leertaste");
    EXPECT_EQ(TextBei(m_dc, x80, Zeile(NaechsterBlock(Zeile(kDritterBlock, 13)), 5)), "154 pxl/s");
}

TEST_F(Druck, Trainingsbericht)
{
    CTrainingsDruck druck(&m_training, &m_umgebung);
    ASSERT_EQ(druck.ZeichneSeite(&m_dc, 2), 0);
    EXPECT_EQ(TextBei(m_dc, x120, kDritterBlock), "01:02:05");
    const int hg = NaechsterBlock(Zeile(kDritterBlock, 3));
    EXPECT_EQ(TextBei(m_dc, x80, Zeile(hg, 1)), "3");
    EXPECT_EQ(TextBei(m_dc, x120, Zeile(hg, 1)), "75,0%");
    EXPECT_EQ(TextBei(m_dc, x80, Zeile(hg, 2)), "0,500 s");
    const int vg = NaechsterBlock(Zeile(hg, 2));
    EXPECT_EQ(TextBei(m_dc, x120, Zeile(vg, 1)), "80,0%");
    EXPECT_EQ(TextBei(m_dc, x80, Zeile(vg, 4)), "0,550 s");

    // The second report: neither background task nor foreground results.
    m_dc.Leeren();
    ASSERT_EQ(druck.ZeichneSeite(&m_dc, 3), 0);
    EXPECT_EQ(TextBei(m_dc, x120, Zeile(hg, 1)), "---");
    EXPECT_EQ(TextBei(m_dc, x80, Zeile(vg, 1)), "---");

    // Answered by the training leader's keys: one right, two wrong.
    CTrainingsBericht b = *m_training.GetBericht(0);
    b.m_dwAufgabenFlags = aufgabe::ZIELE | aufgabe::RUECKMELDUNG | aufgabe::TRAINING;
    b.IncZaehler3(0);
    b.IncZaehler2(1);
    b.IncZaehler3(1);
    b.IncZaehler2(2);
    m_training.SetBericht(2, &b);
    m_dc.Leeren();
    ASSERT_EQ(druck.ZeichneSeite(&m_dc, 4), 0);
    EXPECT_EQ(TextBei(m_dc, x80, Zeile(vg, 2)), "1");
    EXPECT_EQ(TextBei(m_dc, x80, Zeile(vg, 3)), "2");

    // Answers are shares of the targets shown, not of the reactions.
    CTrainingsBericht antworten = Antwortbericht();
    m_training.SetBericht(2, &antworten);
    m_dc.Leeren();
    ASSERT_EQ(druck.ZeichneSeite(&m_dc, 4), 0);
    EXPECT_EQ(TextBei(m_dc, x120, Zeile(vg, 2)), "88,9%");
    EXPECT_EQ(TextBei(m_dc, x120, Zeile(vg, 3)), "11,1%");
}

// Run values from a file beyond any run print within the bounds of the
// records: no overflow text, no number of more than a day's seconds.
TEST_F(Druck, BerichtMitAbsurdenWertenAusDerDatei)
{
    CTrainingsBericht& b = *m_training.GetBericht(0);
    b.m_dwAufgabenFlags |= aufgabe::HG_TEMPO;
    b.m_dLaufzeit = -6e15;
    b.m_dStandardGeschwindigkeit = DBL_MAX;
    b.m_dZielGeschwindigkeit = 1e308;
    CArchive aus;
    m_training.Serialize(aus);
    CTraining geladen;
    geladen.SetUmgebung(&m_umgebung);
    CArchive ein(aus.GetBytes(), m_training.m_strPfad);
    ASSERT_EQ(geladen.Serialize(ein), 0);
    CTrainingsDruck druck(&geladen, &m_umgebung);
    ASSERT_EQ(druck.ZeichneSeite(&m_dc, 2), 0);
    EXPECT_NE(Eintrag(m_dc, "0,0 s"), nullptr);
    for (const auto* e : m_dc.Von(CRecorderDC::Art::Text)) {
        EXPECT_EQ(e->text.find("Überlauffehler"), std::string::npos);
        EXPECT_EQ(e->text.find("000000"), std::string::npos) << e->text;
    }
}

TEST_F(Druck, TestangabenUndBericht)
{
    m_test.m_nDiagrammwahl = 3;
    CTestDruck druck(&m_test, &m_umgebung);
    ASSERT_EQ(druck.ZeichneSeite(&m_dc, 1), 0);
    EXPECT_EQ(TextBei(m_dc, x80, Zeile(kDritterBlock, 10)), "---"); // constant stimuli: no end key
    m_dc.Leeren();
    ASSERT_EQ(druck.ZeichneSeite(&m_dc, 2), 0);
    const int hg = NaechsterBlock(Zeile(kDritterBlock, 3));
    EXPECT_EQ(TextBei(m_dc, x80, Zeile(hg, 1)), "3");
    EXPECT_EQ(TextBei(m_dc, x120, Zeile(hg, 1)), "75,0 %");
    const int zeit = NaechsterBlock(Zeile(hg, 2));
    EXPECT_EQ(TextBei(m_dc, x80, zeit), "0,500 s");
    const int gesamt = zeit - 2 * kT;
    EXPECT_EQ(Ort(m_dc, "Grenzwert"), (POINT{kLinks + 1000, gesamt}));
    EXPECT_EQ(TextBei(m_dc, x80, gesamt - (kT + kP) - (kP + kHalb)), "10,0 %");
    EXPECT_NE(Eintrag(m_dc, "Antworthfgkt. 'rechts' / horiz. Lage Trennlinie", 1), nullptr); // chosen chart

    // An adjustment report prints its mean in place of the threshold.
    m_test.GetBericht(2)->m_dwTestFlags = aufgabe::LINIEN | aufgabe::EINSTELLUNG | aufgabe::HORIZONTAL;
    m_dc.Leeren();
    ASSERT_EQ(druck.ZeichneSeite(&m_dc, 4), 0);
    EXPECT_EQ(Ort(m_dc, "Mittelwert"), (POINT{kLinks + 1000, gesamt}));
    EXPECT_EQ(Eintrag(m_dc, "Grenzwert"), nullptr);
    EXPECT_EQ(TextBei(m_dc, x120, Zeile(hg, 1)), "---");
}

TEST_F(Druck, Rahmenfehler)
{
    CTrainingsDruck druck(&m_training, &m_umgebung);
    EXPECT_EQ(druck.ZeichneSeite(&m_dc, 4), 2);
    EXPECT_EQ(m_meldungen.Texte(), (std::vector<std::string>{"Fehler: Die zu druckende Seitennummer ist ungültig."}));
    CTestDruck ohneTest(nullptr, &m_umgebung);
    EXPECT_EQ(ohneTest.ZeichneSeite(&m_dc, 1), 2);
    EXPECT_EQ(m_meldungen.Texte().back(), "Fehler: Konnte nicht auf die Testangaben zugreifen.");

    // 160 mm wide: the printer asks ("Nein" stops), the preview never.
    CRecorderDC schmal(A4(1600));
    EXPECT_EQ(druck.ZeichneSeite(&schmal, 1, CDruckrahmen::Vorschau), 0);
    EXPECT_TRUE(m_laeufer.m_dialoge.empty());
    EXPECT_EQ(druck.ZeichneSeite(&schmal, 1, CDruckrahmen::Drucker), 2);
    EXPECT_EQ(m_laeufer.m_dialoge.size(), 1u);

    // No width: nothing printable is left.
    CRecorderDC winzig(A4(0, 2870));
    EXPECT_EQ(druck.ZeichneSeite(&winzig, 1), 2);
    EXPECT_EQ(m_meldungen.Texte().back(),
              "Fehler: Bei diesem Papierformat und diesen Druckereinstellungen verbleibt kein bedruckbarer Bereich.");
}

// The range chosen is printed; the file name, clipped to its row, still
// shows in the head line and in the files block.
TEST_F(Druck, DruckdialogUndVorschau)
{
    CTrainingsDruck druck(&m_training, &m_umgebung);
    QDir().mkpath(LUMETRA_ARTIFACTS);
    const QString pdf = QString(LUMETRA_ARTIFACTS) + "/druck_bereich.pdf";
    m_laeufer.m_antworten = {[&](QDialog& d) {
        auto& dialog = static_cast<QPrintDialog&>(d);
        EXPECT_TRUE(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(pdf);
        dialog.printer()->setPrintRange(QPrinter::PageRange);
        dialog.printer()->setFromTo(1, 2);
        return int(QDialog::Accepted);
    }};
    EXPECT_EQ(druck.Drucken(), 0);
    EXPECT_EQ(PdfText(pdf).count("Seite "), 2);
    EXPECT_EQ(PdfText(pdf, {"-l", "1"}).count("Sakkaden links.lmt"), 2);
    EXPECT_TRUE(m_meldungen.Texte().empty());
    EXPECT_EQ(druck.Drucken(), 1); // cancelled

    // The preview leaves the frame reset.
    Bearbeite(m_laeufer, [](QDialog&) { QCoreApplication::processEvents(); });
    EXPECT_EQ(druck.Seitenansicht(), 0);
    EXPECT_EQ(druck.GetModus(), CDruckrahmen::KeinDruck);
}

// A run that reached its last target prints the answers as shares of all
// nine targets, the last one included.
TEST_F(Druck, AntwortanteileBisZumLetztenZiel)
{
    CTrainingsBericht b = Antwortbericht(9);
    m_training.SetBericht(0, &b);
    CTrainingsDruck druck(&m_training, &m_umgebung);
    ASSERT_EQ(druck.ZeichneSeite(&m_dc, 2), 0);
    const int vg = NaechsterBlock(Zeile(NaechsterBlock(Zeile(kDritterBlock, 3)), 2));
    EXPECT_EQ((std::vector<std::string>{TextBei(m_dc, x80, Zeile(vg, 2)), TextBei(m_dc, x120, Zeile(vg, 2)),
                                        TextBei(m_dc, x80, Zeile(vg, 3)), TextBei(m_dc, x120, Zeile(vg, 3))}),
              (std::vector<std::string>{"8", "88,9%", "1", "11,1%"}));
}
