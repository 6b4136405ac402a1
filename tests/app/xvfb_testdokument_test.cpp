// A test with three reports, opened from the command line of the built
// program on a real X server (Xvfb). Printing: "Test &drucken" chosen in the
// menu, the real print dialog answered with Enter so the pages go to the
// PDF file it proposes; then the print preview and the printer set-up from
// the same menu. Deleting a report: the question box answers to N and J.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "model/aufgabenbits.h"
#include "model/test.h"
#include "platform/datei.h"
#include "xvfb_umfeld.h"

#if defined(LUMETRA_PROGRAMM) && defined(LUMETRA_BUILD_DIR)

namespace {

// A line-bisection test with three reports of constant stimuli.
bool SchreibeTest(const std::string& pfad)
{
    CDokumentDatei<CTest> test;
    CTestBericht b;
    b.m_dwTestFlags = aufgabe::LINIEN | aufgabe::KONSTANT | aufgabe::HORIZONTAL;
    b.SetAnzahlReize(2);
    for (int j = 0; j < 2; ++j) {
        b.SetRechteck1(j, RECT{312, 380, 712, 388});
        b.SetRechteck2(j, RECT{500 + 20 * j, 370, 504 + 20 * j, 398});
        b.IncZaehler1(j);
        b.IncZaehler2(j);
        b.SetZeit(j, 4000);
    }
    b.m_nTag = 19000;
    b.m_dLaufzeit = 30.0;
    for (int i = 0; i < 3; ++i)
        test.modell.SetBericht(i, b);
    CArchive ar(CArchive::store, pfad);
    return test.modell.Serialize(ar) == 0 && SchreibeDateiSicher(pfad, ar.GetBytes()) == 0;
}

} // namespace

// Lumetra started with the test file "Halbierung.lmd" in its program folder.
class XvfbTestdokument : public ::testing::Test {
protected:
    void SetUp() override
    {
        XVFB_ODER_UEBERSPRINGEN();
        m_lumetra = std::make_unique<CXvfbLumetra>();
        ASSERT_TRUE(m_lumetra->Bereit());
        m_datei = m_lumetra->Ordner() + "/LMTR-Tests/Halbierung.lmd";
        ASSERT_TRUE(SchreibeTest(m_datei.toStdString()));
        ASSERT_TRUE(m_lumetra->Start({m_datei})) << "kein Fenster \"Lumetra\"";
    }
    std::unique_ptr<CXvfbLumetra> m_lumetra;
    QString m_datei;
};

TEST_F(XvfbTestdokument, DruckenUeberDasMenueInEinePdfDatei)
{
    CXvfbLumetra& lumetra = *m_lumetra;
    Bild("druck_1_test.png");

    // "&Datei", then "d" twice: past "&Datei öffnen" to "Test &drucken".
    Vorne("alt+d", 600);
    Taste("d", 300);
    Taste("d", 300);
    Bild("druck_2_menue.png");
    Taste("Return", 1500);
    const QString dialog = FindeFenster("^Drucken$");
    ASSERT_FALSE(dialog.isEmpty()) << "kein Druckdialog";
    Bild("druck_3_dialog.png");
    // Without a print server the dialog offers the PDF file named after the
    // document in the current folder; "Drucken" is its default button.
    Vorne("Return", 2000);

    const QString pdf = lumetra.Ordner() + "/Halbierung.pdf";
    for (int i = 0; i < 50 && !QFileInfo::exists(pdf); ++i)
        Warte(100);
    ASSERT_TRUE(QFileInfo::exists(pdf)) << lumetra.Fehlerausgabe().toStdString();
    Warte(500);
    EXPECT_TRUE(Ausgabe("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+4\\n")));
    const QString seite2 = Ausgabe("pdftotext", {"-f", "2", "-l", "2", "-layout", pdf, "-"});
    EXPECT_TRUE(seite2.contains(QRegularExpression("Halbierung\\.lmd\\s+Seite 2 von 4"))) << seite2.toStdString();
    EXPECT_TRUE(seite2.contains("Testbericht")) << seite2.toStdString();
    QProcess::execute("pdftoppm", {"-r", "50", "-png", pdf, QString(LUMETRA_ARTIFACTS) + "/druck_pdf"});

    // The preview of the same menu, closed with Escape.
    Vorne("alt+d", 600);
    Taste("t", 2000);
    const QString vorschau = FindeFenster("^Lumetra - Seitenansicht$");
    ASSERT_FALSE(vorschau.isEmpty()) << "keine Seitenansicht";
    Bild("druck_4_seitenansicht.png");
    // As large as the main window: focused by its id.
    Xdotool({"windowfocus", "--sync", vorschau});
    Taste("Escape", 800);
    EXPECT_TRUE(FindeFenster("^Lumetra - Seitenansicht$", 500).isEmpty());

    // The printer set-up turns the paper; the next job, started with
    // Ctrl+P, prints across once the question for each page is answered.
    Vorne("alt+d", 600);
    Taste("e", 1500);
    const QString einrichtung = FindeFenster("^Seite einrichten$");
    ASSERT_FALSE(einrichtung.isEmpty()) << "keine Druckereinrichtung";
    // "Querformat" has no letter of its own: clicked at its place.
    Xdotool({"windowfocus", "--sync", einrichtung});
    Xdotool({"mousemove", "--window", einrichtung, "30", "201", "click", "1"});
    Warte(500);
    Bild("druck_5_einrichtung.png");
    Taste("Return", 800);
    EXPECT_TRUE(FindeFenster("^Seite einrichten$", 300).isEmpty());
    QFile::remove(pdf);
    Vorne("ctrl+p", 1500);
    ASSERT_FALSE(FindeFenster("^Drucken$").isEmpty()) << "Strg+P öffnet keinen Druckdialog";
    Vorne("Return", 1500);
    // Across, A4 is lower than the pages need: every page asks first.
    for (int seite = 1; seite <= 4; ++seite) {
        const QString frage = FindeFenster("^Lumetra$", 3000);
        ASSERT_FALSE(frage.isEmpty()) << "keine Frage vor Seite " << seite;
        if (seite == 1)
            Bild("druck_6_quer_frage.png");
        Xdotool({"windowfocus", "--sync", frage});
        Taste("j", 800);
    }
    for (int i = 0; i < 50 && !QFileInfo::exists(pdf); ++i)
        Warte(100);
    Warte(500);
    const QString info = Ausgabe("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+842 x 595"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+4\\n"))) << info.toStdString();

    EXPECT_TRUE(lumetra.Laeuft());
}

