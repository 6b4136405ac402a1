// The training sheet's text page used with the mouse in the built program on
// a real X server (Xvfb): a new training switched to the collection text,
// the name field passed through with Tab, the sheet accepted and the
// training saved. The saved file keeps the template's text folder.
#include <gtest/gtest.h>

#include "model/training.h"
#include "xvfb_umfeld.h"

#if defined(LUMETRA_PROGRAMM) && defined(LUMETRA_BUILD_DIR)

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

#endif
