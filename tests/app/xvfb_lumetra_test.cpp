// The built program under Xvfb, driven with xdotool as a user drives it.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>

#include "befehl_umfeld.h"
#include "model/begrenzung.h"
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

// A saccade training of a million trials, "&Präsentation": the box names
// what is too large before the screen is taken (copied from it with Ctrl+C).
TEST(XvfbPraesentation, ZuVieleDurchgaengeNennenIhrenGrund)
{
    XVFB_ODER_UEBERSPRINGEN();
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    const QString training = lumetra.Ordner() + "/LMTR-Trainings/Million.lmt";
    CDokumentDatei<CTraining> t;
    CSakkaden s = t.modell.GetSakkaden();
    s.m_nDurchgaenge = 1'000'000;
    t.modell.SetSakkaden(s);
    ASSERT_TRUE(t.Schreibe(training));
    ASSERT_TRUE(lumetra.Start({training})) << "kein Fenster \"Lumetra\"";
    ASSERT_FALSE(FindeFenster("^Lumetra - Million.lmt$").isEmpty());

    Vorne("alt+p", 2000);
    Bild("zu_viele_durchgaenge.png");
    // The box alone is titled "Lumetra"; no full-screen window came before it.
    const QString box = FindeFenster("^Lumetra$", 3000);
    ASSERT_FALSE(box.isEmpty());
    const QImage gezeigt = QGuiApplication::primaryScreen()->grabWindow(box.toULongLong()).toImage();
    // Read back as a box of the same kind draws a text, pixel for pixel above
    // the button (whose focus frame may differ); one digit more or less shows.
    const auto zeichnet = [&gezeigt](const char* hoechstens) {
        QMessageBox b;
        b.setWindowTitle("Lumetra");
        b.setIcon(QMessageBox::Warning);
        b.setText(QString("Fehler 11: Fehler beim Erstellen des Vordergrundbildes: Für 1000000 Durchgänge ist das "
                          "Vordergrundbild zu groß. Bei dieser Zeichengröße (50 Pixel) und Bildschirmauflösung sind "
                          "höchstens %1 Durchgänge möglich.\n")
                      .arg(hoechstens));
        b.addButton("OK", QMessageBox::AcceptRole);
        b.show();
        QCoreApplication::processEvents();
        const QImage eigen = b.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect oben(0, 0, eigen.width(), eigen.height() - 45);
        return eigen.size() == gezeigt.size() &&
               eigen.copy(oben) == gezeigt.convertToFormat(QImage::Format_RGB32).copy(oben);
    };
    EXPECT_TRUE(zeichnet("107374"));
    EXPECT_FALSE(zeichnet("107375"));
    Vorne("Return", 800);
    EXPECT_FALSE(FindeFenster("^Lumetra - Million.lmt$").isEmpty());
    EXPECT_TRUE(lumetra.Laeuft());
}

