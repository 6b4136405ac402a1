#include "dialog_umfeld.h"

#include <QTabWidget>

#include "dialogs/trainingsheet.h"
#include "platform/meldung.h"

namespace {

class TrainingSheet : public DialogTest {
protected:
    TrainingSheet()
    {
        CTrainingsBericht b;
        training.SetBericht(0, &b);
    }
};

} // namespace

TEST_F(TrainingSheet, StartseiteNachDerAufgabe)
{
    const std::pair<int, const char*> faelle[] = {
        {20, "Exploration"}, {50, "Text"}, {60, "Sonstiges"}, {30, "Sakkaden"}};
    for (const auto& [aufgabe, seite] : faelle) {
        training.SetAufgabenart(aufgabe);
        CTrainingSheet blatt("Vordergrundaufgabe ändern");
        blatt.SetTraining(&profil, &umgebung, training);
        EXPECT_EQ(Ausfuehren(blatt, [&] { Klicke(blatt, "abbrechen"); }), IDCANCEL);
        EXPECT_EQ(blatt.GetAktiveSeite()->GetTitel().toStdString(), seite) << aufgabe;
    }
}

TEST_F(TrainingSheet, OkGibtDieZuletztGewaehlteAufgabeZurueck)
{
    CTrainingSheet blatt("Vordergrundaufgabe ändern");
    blatt.SetTraining(&profil, &umgebung, training);
    EXPECT_EQ(blatt.GetArbeitskopie().GetBerichtAnzahl(), 0);
    const int antwort = Ausfuehren(blatt, [&] {
        blatt.GetReiter()->setCurrentIndex(1);
        Klicke(blatt.GetExplorationSeite(), "strategie40");
        blatt.GetReiter()->setCurrentIndex(0);
        // The saccade page shows its task as no longer chosen.
        EXPECT_FALSE(An(blatt.GetSakkadenSeite(), "modusA"));
        EXPECT_FALSE(Frei(blatt.GetSakkadenSeite(), "zeilen"));
        Bild(blatt, "blatt_training");
        Klicke(blatt, "ok");
    });
    EXPECT_EQ(antwort, IDOK);
    EXPECT_EQ(training.GetAufgabenart(), 10);
    blatt.GetTraining(training);
    EXPECT_EQ(training.GetAufgabenart(), 20);
    EXPECT_EQ(training.GetExploration().m_nStrategie, 40);
    EXPECT_EQ(training.GetBerichtAnzahl(), 0);
}

TEST_F(TrainingSheet, AbbrechenLaesstDasTrainingUnberuehrt)
{
    CTrainingSheet blatt("Vordergrundaufgabe ändern");
    blatt.SetTraining(&profil, &umgebung, training);
    const CSakkaden vorher = training.GetSakkaden();
    const int antwort = Ausfuehren(blatt, [&] {
        Tippe(blatt.GetSakkadenSeite(), "zeilen", "7");
        blatt.GetReiter()->setCurrentIndex(3);
        Klicke(blatt.GetSonstigesSeite(), "eigenesBild");
        Klicke(blatt, "abbrechen");
    });
    EXPECT_EQ(antwort, IDCANCEL);
    EXPECT_EQ(blatt.GetArbeitskopie().GetAufgabenart(), 60);
    EXPECT_EQ(blatt.GetArbeitskopie().GetSakkaden().m_nZeilen, 7);
    EXPECT_EQ(training.GetAufgabenart(), 10);
    EXPECT_EQ(training.GetSakkaden().m_nZeilen, vorher.m_nZeilen);
    EXPECT_EQ(training.GetSonstiges().m_nBildart, 0);
    EXPECT_EQ(training.GetBerichtAnzahl(), 1);
}
