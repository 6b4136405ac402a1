// The built program under Xvfb, driven with xdotool as a user drives it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "befehl_umfeld.h"
#include "platform/datei.h"
#include "xvfb_umfeld.h"

#if defined(LUMETRA_PROGRAMM) && defined(LUMETRA_BUILD_DIR)

TEST(XvfbStart, HauptfensterErscheint)
{
    XVFB_ODER_UEBERSPRINGEN();
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    const QString ordner = lumetra.Ordner();
    for (const char* f : {"LMTR-Benutzerprofile/default.lmp", "LMTR-Trainings/Vorlage.lmt", "LMTR-Tests/Vorlage.lmd",
                          "LMTR-Umgebungen/Vorlage.lmu", "bilddateien/kreise.bmp", "LMTR-Texte/Gesundheit"})
        EXPECT_TRUE(std::filesystem::exists((ordner + "/" + f).toStdString())) << f;
    // The program description that the help command names: a PDF of a few pages.
    const QString seiten = Ausgabe("pdfinfo", {ordner + "/LMTR Programmbeschreibung.pdf"}).section("Pages:", 1);
    EXPECT_GE(seiten.section('\n', 0, 0).trimmed().toInt(), 3) << seiten.toStdString();

    ASSERT_TRUE(lumetra.Start({}, false)) << "kein Fenster \"Lumetra\"";
    const QString fenster = FindeFenster("^Lumetra$");
    ASSERT_FALSE(fenster.isEmpty());
    const QString geometrie = Xdotool({"getwindowgeometry", fenster});
    const QImage bild = Bild("lumetra_start.png");
    EXPECT_TRUE(lumetra.Laeuft());
    lumetra.Ende();

    // The window is drawn: the picture is not one colour.
    ASSERT_FALSE(bild.isNull());
    QImage einfarbig(bild.size(), bild.format());
    einfarbig.fill(bild.pixel(0, 0));
    EXPECT_NE(bild, einfarbig);
    // 800 x 768 fits both the 1024 x 768 and the 1280 x 1024 screen.
    EXPECT_TRUE(geometrie.contains("800x768")) << geometrie.toStdString();
}

// A new saccade training, "&Präsentation" on the SDL display, reactions
// with keys, Escape; the training saved holds the run's report.
TEST(XvfbPraesentation, SakkadenlaufLandetAufDerBerichtsseite)
{
    XVFB_ODER_UEBERSPRINGEN();
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    ASSERT_TRUE(lumetra.Start()) << "kein Fenster \"Lumetra\"";

    // The template's training is a saccade training.
    Vorne("ctrl+n", 800);
    Vorne("Return", 1000);
    Bild("praesentation_1_training.png");

    // The run: "Bereit?", Enter, a few reactions, Escape.
    Vorne("alt+p", 2500);
    Bild("praesentation_2_bereit.png");
    Taste("Return", 2500);
    for (int i = 0; i < 4; ++i)
        Taste("space", 1200);
    Bild("praesentation_3_lauf.png");
    Taste("Escape", 2500);
    // Xvfb's mode has no rate: the run ends with the hint that it was adapted.
    Bild("praesentation_4_hinweis.png");
    Vorne("Return", 800);
    const QImage bericht = Bild("praesentation_5_bericht.png");

    Vorne("ctrl+s", 1200);
    Vorne("Return", 1500);
    Bild("praesentation_6_gespeichert.png");
    EXPECT_TRUE(lumetra.Laeuft());
    lumetra.Ende();

    CDokumentDatei<CTraining> d;
    ASSERT_TRUE(d.Lies(lumetra.Ordner() + "/LMTR-Trainings/LM-Training1.lmt")) << lumetra.Fehlerausgabe().toStdString();
    ASSERT_EQ(d.modell.GetBerichtAnzahl(), 1);
    const CTrainingsBericht* b = d.modell.GetBericht(0);
    EXPECT_EQ(b->m_nAufgabenart, 10);
    EXPECT_GT(b->m_dLaufzeit, 3.0);
    EXPECT_GT(b->GetAnzahlReize(), 0);
    EXPECT_FALSE(bericht.isNull());
}

