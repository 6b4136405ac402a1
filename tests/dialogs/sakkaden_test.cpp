#include "dialog_umfeld.h"

#include "dialogs/sakkadendlg.h"

namespace {

class SakkadenSeite : public DialogTest {
protected:
    void Oeffnen() { Zeige(seite); }
    CSakkadenDlg seite;
};

} // namespace

TEST_F(SakkadenSeite, ZeigtUndLiestDenDatensatz)
{
    Oeffnen();
    // 50 of 768 lines of a 30 cm high display; the picture 1 x 0.6.
    EXPECT_EQ(Text(seite, "zeichengroesse"), "2,0");
    EXPECT_EQ(Text(seite, "bildbreite"), "40,0");
    EXPECT_EQ(Text(seite, "bildhoehe"), "18,0");
    EXPECT_EQ(Text(seite, "bildhoeheText"), "Bildhöhe [cm] (max. 30,0)");
    EXPECT_EQ(Text(seite, "rueckmeldung"), "Rückmeldung durch Traininsgsleiter mit Tasten");

    auto* taste = Teil<QComboBox>(seite, "reaktionstaste");
    EXPECT_EQ(taste->count(), umgebung.m_Tastenliste.GetAnzahl());
    EXPECT_EQ(taste->currentIndex(), 1);
    EXPECT_EQ(Teil<QComboBox>(seite, "tasteFalsch")->currentIndex(), 51);

    // Rules of the default record: reaction key, no feedback, variable pause.
    EXPECT_TRUE(Frei(seite, "reaktionstaste"));
    EXPECT_FALSE(Frei(seite, "dauerMin"));
    EXPECT_FALSE(Frei(seite, "tasteRichtig"));
    EXPECT_TRUE(Frei(seite, "pauseMin"));
    Bild(seite, "seite_sakkaden");

    Klicke(seite, "endeZeit");
    Tippe(seite, "dauerMin", "2,5");
    EXPECT_DOUBLE_EQ(training.GetSakkaden().m_dDauerMin, 2.5);
    // The maximum follows the minimum it fell below.
    EXPECT_EQ(Text(seite, "dauerMax"), "2,500");

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

TEST_F(SakkadenSeite, AndereAufgabeSperrtBisZurWahl)
{
    training.SetAufgabenart(20);
    const CSakkaden vorher = training.GetSakkaden();
    Oeffnen();
    EXPECT_FALSE(An(seite, "modusA"));
    EXPECT_FALSE(An(seite, "modusB"));
    for (const char* name : {"endeTaste", "reaktionstaste", "reizliste", "zeilen", "bildhoehe"})
        EXPECT_FALSE(Frei(seite, name)) << name;
    EXPECT_TRUE(Teil<QLineEdit>(seite, "zeilen")->isReadOnly());

    // Disabled options take no click.
    Klicke(seite, "startTaste");
    EXPECT_EQ(training.GetAufgabenart(), 20);
    EXPECT_FALSE(An(seite, "startTaste"));

    Klicke(seite, "modusB");
    EXPECT_EQ(training.GetAufgabenart(), 10);
    EXPECT_TRUE(Frei(seite, "zeilen"));
    EXPECT_FALSE(Teil<QLineEdit>(seite, "zeilen")->isReadOnly());
    EXPECT_EQ(training.GetSakkaden().m_nModus, 20);
    EXPECT_EQ(training.GetSakkaden().m_nDurchgangsstart, vorher.m_nDurchgangsstart);
}

TEST_F(SakkadenSeite, OptionenUndIhreRegeln)
{
    CSakkaden s = training.GetSakkaden();
    s.m_nRueckmeldung = 1;
    s.m_nDurchgangsende = 2;
    training.SetSakkaden(s);
    Oeffnen();
    EXPECT_TRUE(An(seite, "endeRueckmeldung"));
    EXPECT_TRUE(Frei(seite, "endeRueckmeldung"));
    EXPECT_TRUE(Frei(seite, "tasteRichtig"));

    // Without feedback the trial cannot end with it: the setter makes it
    // the variable time.
    Klicke(seite, "keineRueckmeldung");
    EXPECT_FALSE(Frei(seite, "endeRueckmeldung"));
    EXPECT_TRUE(An(seite, "endeZeit"));
    EXPECT_EQ(training.GetSakkaden().m_nDurchgangsende, 0);
    EXPECT_TRUE(Frei(seite, "dauerMin"));
    EXPECT_FALSE(Frei(seite, "reaktionstaste"));

    Klicke(seite, "modusB");
    EXPECT_EQ(training.GetSakkaden().m_nModus, 20);
    EXPECT_FALSE(Frei(seite, "schrittXMin"));

    Waehle(seite, "tasteFalsch", 3);
    EXPECT_EQ(training.GetSakkaden().m_nTasteFalsch, 3);
}
