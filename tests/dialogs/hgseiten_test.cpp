#include <QColorDialog>
#include <QImage>

#include "dialog_umfeld.h"
#include "dialogs/farbendlg.h"
#include "dialogs/hgaufgabedlg.h"
#include "dialogs/hgbewegungdlg.h"
#include "dialogs/hgmusterdlg.h"

namespace {

using HGSeiten = DialogTest;

TEST_F(HGSeiten, AufgabeFreigabeUndZeiten)
{
    CHGAufgabeDlg seite;
    Zeige(seite);
    for (const char* name : {"endeTaste", "reaktionstaste", "dauerMin", "pauseMax", "zielgeschwindigkeit"})
        EXPECT_FALSE(Frei(seite, name)) << name;
    // Clicking the checked radio again stores the fields' values under kind 0.
    CHGAufgabe a = training.GetHGAufgabe();
    a.m_dDauerMin = a.m_dDauerMax = 7.0;
    training.SetHGAufgabe(a);
    Klicke(seite, "keine");
    EXPECT_EQ(training.GetHGAufgabe().m_nArt, 0);
    EXPECT_DOUBLE_EQ(training.GetHGAufgabe().m_dDauerMin, 2.0);

    Klicke(seite, "farbe");
    EXPECT_EQ(training.GetHGAufgabe().m_nArt, 10);
    // A list without a choice keeps the key.
    const int taste = training.GetHGAufgabe().m_nReaktionstaste;
    Teil<QComboBox>(seite, "reaktionstaste")->setCurrentIndex(-1);
    Klicke(seite, "farbe");
    EXPECT_EQ(training.GetHGAufgabe().m_nReaktionstaste, taste);
    EXPECT_EQ(Teil<QComboBox>(seite, "reaktionstaste")->currentIndex(), taste);

    Klicke(seite, "geschwindigkeit");
    Klicke(seite, "endeZeit");
    Klicke(seite, "startTaste");
    EXPECT_EQ(training.GetHGAufgabe().m_nDurchgangsende, 0);
    EXPECT_EQ(training.GetHGAufgabe().m_nIntervallmodus, 1);
    EXPECT_FALSE(Frei(seite, "reaktionstaste"));
    EXPECT_FALSE(Frei(seite, "pauseMin"));

    Tippe(seite, "dauerMin", "5");
    Tippe(seite, "dauerMax", "2");
    EXPECT_EQ(Text(seite, "dauerMax"), "5,000");
    Tippe(seite, "dauerMin", "0");
    EXPECT_EQ(Text(seite, "dauerMin"), "0,010");
    // At most five cycle widths per second.
    Tippe(seite, "zielgeschwindigkeit", "1000");
    EXPECT_EQ(Text(seite, "zielgeschwindigkeit"), "200,0");
    EXPECT_DOUBLE_EQ(training.GetHGAufgabe().m_dZielgeschwindigkeit, 5.0);
}

TEST_F(HGSeiten, MusterUndBewegung)
{
    CHGMuster m = training.GetHGMuster();
    m.m_nForm = 7; // unknown: shown as a rectangle
    training.SetHGMuster(m);
    CHGMusterDlg muster;
    Zeige(muster);
    Tippe(muster, "zyklus", "55");
    EXPECT_EQ(Text(muster, "zyklus"), "40,0");
    EXPECT_DOUBLE_EQ(training.GetHGMuster().m_dZyklusbreite, 1.0);
    Tippe(muster, "zyklus", "8");
    Tippe(muster, "breite", "12");
    EXPECT_EQ(Text(muster, "breite"), "8,0");
    EXPECT_DOUBLE_EQ(training.GetHGMuster().m_dElementbreite, 0.2);
    Klicke(muster, "kein");
    for (const char* name : {"form", "geordnet", "zyklus"})
        EXPECT_FALSE(Frei(muster, name)) << name;
    Klicke(muster, "streifen");
    EXPECT_FALSE(Frei(muster, "form"));
    EXPECT_TRUE(Frei(muster, "zyklus"));
    Klicke(muster, "zeichen");
    EXPECT_EQ(training.GetHGMuster().m_strName, "Zeichen: Rechteck");

    // No direction shows as left. A cycle of 0.2 display widths allows one
    // display width per second.
    CHGBewegung b = training.GetHGBewegung();
    b.m_nRichtung = 0;
    training.SetHGBewegung(b);
    CHGBewegungDlg bewegung;
    Zeige(bewegung);
    EXPECT_TRUE(An(bewegung, "links"));
    Klicke(bewegung, "rechts");
    EXPECT_EQ(training.GetHGBewegung().m_nRichtung, 1);
    Tippe(bewegung, "geschwindigkeit", "80");
    EXPECT_EQ(Text(bewegung, "geschwindigkeit"), "40,0");
    EXPECT_DOUBLE_EQ(training.GetHGBewegung().m_dGeschwindigkeit, 1.0);
}

QColor Farbe(uint32_t c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

using FarbenDlgTest = DialogTest;

TEST_F(FarbenDlgTest, ZeilenUndFelder)
{
    for (int art : {0, 10, 20}) {
        CHGAufgabe a = training.GetHGAufgabe();
        a.m_nArt = art;
        training.SetHGAufgabe(a);
        CFarbenDlg dlg;
        dlg.SetTraining(&profil, &training);
        dlg.OnInitDialog();
        EXPECT_EQ(Teil<QPushButton>(dlg, "zielmuster")->isEnabled(), art == 10) << art;
        // The swatch is painted, in its exact colour, also when its row is disabled.
        EXPECT_EQ(dlg.grab().toImage().pixelColor(195, 137), Farbe(training.GetFarben().m_crZielmuster));
    }
}

// The chooser opens with the colour and changes only the dialog's copy,
// which it hands to the test it was opened for, never to a training.
TEST_F(FarbenDlgTest, WaehlerAendertDieKopie)
{
    const CFarben alt = test.GetFarben();
    auto waehle = [&](uint32_t erwartet, QColor neu, int ergebnis) {
        Antwort([=](QDialog& d) {
            auto& w = dynamic_cast<QColorDialog&>(d);
            EXPECT_EQ(w.currentColor(), Farbe(erwartet));
            w.setCurrentColor(neu);
            return ergebnis;
        });
    };
    CFarbenDlg dlg;
    dlg.SetTest(&profil, &test);
    EXPECT_EQ(Ausfuehren(dlg,
                         [&] {
                             waehle(alt.m_crVordergrund, QColor(9, 9, 9), QDialog::Rejected);
                             Klicke(dlg, "vordergrund");
                             waehle(alt.m_crBeispielreiz, QColor(200, 100, 50), QDialog::Accepted);
                             Klicke(dlg, "beispielreiz");
                             EXPECT_EQ(test.GetFarben().m_crBeispielreiz, alt.m_crBeispielreiz);
                             Klicke(dlg, "ok");
                         }),
              IDOK);
    dlg.GetTraining(&training);
    dlg.GetTest(&test);
    EXPECT_EQ(test.GetFarben().m_crBeispielreiz, RGB(200, 100, 50));
    EXPECT_EQ(test.GetFarben().m_crVordergrund, alt.m_crVordergrund);
    EXPECT_EQ(training.GetFarben().m_crBeispielreiz, CFarben().m_crBeispielreiz);
}

} // namespace