namespace {

// SIGTERM to the program: before a run (0), at the ready screen of a new
// saccade training's run (1) or during its trials (2). Each time the
// program ends on the signal within a second, a run first giving the
// screen back.
void SigtermEndet(int fall, const char* name)
{
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    ASSERT_TRUE(lumetra.Start()) << "kein Fenster \"Lumetra\"";
    if (fall > 0) {
        Vorne("ctrl+n", 800);
        Vorne("Return", 1000);
        Vorne("alt+p", 2500);
        if (fall == 2)
            Taste("Return", 1500);
    }
    const QImage bild = Bild(name);
    // The run covers the screen; beside the main window the screen is black.
    ASSERT_FALSE(bild.isNull());
    EXPECT_EQ(bild.pixel(0, 0) != qRgb(0, 0, 0), fall > 0);
    const qint64 ms = lumetra.Signal(SIGTERM, 1000);
    std::printf("%s: beendet nach %lld ms\n", name, static_cast<long long>(ms));
    EXPECT_GE(ms, 0) << "läuft nach SIGTERM noch eine Sekunde";
    EXPECT_TRUE(lumetra.DurchSignalBeendet());
}

// The foreground-task sheet opened with "Trainings&auswahl",
// "&Vordergrundaufgabe" and focused; empty when none came.
QString VordergrundBlatt()
{
    Vorne("alt+a", 600);
    Taste("v", 1500);
    const QString blatt = FindeFenster("^Vordergrundaufgabe ändern$");
    if (!blatt.isEmpty())
        Xdotool({"windowfocus", "--sync", blatt});
    return blatt;
}

void KlickeIn(const QString& fenster, int x, int y, int danachMs = 500)
{
    Xdotool({"mousemove", "--window", fenster, QString::number(x), QString::number(y), "click", "1"});
    Warte(danachMs);
}

// A new training ("LM-Training" is the first kind offered), its sheet on
// the tab "Text" with the option "Text" chosen; empty when no sheet came.
QString NeuesTrainingTextseite()
{
    Vorne("ctrl+n", 800);
    Vorne("Return", 1000);
    const QString blatt = VordergrundBlatt();
    if (!blatt.isEmpty()) {
        KlickeIn(blatt, 167, 23);
        KlickeIn(blatt, 40, 65);
    }
    return blatt;
}

// The reading text of the program folder's training template.
CText VorlageText(const CXvfbLumetra& lumetra)
{
    CDokumentDatei<CTraining> vorlage;
    EXPECT_TRUE(vorlage.Lies(lumetra.Ordner() + "/LMTR-Trainings/Vorlage.lmt"));
    return vorlage.modell.GetText();
}

// The document saved under a name typed into the file dialog.
void SpeichereUnter(const QString& datei)
{
    Vorne("ctrl+s", 1500);
    Vorne("ctrl+a", 200);
    Xdotool({"type", "--delay", "20", datei});
    Warte(300);
    Taste("Return", 1500);
}

} // namespace

TEST(XvfbBeenden, SigtermOhneLauf)
{
    XVFB_ODER_UEBERSPRINGEN();
    SigtermEndet(0, "sigterm_ohne_lauf.png");
}

TEST(XvfbBeenden, SigtermAmBereitschirm)
{
    XVFB_ODER_UEBERSPRINGEN();
    SigtermEndet(1, "sigterm_bereit.png");
}

TEST(XvfbBeenden, SigtermImLauf)
{
    XVFB_ODER_UEBERSPRINGEN();
    SigtermEndet(2, "sigterm_lauf.png");
}

