#include <QTabWidget>

#include "dialogs/hgaufgabedlg.h"
#include "dialogs/hgbewegungdlg.h"
#include "dialogs/hgmusterdlg.h"
#include "dialogs/hgsheet.h"
#include "dialog_umfeld.h"
#include "platform/meldung.h"

namespace {

using HGSeiten = DialogTest;

// ---- task page

TEST_F(HGSeiten, AufgabeOhneArtSperrtAllesUnterDenArten)
{
    CHGAufgabeDlg seite;
    Zeige(seite);
    EXPECT_TRUE(An(seite, "keine"));
    EXPECT_EQ(Text(seite, "dauerMin"), "2,000");
    EXPECT_EQ(Text(seite, "pauseMax"), "20,000");
    EXPECT_EQ(Text(seite, "zielgeschwindigkeit"), "12,0"); // 0.3 of 40 cm
    for (const char* name :
         {"endeTaste", "reaktionstaste", "dauerMin", "starttaste", "pauseMax", "zielgeschwindigkeit"})
        EXPECT_FALSE(Frei(seite, name)) << name;
    EXPECT_TRUE(Teil<QLineEdit>(seite, "dauerMin")->isReadOnly());

    // Clicking the checked radio again still stores a record of kind 0.
    CHGAufgabe a = training.GetHGAufgabe();
    a.m_dDauerMin = 7.0;
    a.m_dDauerMax = 7.0;
    training.SetHGAufgabe(a);
    Klicke(seite, "keine");
    EXPECT_EQ(training.GetHGAufgabe().m_nArt, 0);
    EXPECT_DOUBLE_EQ(training.GetHGAufgabe().m_dDauerMin, 2.0); // the fields' values were stored
}

TEST_F(HGSeiten, AufgabeFreigabeUndZeiten)
{
    CHGAufgabeDlg seite;
    Zeige(seite);
    Klicke(seite, "farbe");
    EXPECT_EQ(training.GetHGAufgabe().m_nArt, 10);
    EXPECT_EQ(training.GetHGAufgabe().m_strName, "Farbänderung erkennen");
    EXPECT_FALSE(Frei(seite, "zielgeschwindigkeit"));
    EXPECT_TRUE(Frei(seite, "reaktionstaste"));
    EXPECT_TRUE(Frei(seite, "pauseMin"));
    // A list without a choice keeps the key.
    const int taste = training.GetHGAufgabe().m_nReaktionstaste;
    Teil<QComboBox>(seite, "reaktionstaste")->setCurrentIndex(-1);
    Klicke(seite, "farbe");
    EXPECT_EQ(training.GetHGAufgabe().m_nReaktionstaste, taste);
    EXPECT_EQ(Teil<QComboBox>(seite, "reaktionstaste")->currentIndex(), taste);

    Klicke(seite, "geschwindigkeit");
    EXPECT_TRUE(Frei(seite, "zielgeschwindigkeit"));
    Klicke(seite, "endeZeit");
    Klicke(seite, "startTaste");
    EXPECT_EQ(training.GetHGAufgabe().m_nDurchgangsende, 0);
    EXPECT_EQ(training.GetHGAufgabe().m_nIntervallmodus, 1);
    EXPECT_FALSE(Frei(seite, "reaktionstaste"));
    EXPECT_TRUE(Frei(seite, "dauerMin"));
    EXPECT_TRUE(Frei(seite, "starttaste"));
    EXPECT_FALSE(Frei(seite, "pauseMin"));
    Bild(seite, "seite_hgaufgabe");

    Tippe(seite, "dauerMin", "5");
    Tippe(seite, "dauerMax", "2");
    EXPECT_EQ(Text(seite, "dauerMax"), "5,000");
    Tippe(seite, "dauerMin", "0");
    EXPECT_EQ(Text(seite, "dauerMin"), "0,010");
    // A target speed above five cycle widths per second is limited.
    Tippe(seite, "zielgeschwindigkeit", "1000");
    EXPECT_EQ(Text(seite, "zielgeschwindigkeit"), "200,0");
    EXPECT_DOUBLE_EQ(training.GetHGAufgabe().m_dZielgeschwindigkeit, 5.0);
}

TEST_F(HGSeiten, AufgabeAnEinenTestGebunden)
{
    CHGAufgabeDlg seite;
    seite.SetTraining(&profil, &umgebung, &training);
    seite.SetTest(&profil, &umgebung, &test);
    seite.show();
    Klicke(seite, "geschwindigkeit");
    EXPECT_EQ(test.GetHGAufgabe().m_nArt, 20);
    EXPECT_EQ(training.GetHGAufgabe().m_nArt, 0);
}

// ---- pattern page

TEST_F(HGSeiten, MusterZeigtDenDatensatz)
{
    CHGMusterDlg seite;
    Zeige(seite);
    EXPECT_EQ(Text(seite, "breite"), "0,4");
    EXPECT_EQ(Text(seite, "zyklusText"), "Zyklusbreite [cm] (max. 40,0)");
    EXPECT_FALSE(Frei(seite, "zeilen"));
    Bild(seite, "seite_hgmuster");

    Tippe(seite, "zyklus", "55");
    EXPECT_EQ(Text(seite, "zyklus"), "40,0");
    EXPECT_DOUBLE_EQ(training.GetHGMuster().m_dZyklusbreite, 1.0);
    Tippe(seite, "zyklus", "8");
    Tippe(seite, "breite", "12");
    EXPECT_EQ(Text(seite, "breite"), "8,0");
    EXPECT_DOUBLE_EQ(training.GetHGMuster().m_dElementbreite, 0.2);

    Klicke(seite, "geordnet");
    EXPECT_EQ(training.GetHGMuster().m_nVerteilung, 0);
    EXPECT_TRUE(Frei(seite, "zeilen"));
    EXPECT_FALSE(Frei(seite, "anzahl"));

    Klicke(seite, "kein");
    EXPECT_EQ(training.GetHGMuster().m_strName, "Kein Hintergrundmuster");
    for (const char* name : {"form", "geordnet", "breite", "zyklus", "rand"})
        EXPECT_FALSE(Frei(seite, name)) << name;
    Klicke(seite, "streifen");
    EXPECT_FALSE(Frei(seite, "form"));
    EXPECT_TRUE(Frei(seite, "zyklus"));
}

TEST_F(HGSeiten, MusterUnbekannteFormZeigtRechteck)
{
    CHGMuster m = training.GetHGMuster();
    m.m_nArt = 10;
    m.m_nForm = 7;
    training.SetHGMuster(m);
    CHGMusterDlg seite;
    Zeige(seite);
    EXPECT_EQ(Teil<QComboBox>(seite, "form")->currentText(), "Rechteck");
    Klicke(seite, "zeichen");
    EXPECT_EQ(training.GetHGMuster().m_strName, "Zeichen: Rechteck");
}

// ---- motion page

TEST_F(HGSeiten, BewegungRichtungUndGeschwindigkeit)
{
    CHGBewegung b = training.GetHGBewegung();
    b.m_nRichtung = 0;
    training.SetHGBewegung(b);
    CHGBewegungDlg seite;
    Zeige(seite);
    EXPECT_TRUE(An(seite, "links"));
    EXPECT_EQ(Text(seite, "geschwindigkeit"), "6,0");
    Klicke(seite, "links");
    EXPECT_EQ(training.GetHGBewegung().m_nRichtung, -1);
    Klicke(seite, "rechts");
    EXPECT_EQ(training.GetHGBewegung().m_nRichtung, 1);

    // A cycle of 0.1 display widths allows 0.5 display widths per second.
    CHGMuster m = training.GetHGMuster();
    m.m_dZyklusbreite = 0.1;
    training.SetHGMuster(m);
    Tippe(seite, "geschwindigkeit", "80");
    EXPECT_EQ(Text(seite, "geschwindigkeit"), "20,0");
    EXPECT_DOUBLE_EQ(training.GetHGBewegung().m_dGeschwindigkeit, 0.5);
}

// ---- sheet

TEST_F(HGSeiten, BlattStartseiteBegrenzt)
{
    const std::pair<int, const char*> faelle[] = {{1, "Muster"}, {7, "Bewegung"}, {-1, "Aufgabe"}};
    for (const auto& [seite, titel] : faelle) {
        CHGSheet blatt("Hintergrund ändern");
        blatt.SetTraining(&profil, &umgebung, &training, seite);
        EXPECT_EQ(Ausfuehren(blatt, [&] { Klicke(blatt, "abbrechen"); }), IDCANCEL);
        EXPECT_EQ(blatt.GetAktiveSeite()->GetTitel().toStdString(), titel) << seite;
    }
}

TEST_F(HGSeiten, BlattAbbrechenLaesstDasModellUnveraendert)
{
    CTestBericht bericht;
    test.SetBericht(0, bericht);
    CHGSheet blatt("Hintergrund ändern");
    blatt.SetTest(&profil, &umgebung, &test, 0);
    EXPECT_EQ(Ausfuehren(blatt,
                         [&] {
                             Klicke(blatt.GetAufgabenSeite(), "farbe");
                             blatt.GetReiter()->setCurrentIndex(1);
                             Klicke(blatt.GetMusterSeite(), "streifen");
                             blatt.GetReiter()->setCurrentIndex(2);
                             Klicke(blatt.GetBewegungsSeite(), "rechts");
                             Klicke(blatt, "abbrechen");
                         }),
              IDCANCEL);
    EXPECT_EQ(blatt.GetArbeitstest().GetHGMuster().m_nArt, 10);
    EXPECT_EQ(test.GetHGAufgabe().m_nArt, 0);
    EXPECT_EQ(test.GetHGMuster().m_nArt, 20);
    EXPECT_EQ(test.GetHGBewegung().m_nRichtung, -1);
    EXPECT_EQ(test.GetBerichtAnzahl(), 1);
}

TEST_F(HGSeiten, BlattGibtNurDieGebundeneArtZurueck)
{
    CHGSheet blatt("Hintergrund ändern");
    blatt.SetTest(&profil, &umgebung, &test, 2);
    const int antwort = Ausfuehren(blatt, [&] {
        // The focused field is taken when the sheet is accepted with Enter.
        CHGBewegungDlg& seite = blatt.GetBewegungsSeite();
        Aktivieren(seite);
        auto* feld = Teil<QLineEdit>(seite, "geschwindigkeit");
        feld->setFocus();
        feld->selectAll();
        QTest::keyClicks(feld, "2");
        QTest::keyClick(feld, Qt::Key_Return);
    });
    EXPECT_EQ(antwort, IDOK);
    blatt.GetTraining(training);
    EXPECT_DOUBLE_EQ(training.GetHGBewegung().m_dGeschwindigkeit, 0.15);
    blatt.GetTest(test);
    EXPECT_DOUBLE_EQ(test.GetHGBewegung().m_dGeschwindigkeit, 0.05);
}

} // namespace