TEST_F(XvfbTestdokument, LoeschfrageAntwortetAufNUndJ)
{
    CXvfbLumetra& lumetra = *m_lumetra;

    // "&Bericht" and "&Benutzerprofil" share their letter: the report menu
    // is opened with the mouse, at its place on the menu bar.
    const QString haupt = FindeFenster("^Lumetra - Halbierung");
    ASSERT_FALSE(haupt.isEmpty());
    auto berichtmenue = [&haupt](const char* taste) {
        Xdotool({"mousemove", "--window", haupt, "334", "8", "click", "1"});
        Warte(600);
        Taste(taste, 1000);
    };
    // "Test&berichte" shows report 1; "Testbericht &löschen" asks in a box
    // titled "Lumetra", whose letters answer without Alt.
    berichtmenue("b");
    for (const char* antwort : {"n", "j"}) {
        berichtmenue("l");
        const QString frage = FindeFenster("^Lumetra$", 3000);
        ASSERT_FALSE(frage.isEmpty()) << "keine Frage vor " << antwort;
        Bild((std::string("testdokument_frage_") + antwort + ".png").c_str());
        Xdotool({"windowfocus", "--sync", frage});
        Taste(antwort, 800);
        EXPECT_TRUE(FindeFenster("^Lumetra$", 300).isEmpty()) << antwort << " beantwortet die Frage nicht";
    }

    // Saved: "Nein" kept the report, "Ja" deleted one.
    Vorne("ctrl+s", 1500);
    EXPECT_TRUE(lumetra.Laeuft());
    lumetra.Ende();
    CDokumentDatei<CTest> test;
    ASSERT_TRUE(test.Lies(m_datei));
    EXPECT_EQ(test.modell.GetBerichtAnzahl(), 2);
}

// A double click on the document window's title bar maximises it; the main
// window's title names the document once.
TEST_F(XvfbTestdokument, MaximiertesFensterStehtEinmalImTitel)
{
    const QString haupt = FindeFenster("^Lumetra - Halbierung");
    ASSERT_FALSE(haupt.isEmpty());
    EXPECT_EQ(Xdotool({"getwindowname", haupt}), "Lumetra - Halbierung.lmd");
    Xdotool({"mousemove", "--window", haupt, "300", "60", "click", "--repeat", "2", "--delay", "80", "1"});
    Warte(1000);
    Bild("testdokument_maximiert.png");
    EXPECT_EQ(Xdotool({"getwindowname", haupt}), "Lumetra - [Halbierung.lmd]");
}

#endif
