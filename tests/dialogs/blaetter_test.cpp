#include "dialog_umfeld.h"
#include "dialogs/farbendlg.h"
#include "dialogs/hgsheet.h"
#include "dialogs/testsheet.h"
#include "dialogs/trainingsheet.h"
#include "support/gespeichert.h"
#include "support/textbreite.h"

namespace {

using Blaetter = DialogTest;

TEST_F(Blaetter, StartseiteNachAufgabeTestartUndWahl)
{
    auto titel = [&](auto& blatt) {
        EXPECT_EQ(Ausfuehren(blatt, [&] { Klicke(blatt, "abbrechen"); }), IDCANCEL);
        return blatt.GetAktiveSeite()->GetTitel().toStdString();
    };
    for (auto [aufgabe, seite] : {std::pair<int, const char*>{20, "Exploration"}, {50, "Text"}, {60, "Sonstiges"}}) {
        training.SetAufgabenart(aufgabe);
        CTrainingSheet blatt("Vordergrundaufgabe ändern");
        blatt.SetTraining(&profil, &umgebung, training);
        EXPECT_EQ(titel(blatt), seite) << aufgabe;
    }
    for (auto [art, seite] :
         {std::pair<int, const char*>{TESTART_LAENGEN, "Längenschätzung"}, {30, "Linienhalbierung"}}) {
        test.SetTestart(art);
        CTestSheet blatt("Vordergrundaufgabe ändern");
        blatt.SetTest(&profil, &umgebung, test);
        EXPECT_EQ(titel(blatt), seite) << art;
    }
    // The background sheet's page is limited to the pages there are.
    for (auto [nummer, seite] : {std::pair<int, const char*>{1, "Muster"}, {7, "Bewegung"}, {-1, "Aufgabe"}}) {
        CHGSheet blatt("Hintergrund ändern");
        blatt.SetTraining(&profil, &umgebung, &training, nummer);
        EXPECT_EQ(titel(blatt), seite) << nummer;
    }
}

// The sheets work on a copy; accepted, it holds the task chosen last and no
// reports. Back on the first page, its task shows as no longer chosen.
TEST_F(Blaetter, VordergrundUebernehmen)
{
    const CTrainingsBericht bericht;
    training.SetBericht(0, &bericht);
    CTrainingSheet blatt("Vordergrundaufgabe ändern");
    blatt.SetTraining(&profil, &umgebung, training);
    EXPECT_EQ(Ausfuehren(blatt,
                         [&] {
                             Tippe(blatt.GetSakkadenSeite(), "zeilen", "7");
                             blatt.GetReiter()->setCurrentIndex(1);
                             Klicke(blatt.GetExplorationSeite(), "strategie40");
                             blatt.GetReiter()->setCurrentIndex(0);
                             EXPECT_FALSE(An(blatt.GetSakkadenSeite(), "modusA"));
                             Klicke(blatt, "ok");
                         }),
              IDOK);
    blatt.GetTraining(training);
    EXPECT_EQ(training.GetExploration().m_nStrategie, 40);
    EXPECT_EQ(training.GetSakkaden().m_nZeilen, 7);

    test.SetTestart(TESTART_LINIEN);
    test.SetBericht(0, CTestBericht());
    CTestSheet testblatt("Vordergrundaufgabe ändern");
    testblatt.SetTest(&profil, &umgebung, test);
    EXPECT_EQ(Ausfuehren(testblatt,
                         [&] {
                             testblatt.GetReiter()->setCurrentIndex(1);
                             Klicke(testblatt.GetLaengenSeite(), "verfahrenA");
                             Tippe(testblatt.GetLaengenSeite(), "wiederholungen", "4");
                             testblatt.GetReiter()->setCurrentIndex(0);
                             EXPECT_FALSE(An(testblatt.GetLinienSeite(), "verfahrenA"));
                             Klicke(testblatt, "ok");
                         }),
              IDOK);
    EXPECT_EQ(test.GetTestart(), TESTART_LINIEN);
    testblatt.GetTest(test);
    EXPECT_EQ(test.GetTestart(), TESTART_LAENGEN);
    EXPECT_EQ(test.GetLaengen().m_nWiederholungen, 4);
    EXPECT_EQ(test.GetBerichtAnzahl(), 0);
}

TEST_F(Blaetter, HintergrundNurDieGebundeneArt)
{
    CHGSheet abbruch("Hintergrund ändern");
    abbruch.SetTest(&profil, &umgebung, &test, 0);
    EXPECT_EQ(Ausfuehren(abbruch,
                         [&] {
                             Klicke(abbruch.GetAufgabenSeite(), "farbe");
                             abbruch.GetReiter()->setCurrentIndex(1);
                             Klicke(abbruch.GetMusterSeite(), "streifen");
                             Klicke(abbruch, "abbrechen");
                         }),
              IDCANCEL);
    EXPECT_EQ(abbruch.GetArbeitstest().GetHGMuster().m_nArt, 10);
    EXPECT_EQ(test.GetHGMuster().m_nArt, 20);

    // The focused field is taken when the sheet is accepted with Enter.
    CHGSheet blatt("Hintergrund ändern");
    blatt.SetTest(&profil, &umgebung, &test, 2);
    EXPECT_EQ(Ausfuehren(blatt, [&] { Tippe(blatt.GetBewegungsSeite(), "geschwindigkeit", "2", true); }), IDOK);
    blatt.GetTraining(training);
    EXPECT_DOUBLE_EQ(training.GetHGBewegung().m_dGeschwindigkeit, 0.15);
    blatt.GetTest(test);
    EXPECT_DOUBLE_EQ(test.GetHGBewegung().m_dGeschwindigkeit, 0.05);
}

// A field that only shows a value rounded (no decimals in degrees, seconds
// to 3 decimals, parts in whole tenths of a percent) keeps the stored value
// when the user passes through every field of every page and accepts.
TEST_F(Blaetter, DurchlaufeneFelderBehaltenDieWerte)
{
    SetEinheit(EINHEIT_WINKEL, 0);
    CSakkaden s = training.GetSakkaden();
    s.m_dPauseMin = 1.0004, s.m_dPauseMax = 2.9996, s.m_dDauerMin = 1.23456, s.m_dDauerMax = 2.34567;
    training.SetSakkaden(s);
    CText t = training.GetText();
    t.m_dZeilenabstand = 1.3;
    training.SetText(t);
    CHGAufgabe a = training.GetHGAufgabe();
    a.m_dDauerMin = 1.0004, a.m_dDauerMax = 2.0006, a.m_dIntervallMin = 10.0001, a.m_dIntervallMax = 19.9999;
    // The element height follows the display's shape, as in a document loaded.
    for (CModell* m : std::initializer_list<CModell*>{&training, &test}) {
        m->SetHGMuster(m->GetHGMuster());
        m->SetHGAufgabe(a);
    }
    CLinien l = test.GetLinien();
    l.m_dIntervallVon = 0.5004, l.m_dIntervallBis = 1.5004;
    l.m_dHTrennVon = l.m_dVTrennVon = 0.41234, l.m_dHTrennBis = l.m_dVTrennBis = 0.58766;
    test.SetLinien(l);
    CLaengen g = test.GetLaengen();
    g.m_dIntervallVon = 0.5004, g.m_dIntervallBis = 1.5004;
    g.m_dTestBreiteVon = g.m_dTestHoeheVon = 0.81234, g.m_dTestBreiteBis = g.m_dTestHoeheBis = 1.21234;
    test.SetLaengen(g);

    // Every page of the sheet passed through, OK; what it hands back stores
    // the bytes the model stored before.
    auto durchlaufen = [&](auto& blatt, auto& modell, const std::string& wo) {
        const auto vorher = Gespeichert(modell);
        EXPECT_EQ(Ausfuehren(blatt,
                             [&] {
                                 for (int i = 0; i < blatt.GetSeitenAnzahl(); ++i) {
                                     blatt.GetReiter()->setCurrentIndex(i);
                                     Durchlaufen(*blatt.GetSeite(i));
                                 }
                                 Klicke(blatt, "ok");
                             }),
                  IDOK);
        if constexpr (std::is_same_v<std::decay_t<decltype(modell)>, CTraining>)
            blatt.GetTraining(modell);
        else
            blatt.GetTest(modell);
        EXPECT_TRUE(Gespeichert(modell) == vorher) << wo;
    };
    for (int art : {10, 20, 50}) {
        training.SetAufgabenart(art);
        CTrainingSheet blatt("Vordergrundaufgabe ändern");
        blatt.SetTraining(&profil, &umgebung, training);
        durchlaufen(blatt, training, "Training " + std::to_string(art));
    }
    CHGSheet hgTraining("Hintergrund ändern");
    hgTraining.SetTraining(&profil, &umgebung, &training, 0);
    durchlaufen(hgTraining, training, "Hintergrund");
    for (int art : {TESTART_LINIEN, TESTART_LAENGEN}) {
        test.SetTestart(art);
        CTestSheet blatt("Vordergrundaufgabe ändern");
        blatt.SetTest(&profil, &umgebung, test);
        durchlaufen(blatt, test, "Test " + std::to_string(art));
    }
    CHGSheet hgTest("Hintergrund ändern");
    hgTest.SetTest(&profil, &umgebung, &test, 0);
    durchlaufen(hgTest, test, "Hintergrund Test");
}

// In every number field of every page an infinity typed goes to the bound
// on its side, as the largest number typed does; not a number goes to a
// bound, or to 0 where the record takes no number as 0.
TEST_F(Blaetter, UnendlichGehtAnDieGrenzeSeinerSeite)
{
    auto pruefen = [&](CBlatt& blatt, const std::string& wo) {
        EXPECT_EQ(Ausfuehren(blatt,
                             [&] {
                                 for (int i = 0; i < blatt.GetSeitenAnzahl(); ++i) {
                                     blatt.GetReiter()->setCurrentIndex(i);
                                     QWidget& seite = *blatt.GetSeite(i);
                                     for (CFeld* f : seite.findChildren<CFeld*>()) {
                                         if (!f->isEnabled() || f->isReadOnly() || !(f->alignment() & Qt::AlignRight))
                                             continue; // names
                                         // Counts take the most digits, decimals the largest number.
                                         const bool anzahl = !f->text().contains(',');
                                         const QByteArray name = f->objectName().toUtf8();
                                         const std::string wo2 = wo + " " + name.toStdString();
                                         auto getippt = [&](const char* text) {
                                             Tippe(seite, name.constData(), text);
                                             return f->text().toStdString();
                                         };
                                         const std::string oben = getippt(anzahl ? "99999999999" : "1e300");
                                         const std::string unten = getippt(anzahl ? "-99999999999" : "-1e300");
                                         EXPECT_NE(oben, "Überlauffehler") << wo2;
                                         EXPECT_EQ(getippt("inf"), oben) << wo2;
                                         EXPECT_EQ(getippt("Infinity"), oben) << wo2;
                                         EXPECT_EQ(getippt("-inf"), unten) << wo2;
                                         const std::string null = getippt("0");
                                         const std::string keine = getippt("nan");
                                         EXPECT_TRUE(keine == unten || keine == null) << wo2 << ": " << keine;
                                     }
                                 }
                                 Klicke(blatt, "abbrechen");
                             }),
                  IDCANCEL);
    };
    for (int art : {10, 20, 50}) {
        training.SetAufgabenart(art);
        CTrainingSheet blatt("Vordergrundaufgabe ändern");
        blatt.SetTraining(&profil, &umgebung, training);
        pruefen(blatt, "Training " + std::to_string(art));
    }
    CHGSheet hgTraining("Hintergrund ändern");
    hgTraining.SetTraining(&profil, &umgebung, &training, 0);
    pruefen(hgTraining, "Hintergrund");
    for (int art : {TESTART_LINIEN, TESTART_LAENGEN}) {
        test.SetTestart(art);
        CTestSheet blatt("Vordergrundaufgabe ändern");
        blatt.SetTest(&profil, &umgebung, test);
        pruefen(blatt, "Test " + std::to_string(art));
    }
    CHGSheet hgTest("Hintergrund ändern");
    hgTest.SetTest(&profil, &umgebung, &test, 0);
    pruefen(hgTest, "Hintergrund Test");
}

// Every text of the sheets' pages and of the colour dialog fits its
// control in the profile's dialog font, whatever unit the sizes are in.
TEST_F(Blaetter, TextePassenInIhreFelder)
{
    auto blaettern = [&](CBlatt& blatt, const std::string& wo) {
        blatt.show();
        for (int i = 0; i < blatt.GetSeitenAnzahl(); ++i) {
            blatt.GetReiter()->setCurrentIndex(i);
            textbreite::Pruefe(blatt.GetSeite(i), wo);
        }
        textbreite::Pruefe(&blatt, wo);
    };
    for (auto [einheit, stellen] : textbreite::kEinheiten) {
        SetEinheit(einheit, stellen);
        const std::string wo = "Einheit " + std::to_string(einheit);
        for (int art : {10, 20, 50, 60}) {
            training.SetAufgabenart(art);
            CTrainingSheet blatt("Vordergrundaufgabe ändern");
            blatt.SetTraining(&profil, &umgebung, training);
            blaettern(blatt, wo + " Training " + std::to_string(art));
        }
        for (int art : {10, 20}) {
            test.SetTestart(art);
            CTestSheet blatt("Vordergrundaufgabe ändern");
            blatt.SetTest(&profil, &umgebung, test);
            blaettern(blatt, wo + " Test " + std::to_string(art));
        }
        CHGSheet hg("Hintergrund ändern");
        hg.SetTraining(&profil, &umgebung, &training, 0);
        blaettern(hg, wo + " Hintergrund");
    }
    CFarbenDlg farbenTraining, farbenTest;
    farbenTraining.SetTraining(&profil, &training);
    farbenTest.SetTest(&profil, &test);
    for (CFarbenDlg* farben : {&farbenTraining, &farbenTest}) {
        farben->OnInitDialog();
        textbreite::Pruefe(farben, "Farben");
    }
}

} // namespace