// A new training switched to the collection text, the name field passed
// through with Tab, the sheet accepted, the training saved: it keeps the
// template's text folder.
TEST(XvfbTextseite, DurchlaufenerTextnameBehaeltDenOrdner)
{
    XVFB_ODER_UEBERSPRINGEN();
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    CDokumentDatei<CTraining> vorlage;
    ASSERT_TRUE(vorlage.Lies(lumetra.Ordner() + "/LMTR-Trainings/Vorlage.lmt"));
    const CText text = vorlage.modell.GetText();
    ASSERT_FALSE(text.m_strSammlungsordner.empty());
    ASSERT_TRUE(lumetra.Start()) << "kein Fenster \"Lumetra\"";

    // A new training: "LM-Training" is the first kind offered.
    Vorne("ctrl+n", 800);
    Vorne("Return", 1000);

    // "Trainings&auswahl", "&Vordergrundaufgabe".
    Vorne("alt+a", 600);
    Taste("v", 1500);
    const QString blatt = FindeFenster("^Vordergrundaufgabe ändern$");
    ASSERT_FALSE(blatt.isEmpty()) << "kein Blatt \"Vordergrundaufgabe ändern\"";
    Xdotool({"windowfocus", "--sync", blatt});
    auto klicke = [&blatt](int x, int y) {
        Xdotool({"mousemove", "--window", blatt, QString::number(x), QString::number(y), "click", "1"});
        Warte(500);
    };
    // The tab "Text", the option "Text", the field "Textname", then Tab.
    klicke(167, 23);
    klicke(40, 65);
    klicke(477, 65);
    Taste("Tab", 500);
    Bild("textseite_1_durchlaufen.png");
    Taste("Return", 1000);
    // OK closes the sheet; a training with reports would ask first.
    EXPECT_TRUE(FindeFenster("^Vordergrundaufgabe ändern$", 300).isEmpty()) << "Blatt nicht geschlossen";
    const QString frage = FindeFenster("^Lumetra$", 500);
    if (!frage.isEmpty()) {
        Xdotool({"windowfocus", "--sync", frage});
        Taste("j", 800);
    }
    Bild("textseite_2_training.png");

    // Saved under a name typed into the file dialog.
    const QString datei = lumetra.Ordner() + "/Textlauf.lmt";
    Vorne("ctrl+s", 1500);
    Vorne("ctrl+a", 200);
    Xdotool({"type", "--delay", "20", datei});
    Warte(300);
    Taste("Return", 1500);

    // The tool bar's printer button, fourth from the left, opens the print
    // dialog; Escape closes it unprinted.
    const QString haupt = FindeFenster("^Lumetra - ");
    ASSERT_FALSE(haupt.isEmpty());
    Xdotool({"mousemove", "--window", haupt, "100", "34", "click", "1"});
    Warte(1500);
    const QString druck = FindeFenster("^Drucken$", 3000);
    EXPECT_FALSE(druck.isEmpty()) << "der Druckknopf öffnet keinen Druckdialog";
    Bild("textseite_3_druckdialog.png");
    if (!druck.isEmpty()) {
        Xdotool({"windowfocus", "--sync", druck});
        Taste("Escape", 800);
        EXPECT_TRUE(FindeFenster("^Drucken$", 300).isEmpty());
    }
    EXPECT_TRUE(lumetra.Laeuft());
    lumetra.Ende();

    CDokumentDatei<CTraining> d;
    ASSERT_TRUE(d.Lies(datei)) << lumetra.Fehlerausgabe().toStdString();
    EXPECT_EQ(d.modell.GetAufgabenart(), AUFGABENART_TEXT);
    EXPECT_EQ(d.modell.GetText().m_nTextart, 10);
    EXPECT_EQ(d.modell.GetText().m_strSammlungsordner, text.m_strSammlungsordner);
    EXPECT_EQ(d.modell.GetText().m_strSammlungstext, text.m_strSammlungstext);
}

// Lumetra started with a line-bisection test of three reports, "Halbierung.lmd".
class XvfbTestdokument : public ::testing::Test {
protected:
    void SetUp() override
    {
        XVFB_ODER_UEBERSPRINGEN();
        m_lumetra = std::make_unique<CXvfbLumetra>();
        ASSERT_TRUE(m_lumetra->Bereit());
        m_datei = m_lumetra->Ordner() + "/LMTR-Tests/Halbierung.lmd";
        CDokumentDatei<CTest> test;
        for (int i = 0; i < 3; ++i)
            test.modell.SetBericht(i, KonstanteReize(aufgabe::LINIEN | aufgabe::KONSTANT | aufgabe::HORIZONTAL));
        CArchive ar(CArchive::store, m_datei.toStdString());
        ASSERT_EQ(test.modell.Serialize(ar), 0);
        ASSERT_EQ(SchreibeDateiSicher(m_datei.toStdString(), ar.GetBytes()), 0);
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

    // Saved: "Nein" kept the report, "Ja" deleted one. The temporary that a
    // killed save left goes with this save; a file merely named alike stays.
    const std::filesystem::path ordner = std::filesystem::path(m_datei.toStdString()).parent_path();
    const std::filesystem::path liegengeblieben = ordner / ".Halbierung.lmd.lmtr-tmp-Ab12Cd";
    const std::filesystem::path fremd = ordner / "Halbierung.lmd.Ab12Cd";
    for (const auto& p : {liegengeblieben, fremd})
        std::ofstream(p) << "halb";
    Vorne("ctrl+s", 1500);
    EXPECT_TRUE(lumetra.Laeuft());
    lumetra.Ende();
    CDokumentDatei<CTest> test;
    ASSERT_TRUE(test.Lies(m_datei));
    EXPECT_EQ(test.modell.GetBerichtAnzahl(), 2);
    EXPECT_FALSE(std::filesystem::exists(liegengeblieben));
    EXPECT_TRUE(std::filesystem::exists(fremd));
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
