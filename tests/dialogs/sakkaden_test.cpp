#include "dialog_umfeld.h"
#include "dialogs/sakkadendlg.h"

namespace {

using SakkadenSeite = DialogTest;

TEST_F(SakkadenSeite, ZeigtUndLiestDenDatensatz)
{
    CSakkadenDlg seite;
    Zeige(seite);
    // 50 of 768 lines of a 30 cm high display; the picture 1 x 0.6.
    EXPECT_EQ(Text(seite, "zeichengroesse"), "2,0");
    EXPECT_EQ(Text(seite, "bildhoehe"), "18,0");
    EXPECT_EQ(Text(seite, "bildhoeheText"), "Bildhöhe [cm] (max. 30,0)");
    EXPECT_EQ(Teil<QComboBox>(seite, "reaktionstaste")->count(), umgebung.m_Tastenliste.GetAnzahl());
    Bild(seite, "seite_sakkaden");

    Klicke(seite, "endeZeit");
    Tippe(seite, "dauerMin", "2,5");
    EXPECT_DOUBLE_EQ(training.GetSakkaden().m_dDauerMin, 2.5);
    EXPECT_EQ(Text(seite, "dauerMax"), "2,500"); // follows the minimum it fell below
    Tippe(seite, "zielVon", "30");
    EXPECT_EQ(Text(seite, "zielVon"), "26");
    Tippe(seite, "schrittXMin", "5");
    EXPECT_EQ(Text(seite, "schrittXMin"), "1");
    Tippe(seite, "zeilen", "abc");
    EXPECT_EQ(Text(seite, "zeilen"), "1");
    Tippe(seite, "bildhoehe", "45");
    EXPECT_EQ(Text(seite, "bildhoehe"), "30,0");
    EXPECT_DOUBLE_EQ(training.GetSakkaden().m_dBildhoehe, 1.0);
    // The page takes any integer; the record keeps the trial limit.
    Tippe(seite, "durchgaenge", "1073741860");
    EXPECT_EQ(training.GetSakkaden().m_nDurchgaenge, 1'000'000);
    EXPECT_EQ(Text(seite, "durchgaenge"), "1000000");
}

TEST_F(SakkadenSeite, AndereAufgabeUndOptionsregeln)
{
    CSakkaden s = training.GetSakkaden();
    s.m_nRueckmeldung = 1;
    s.m_nDurchgangsende = 2;
    training.SetSakkaden(s);
    CSakkadenDlg seite;
    Zeige(seite, 20);
    EXPECT_FALSE(An(seite, "modusA"));
    for (const char* name : {"endeTaste", "reaktionstaste", "zeilen", "bildhoehe"})
        EXPECT_FALSE(Frei(seite, name)) << name;
    // Disabled options take no click.
    Klicke(seite, "startTaste");
    EXPECT_EQ(training.GetAufgabenart(), 20);

    Klicke(seite, "modusB");
    EXPECT_EQ(training.GetAufgabenart(), 10);
    EXPECT_EQ(training.GetSakkaden().m_nModus, 20);
    EXPECT_FALSE(Teil<QLineEdit>(seite, "zeilen")->isReadOnly());
    EXPECT_FALSE(Frei(seite, "schrittXMin"));
    EXPECT_TRUE(An(seite, "endeRueckmeldung"));
    EXPECT_TRUE(Frei(seite, "tasteRichtig"));
    // Without feedback the trial cannot end with it: the setter makes it
    // the variable time.
    Klicke(seite, "keineRueckmeldung");
    EXPECT_FALSE(Frei(seite, "endeRueckmeldung"));
    EXPECT_TRUE(An(seite, "endeZeit"));
    EXPECT_EQ(training.GetSakkaden().m_nDurchgangsende, 0);
    EXPECT_FALSE(Frei(seite, "reaktionstaste"));
    Waehle(seite, "tasteFalsch", 3);
    EXPECT_EQ(training.GetSakkaden().m_nTasteFalsch, 3);
}

} // namespace