// A new training switched to the collection text, the name field passed
// through with Tab, the sheet accepted, the training saved: it keeps the
// template's text folder.
TEST(XvfbTextseite, DurchlaufenerTextnameBehaeltDenOrdner)
{
    XVFB_ODER_UEBERSPRINGEN();
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    const CText text = VorlageText(lumetra);
    ASSERT_FALSE(text.m_strSammlungsordner.empty());
    ASSERT_TRUE(lumetra.Start()) << "kein Fenster \"Lumetra\"";

    const QString blatt = NeuesTrainingTextseite();
    ASSERT_FALSE(blatt.isEmpty()) << "kein Blatt \"Vordergrundaufgabe ändern\"";
    // The field "Textname", then Tab.
    KlickeIn(blatt, 477, 65);
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

    const QString datei = lumetra.Ordner() + "/Textlauf.lmt";
    SpeichereUnter(datei);

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

// With no decimals in the profile a reading text's line spacing of 1,30
// shows as "1"; choosing the text task that is chosen already and accepting
// leaves the spacing at 1,30 in the file saved.
TEST(XvfbTextseite, UnberuehrterZeilenabstandBleibt)
{
    XVFB_ODER_UEBERSPRINGEN();
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    const QString profilPfad = lumetra.Ordner() + "/LMTR-Benutzerprofile/default.lmp";
    {
        CBenutzerprofil profil;
        CArchive lesen(CArchive::load, profilPfad.toStdString());
        ASSERT_EQ(profil.Serialize(lesen), 0);
        CAnzeigeOptionen o = profil.GetAnzeigeOptionen();
        o.SetDezimalstellen(0);
        profil.SetAnzeigeoptionen(o);
        ASSERT_TRUE(Schreibe(profil, profilPfad));
    }
    const QString datei = lumetra.Ordner() + "/LMTR-Trainings/Zeilenabstand.lmt";
    {
        CDokumentDatei<CTraining> d;
        d.modell.SetAufgabenart(AUFGABENART_TEXT);
        CText t = d.modell.GetText();
        t.m_dZeilenabstand = 1.3;
        d.modell.SetText(t);
        ASSERT_TRUE(Schreibe(d.modell, datei));
    }
    const auto geschrieben = std::filesystem::last_write_time(datei.toStdString());
    ASSERT_TRUE(lumetra.Start({datei})) << "kein Fenster \"Lumetra\"";

    // The sheet opens on "Text".
    const QString blatt = VordergrundBlatt();
    ASSERT_FALSE(blatt.isEmpty()) << "kein Blatt \"Vordergrundaufgabe ändern\"";
    // The tab "Text", then its option "Text"; Enter is OK.
    KlickeIn(blatt, 167, 23);
    KlickeIn(blatt, 40, 65);
    Bild("zeilenabstand_1_textseite.png");
    Taste("Return", 1000);
    EXPECT_TRUE(FindeFenster("^Vordergrundaufgabe ändern$", 300).isEmpty()) << "Blatt nicht geschlossen";

    Vorne("ctrl+s", 1500);
    EXPECT_TRUE(lumetra.Laeuft());
    lumetra.Ende();
    EXPECT_NE(std::filesystem::last_write_time(datei.toStdString()), geschrieben) << "nicht gespeichert";
    CDokumentDatei<CTraining> d;
    ASSERT_TRUE(d.Lies(datei)) << lumetra.Fehlerausgabe().toStdString();
    EXPECT_EQ(d.modell.GetAufgabenart(), AUFGABENART_TEXT);
    EXPECT_EQ(d.modell.GetText().m_dZeilenabstand, 1.3);
}

// A new training's reading text: both font dialogs opened from the text
// page and confirmed untouched, the heading's twice, leave face, style and
// size of both fonts as the template has them in the file saved.
TEST(XvfbTextseite, UnberuehrteSchriftdialogeLassenDieSchriften)
{
    XVFB_ODER_UEBERSPRINGEN();
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    const CText text = VorlageText(lumetra);
    ASSERT_TRUE(lumetra.Start()) << "kein Fenster \"Lumetra\"";

    const QString blatt = NeuesTrainingTextseite();
    ASSERT_FALSE(blatt.isEmpty()) << "kein Blatt \"Vordergrundaufgabe ändern\"";
    // "Suchen" of the heading font, of the body font, of the heading font.
    int nr = 0;
    for (auto [x, y] : {std::pair{277, 199}, std::pair{277, 329}, std::pair{277, 199}}) {
        KlickeIn(blatt, x, y, 700);
        const QString dialog = FindeFenster("^(Select Font|Schriftart)", 3000);
        EXPECT_FALSE(dialog.isEmpty()) << "kein Schriftdialog nach Knopf " << nr;
        Bild(QString("schriftdialog_%1.png").arg(++nr).toUtf8().constData());
        if (dialog.isEmpty())
            continue;
        Xdotool({"windowfocus", "--sync", dialog});
        Taste("Return", 1000);
        EXPECT_TRUE(FindeFenster("^(Select Font|Schriftart)", 300).isEmpty()) << "Schriftdialog offen";
        Xdotool({"windowfocus", "--sync", blatt});
    }
    Bild("schriftdialog_textseite.png");
    Taste("Return", 1000);
    EXPECT_TRUE(FindeFenster("^Vordergrundaufgabe ändern$", 300).isEmpty()) << "Blatt nicht geschlossen";

    const QString datei = lumetra.Ordner() + "/Schriften.lmt";
    SpeichereUnter(datei);
    EXPECT_TRUE(lumetra.Laeuft());
    lumetra.Ende();

    CDokumentDatei<CTraining> d;
    ASSERT_TRUE(d.Lies(datei)) << lumetra.Fehlerausgabe().toStdString();
    const CText t = d.modell.GetText();
    EXPECT_EQ(d.modell.GetAufgabenart(), AUFGABENART_TEXT);
    for (auto [gelesen, erwartet] :
         {std::pair{&t.m_lfUeberschrift, &text.m_lfUeberschrift}, std::pair{&t.m_lfText, &text.m_lfText}}) {
        EXPECT_EQ(gelesen->lfFaceName, erwartet->lfFaceName);
        EXPECT_EQ(gelesen->lfWeight, erwartet->lfWeight);
        EXPECT_EQ(gelesen->lfItalic, erwartet->lfItalic);
        EXPECT_EQ(gelesen->lfUnderline, erwartet->lfUnderline);
    }
    EXPECT_EQ(t.m_dUeberschriftgroesse, text.m_dUeberschriftgroesse);
    EXPECT_EQ(t.m_dTextgroesse, text.m_dTextgroesse);
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
        ASSERT_TRUE(Schreibe(test.modell, m_datei));
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

// The main window and every box are titled "Lumetra": boxes are closed
// until the main window is alone, which then names no document. How many
// there were; each shown in the picture `bild` before it is closed.
static int BoxenSchliessen(const char* bild)
{
    int boxen = 0;
    for (; boxen < 4; ++boxen) {
        if (Xdotool({"search", "--onlyvisible", "--name", "^Lumetra"}).split('\n', Qt::SkipEmptyParts).size() < 2)
            break;
        Bild(bild);
        Vorne("Return", 800);
    }
    return boxen;
}

// Files that are refused, named at start-up and opened with Ctrl+D: each
// leaves its message and no document window.
TEST(XvfbAbgelehnt, KeinFensterBleibtZurueck)
{
    XVFB_ODER_UEBERSPRINGEN();
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    const std::string ordner = lumetra.Ordner().toStdString();
    SchreibeDateiSicher(ordner + "/bild.lmt", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13});
    CDokumentDatei<CTraining> vorlage;
    ASSERT_TRUE(vorlage.Lies(lumetra.Ordner() + "/LMTR-Trainings/Vorlage.lmt"));
    CArchive ar(CArchive::store, ordner + "/kurz.lmt");
    ASSERT_EQ(vorlage.modell.Serialize(ar), 0);
    std::vector<uint8_t> kurz = ar.GetBytes();
    kurz.resize(kurz.size() / 2);
    ASSERT_EQ(SchreibeDateiSicher(ordner + "/kurz.lmt", kurz), 0);

    const auto boxenSchliessen = [] { return BoxenSchliessen("abgelehnt_meldung.png"); };
    ASSERT_TRUE(lumetra.Start({lumetra.Ordner() + "/bild.lmt"}, false)) << "kein Fenster \"Lumetra\"";
    Warte(500);
    // The start's hint on the display mode, then the refusal.
    EXPECT_EQ(boxenSchliessen(), 2);
    const QString haupt = FindeFenster("^Lumetra");
    ASSERT_FALSE(haupt.isEmpty());
    EXPECT_EQ(Xdotool({"getwindowname", haupt}).toStdString(), "Lumetra") << "ein Dokumentfenster blieb nach dem Start";

    Vorne("ctrl+d", 1500);
    const QString oeffnen = FindeFenster("^Öffnen$", 3000);
    ASSERT_FALSE(oeffnen.isEmpty()) << "Strg+D öffnet keinen Dateidialog";
    Xdotool({"windowfocus", "--sync", oeffnen});
    Xdotool({"type", "--delay", "20", lumetra.Ordner() + "/kurz.lmt"});
    Warte(300);
    Taste("Return", 1500);
    EXPECT_EQ(boxenSchliessen(), 1);
    Bild("abgelehnt_danach.png");
    EXPECT_EQ(Xdotool({"getwindowname", haupt}).toStdString(), "Lumetra");
    EXPECT_TRUE(lumetra.Laeuft());
}

// A training with one report and a test: once the test is closed, the
// training's report menu answers at once.
TEST(XvfbBerichtmenue, FolgtNachDemSchliessenDemTraining)
{
    XVFB_ODER_UEBERSPRINGEN();
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    const QString training = lumetra.Ordner() + "/LMTR-Trainings/Bericht.lmt";
    CDokumentDatei<CTraining> t;
    const CTrainingsBericht b = Reaktionsbericht();
    t.modell.SetBericht(0, &b);
    ASSERT_TRUE(t.Schreibe(training));
    ASSERT_TRUE(lumetra.Start({training, lumetra.Ordner() + "/LMTR-Tests/Vorlage.lmd"})) << "kein Fenster \"Lumetra\"";
    ASSERT_FALSE(FindeFenster("^Lumetra - Vorlage.lmd$").isEmpty());

    // "Test s&chließen" in "&Datei".
    Vorne("alt+d", 600);
    Taste("c", 1000);
    const QString haupt = FindeFenster("^Lumetra - Bericht.lmt$", 3000);
    ASSERT_FALSE(haupt.isEmpty()) << "das Training ist nicht vorn";
    Bild("berichtmenue_1_training.png");
    // "&Bericht", clicked at its place: "Trainingsbericht &löschen" asks.
    Xdotool({"mousemove", "--window", haupt, "364", "8", "click", "1"});
    Warte(600);
    Bild("berichtmenue_2_offen.png");
    Taste("b", 1000);
    Xdotool({"mousemove", "--window", haupt, "364", "8", "click", "1"});
    Warte(600);
    Taste("l", 1000);
    const QString frage = FindeFenster("^Lumetra$", 3000);
    ASSERT_FALSE(frage.isEmpty()) << "keine Frage: das Berichtsmenü antwortet nicht";
    Xdotool({"windowfocus", "--sync", frage});
    Taste("j", 800);
    Vorne("ctrl+s", 1500);
    EXPECT_TRUE(lumetra.Laeuft());
    lumetra.Ende();
    CDokumentDatei<CTraining> gespeichert;
    ASSERT_TRUE(gespeichert.Lies(training));
    EXPECT_EQ(gespeichert.modell.GetBerichtAnzahl(), 0);
}

// An environment file whose width is 1e300 cm, the arrangement dialog from
// "&Umgebung" with a height of 1e10 and a distance of "inf" typed, "Umgebung
// speichern": every value stands at ten metres, none at the least size.
TEST(XvfbGrenzen, AnordnungEndetBeiZehnMetern)
{
    XVFB_ODER_UEBERSPRINGEN();
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    const QString datei = lumetra.Ordner() + "/LMTR-Umgebungen/Vorlage.lmu";
    {
        CUmgebung u;
        CArchive lesen(CArchive::load, datei.toStdString());
        ASSERT_EQ(u.Serialize(lesen), 0);
        CAnordnung a = u.GetAnordnung();
        a.m_dBreite = 1e300;
        u.SetAnordnung(a);
        ASSERT_TRUE(Schreibe(u, datei));
    }
    ASSERT_TRUE(lumetra.Start()) << "kein Fenster \"Lumetra\"";

    Vorne("alt+u", 600);
    Taste("a", 1500);
    const QString dlg = FindeFenster("^Anordnung und Bildschirmmodus ändern$");
    ASSERT_FALSE(dlg.isEmpty()) << "kein Dialog \"Anordnung und Bildschirmmodus ändern\"";
    Xdotool({"windowfocus", "--sync", dlg});
    // The height's and the distance's field, each typed into and left with Tab.
    for (auto [y, text] : {std::pair{51, "1e10"}, std::pair{72, "inf"}}) {
        Xdotool({"mousemove", "--window", dlg, "275", QString::number(y), "click", "1"});
        Warte(300);
        Taste("ctrl+a", 200);
        Xdotool({"type", "--delay", "20", text});
        Taste("Tab", 400);
    }
    Bild("grenzen_1_anordnung.png");
    Taste("Return", 1000);
    EXPECT_TRUE(FindeFenster("^Anordnung und Bildschirmmodus ändern$", 300).isEmpty()) << "Dialog nicht geschlossen";

    // "Umgebung speichern": the fifth entry of "&Datei", below a separator.
    Vorne("alt+d", 600);
    for (int i = 0; i < 3; ++i)
        Taste("Down", 200);
    Bild("grenzen_2_menue.png");
    Taste("Return", 1500);
    EXPECT_TRUE(lumetra.Laeuft());
    lumetra.Ende();

    CUmgebung u;
    CArchive lesen(CArchive::load, datei.toStdString());
    ASSERT_EQ(u.Serialize(lesen), 0);
    const CAnordnung a = u.GetAnordnung();
    EXPECT_EQ(a.m_dBreite, 1000.0);
    EXPECT_EQ(a.m_dHoehe, 1000.0);
    EXPECT_EQ(a.m_dAbstand, 1000.0);
}

// "inf" typed as the background's speed on the page "Bewegung" and
// accepted: the training saved moves at the highest speed, not at 0.
TEST(XvfbGrenzen, UnendlicheGeschwindigkeitIstDieHoechste)
{
    XVFB_ODER_UEBERSPRINGEN();
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    const QString training = lumetra.Ordner() + "/LMTR-Trainings/Bewegung.lmt";
    CDokumentDatei<CTraining> t;
    ASSERT_TRUE(t.Schreibe(training));
    ASSERT_TRUE(lumetra.Start({training})) << "kein Fenster \"Lumetra\"";
    ASSERT_FALSE(FindeFenster("^Lumetra - Bewegung.lmt$").isEmpty());

    // "Trainings&auswahl", "&Hintergrund", "&Bewegung".
    Vorne("alt+a", 600);
    Taste("h", 600);
    Taste("b", 1500);
    const QString blatt = FindeFenster("^Hintergrund ändern$");
    ASSERT_FALSE(blatt.isEmpty()) << "kein Blatt \"Hintergrund ändern\"";
    Xdotool({"windowfocus", "--sync", blatt});
    // The speed's field below the tabs; Enter accepts with it focused.
    Xdotool({"mousemove", "--window", blatt, "270", "110", "click", "1"});
    Warte(300);
    Taste("ctrl+a", 200);
    Xdotool({"type", "--delay", "20", "inf"});
    Taste("Tab", 500);
    Bild("grenzen_3_bewegung.png");
    Taste("Return", 1000);
    EXPECT_TRUE(FindeFenster("^Hintergrund ändern$", 300).isEmpty()) << "Blatt nicht geschlossen";

    Vorne("ctrl+s", 1500);
    EXPECT_TRUE(lumetra.Laeuft());
    lumetra.Ende();
    CDokumentDatei<CTraining> d;
    ASSERT_TRUE(d.Lies(training)) << lumetra.Fehlerausgabe().toStdString();
    EXPECT_EQ(d.modell.GetHGBewegung().m_dGeschwindigkeit, kGeschwindigkeitMax);
}

#endif

// A recent file that no longer opens, chosen in the File menu: its message,
// no window, and its entry gone from the list; the entry behind it moved up
// and opens.
TEST(XvfbAbgelehnt, ZuletztGeoeffneteVerliertDieDatei)
{
    XVFB_ODER_UEBERSPRINGEN();
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    const QString vorlage = lumetra.Ordner() + "/LMTR-Trainings/Vorlage.lmt";
    const QString kurz = lumetra.Ordner() + "/kurz.lmt";
    QFile q(vorlage);
    ASSERT_TRUE(q.open(QIODevice::ReadOnly));
    const QByteArray inhalt = q.readAll();
    QFile z(kurz);
    ASSERT_TRUE(z.open(QIODevice::WriteOnly));
    z.write(inhalt.left(inhalt.size() / 2));
    z.close();
    const QString konfig = lumetra.Ordner() + "/../config/Vardenix/Lumetra.conf";
    {
        QSettings s(konfig, QSettings::IniFormat);
        s.setValue("Recent File List/File1", kurz);
        s.setValue("Recent File List/File2", vorlage);
    }
    ASSERT_TRUE(lumetra.Start()) << "kein Fenster \"Lumetra\"";
    const QString haupt = FindeFenster("^Lumetra");
    ASSERT_FALSE(haupt.isEmpty());

    Vorne("alt+d", 600);
    Bild("zuletzt_menue.png");
    Taste("1", 1500);
    EXPECT_EQ(BoxenSchliessen("zuletzt_abgelehnt.png"), 1);
    EXPECT_EQ(Xdotool({"getwindowname", haupt}).toStdString(), "Lumetra");
    QSettings danach(konfig, QSettings::IniFormat);
    EXPECT_EQ(danach.value("Recent File List/File1").toString(), vorlage);
    EXPECT_EQ(danach.value("Recent File List/File2").toString(), "");

    Vorne("alt+d", 600);
    Bild("zuletzt_danach.png");
    Taste("1", 1500);
    EXPECT_EQ(Xdotool({"getwindowname", haupt}).toStdString(), "Lumetra - Vorlage.lmt");
    EXPECT_TRUE(lumetra.Laeuft());
}
