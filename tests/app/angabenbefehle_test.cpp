// The settings commands of both views: editors on a copy, taken back only
// when accepted and, with reports, after the question was answered "Ja".
#include "app_umgebung.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QMenuBar>
#include <QTabWidget>

#include "app/kindrahmen.h"
#include "app/lmtestdoc.h"
#include "app/lmtrainingdoc.h"
#include "app/testansicht.h"
#include "app/trainingsansicht.h"
#include "dialogs/farbendlg.h"
#include "dialogs/hgsheet.h"
#include "dialogs/testsheet.h"
#include "dialogs/trainingsheet.h"
#include "model/test.h"
#include "model/testbericht.h"
#include "model/training.h"

namespace {

const char* const kTrainingsfrage =
    "Durch das Ändern der Trainingsangaben werden alle Trainingsberichte ungültig. Möchten Sie wirklich die "
    "Trainingsangaben übernehmen und damit alle Trainingsberichte löschen?";
const char* const kTestfrage =
    "Durch das Ändern der Testangaben werden alle Testberichte ungültig. Möchten Sie wirklich die Testangaben "
    "übernehmen und damit alle Testberichte löschen?";

void Klicke(QWidget& w, const char* name)
{
    auto* knopf = w.findChild<QAbstractButton*>(name);
    ASSERT_NE(knopf, nullptr) << name;
    knopf->click();
}

} // namespace

class AngabenbefehleTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        SchreibeVorlagen();
        Starte();
    }

    CLMTrainingView* OeffneTraining()
    {
        m_tdoc = dynamic_cast<CLMTrainingDoc*>(m_app->GetVorlagen()[0]->OpenDocumentFile(""));
        return m_tdoc ? dynamic_cast<CLMTrainingView*>(m_tdoc->GetFenster()->GetAnsicht()) : nullptr;
    }
    CLMTestView* OeffneTest()
    {
        m_xdoc = dynamic_cast<CLMTestDoc*>(m_app->GetVorlagen()[1]->OpenDocumentFile(""));
        return m_xdoc ? dynamic_cast<CLMTestView*>(m_xdoc->GetFenster()->GetAnsicht()) : nullptr;
    }
    CTraining& Training() { return m_tdoc->GetTraining(); }
    CTest& Test() { return m_xdoc->GetTest(); }

    void Trainingsberichte(CSeitenAnsicht* ansicht, int anzahl)
    {
        const CTrainingsBericht b;
        for (int i = 0; i < anzahl; ++i)
            Training().SetBericht(Training().GetBerichtAnzahl(), &b);
        ansicht->ZeigeSeite();
        ansicht->AktualisiereBerichtMenue();
    }
    void Testberichte(CSeitenAnsicht* ansicht, int anzahl)
    {
        const CTestBericht b;
        for (int i = 0; i < anzahl; ++i)
            Test().SetBericht(Test().GetBerichtAnzahl(), b);
        ansicht->ZeigeSeite();
        ansicht->AktualisiereBerichtMenue();
    }

    // The next editor is shown, `schritte` act on it, and it answers what
    // it was closed with.
    void Bearbeite(std::function<void(QDialog&)> schritte)
    {
        m_laeufer->m_antworten.push_back([schritte](QDialog& d) {
            d.show();
            schritte(d);
            return d.result();
        });
    }
    bool BerichtmenueAn() const { return m_app->GetMainWnd()->menuBar()->actions()[4]->isEnabled(); }

    CLMTrainingDoc* m_tdoc = nullptr;
    CLMTestDoc* m_xdoc = nullptr;
};

// Saccades to exploration with strategy 40 on the training sheet, accepted.
static void ZurExploration(QDialog& d)
{
    auto& blatt = dynamic_cast<CTrainingSheet&>(d);
    blatt.GetReiter()->setCurrentIndex(1);
    Klicke(blatt.GetExplorationSeite(), "strategie40");
    d.accept();
}

TEST_F(AngabenbefehleTest, VordergrundOhneBerichteWirdGleichUebernommen)
{
    CLMTrainingView* ansicht = OeffneTraining();
    ASSERT_NE(ansicht, nullptr);
    Bearbeite([&](QDialog& d) {
        EXPECT_EQ(d.parentWidget(), ansicht);
        auto& blatt = dynamic_cast<CTrainingSheet&>(d);
        EXPECT_EQ(blatt.GetAktiveSeite(), blatt.GetSeite(0));
        ZurExploration(d);
    });
    m_app->GetMainWnd()->Befehl(32803); // as the menu would
    EXPECT_EQ(m_laeufer->m_dialoge, std::vector<std::string>{"trainingsheet"});
    EXPECT_TRUE(m_fragen.empty());
    EXPECT_EQ(Training().GetAufgabenart(), 20);
    EXPECT_EQ(Training().GetExploration().m_nStrategie, 40);
    EXPECT_TRUE(m_tdoc->IsModified());
}

TEST_F(AngabenbefehleTest, VordergrundMitBerichtenNeinDannJa)
{
    CLMTrainingView* ansicht = OeffneTraining();
    ASSERT_NE(ansicht, nullptr);
    Trainingsberichte(ansicht, 2);
    ansicht->OnNaechsterBericht();
    ansicht->OnNaechsterBericht();
    ASSERT_EQ(Training().m_nSeite, 3);

    // "Nein": reports, settings, page and modified flag stay.
    Bearbeite(ZurExploration);
    Antworte(2);
    ansicht->Befehl(32803);
    EXPECT_EQ(m_fragen, std::vector<std::string>{kTrainingsfrage});
    EXPECT_EQ(Training().GetAufgabenart(), 10);
    EXPECT_EQ(Training().GetBerichtAnzahl(), 2);
    EXPECT_EQ(Training().m_nSeite, 3);
    EXPECT_EQ(Training().m_nBerichtNr, 2);
    EXPECT_FALSE(m_tdoc->IsModified());
    EXPECT_TRUE(BerichtmenueAn());

    // "Ja": the reports go, the edit comes, the settings page shows.
    Bearbeite(ZurExploration);
    Antworte(1);
    ansicht->Befehl(32803);
    EXPECT_EQ(m_fragen, (std::vector<std::string>{kTrainingsfrage, kTrainingsfrage}));
    EXPECT_EQ(Training().GetAufgabenart(), 20);
    EXPECT_EQ(Training().GetBerichtAnzahl(), 0);
    EXPECT_EQ(Training().m_nSeite, 1);
    EXPECT_EQ(Training().m_nBerichtNr, 0);
    EXPECT_TRUE(m_tdoc->IsModified());
    EXPECT_FALSE(BerichtmenueAn());
    EXPECT_EQ(ansicht->GetText(87), "Trainingsangaben");
}

TEST_F(AngabenbefehleTest, HintergrundOeffnetDieGewaehlteSeite)
{
    CLMTrainingView* ansicht = OeffneTraining();
    ASSERT_NE(ansicht, nullptr);
    const std::pair<int, int> faelle[] = {{32802, 0}, {32821, 1}, {32822, 2}};
    for (const auto& [id, s] : faelle) {
        // A copy: clang 14 cannot capture a structured binding.
        const int seite = s;
        Bearbeite([&, seite](QDialog& d) {
            auto& blatt = dynamic_cast<CHGSheet&>(d);
            EXPECT_EQ(blatt.GetAktiveSeite(), blatt.GetSeite(seite)) << seite;
            d.reject();
        });
        EXPECT_TRUE(ansicht->Befehl(id));
    }
    EXPECT_FALSE(m_tdoc->IsModified());

    // Accepted without reports: taken at once.
    Bearbeite([](QDialog& d) {
        Klicke(dynamic_cast<CHGSheet&>(d).GetMusterSeite(), "streifen");
        d.accept();
    });
    m_app->GetMainWnd()->Befehl(32821);
    EXPECT_TRUE(m_fragen.empty());
    EXPECT_EQ(Training().GetHGMuster().m_nArt, 10);
    EXPECT_TRUE(m_tdoc->IsModified());
}

TEST_F(AngabenbefehleTest, TestansichtFragtMitIhrenWorten)
{
    CLMTestView* ansicht = OeffneTest();
    ASSERT_NE(ansicht, nullptr);
    EXPECT_FALSE(ansicht->Befehl(32803));
    Testberichte(ansicht, 1);
    const int art = Test().GetTestart();

    // Foreground: "Nein" keeps everything.
    Bearbeite([](QDialog& d) {
        auto& blatt = dynamic_cast<CTestSheet&>(d);
        blatt.GetReiter()->setCurrentIndex(1);
        Klicke(blatt.GetLaengenSeite(), "verfahrenB");
        d.accept();
    });
    Antworte(2);
    EXPECT_TRUE(ansicht->Befehl(32833));
    EXPECT_EQ(m_fragen, std::vector<std::string>{kTestfrage});
    EXPECT_EQ(Test().GetTestart(), art);
    EXPECT_EQ(Test().GetBerichtAnzahl(), 1);
    EXPECT_FALSE(m_xdoc->IsModified());

    // Background motion: "Ja" takes it and the report goes.
    Bearbeite([](QDialog& d) {
        auto& blatt = dynamic_cast<CHGSheet&>(d);
        EXPECT_EQ(blatt.GetAktiveSeite(), blatt.GetSeite(2));
        Klicke(blatt.GetBewegungsSeite(), "rechts");
        d.accept();
    });
    Antworte(1);
    EXPECT_TRUE(ansicht->Befehl(32822));
    EXPECT_EQ(m_fragen.size(), 2u);
    EXPECT_EQ(m_fragen.back(), kTestfrage);
    EXPECT_EQ(Test().GetHGBewegung().m_nRichtung, 1);
    EXPECT_EQ(Test().GetBerichtAnzahl(), 0);
    EXPECT_TRUE(m_xdoc->IsModified());
}

// The colour dialog with the chooser setting the first colour to red.
static std::vector<CSkriptLaeufer::Antwort> FarbeRot()
{
    return {[](QDialog& d) {
                EXPECT_NE(dynamic_cast<CFarbenDlg*>(&d), nullptr);
                d.show();
                Klicke(d, "vordergrund");
                d.accept();
                return d.result();
            },
            [](QDialog& d) {
                dynamic_cast<QColorDialog&>(d).setCurrentColor(QColor(255, 0, 0));
                return int(QDialog::Accepted);
            }};
}

TEST_F(AngabenbefehleTest, FarbenAendernNurDieFarben)
{
    CLMTrainingView* ansicht = OeffneTraining();
    ASSERT_NE(ansicht, nullptr);
    const CHGMuster muster = Training().GetHGMuster();
    for (auto& a : FarbeRot())
        m_laeufer->m_antworten.push_back(a);
    EXPECT_TRUE(ansicht->Befehl(32804));
    EXPECT_TRUE(m_fragen.empty());
    EXPECT_EQ(Training().GetFarben().m_crVordergrund, 0x0000FFu);
    EXPECT_EQ(Training().GetHGMuster().m_nArt, muster.m_nArt);
    EXPECT_TRUE(m_tdoc->IsModified());

    // Cancelled: no question, nothing taken.
    m_tdoc->SetModifiedFlag(false);
    Trainingsberichte(ansicht, 1);
    Bearbeite([](QDialog& d) { d.reject(); });
    EXPECT_TRUE(ansicht->Befehl(32804));
    EXPECT_TRUE(m_fragen.empty());
    EXPECT_EQ(Training().GetBerichtAnzahl(), 1);
    EXPECT_FALSE(m_tdoc->IsModified());
}

TEST_F(AngabenbefehleTest, FarbenMitBerichtenJaLoeschtSie)
{
    CLMTestView* ansicht = OeffneTest();
    ASSERT_NE(ansicht, nullptr);
    Testberichte(ansicht, 2);
    ansicht->OnNaechsterBericht();
    for (auto& a : FarbeRot())
        m_laeufer->m_antworten.push_back(a);
    Antworte(1);
    EXPECT_TRUE(ansicht->Befehl(32804));
    EXPECT_EQ(m_fragen, std::vector<std::string>{kTestfrage});
    EXPECT_EQ(Test().GetFarben().m_crVordergrund, 0x0000FFu);
    EXPECT_EQ(Test().GetBerichtAnzahl(), 0);
    EXPECT_EQ(ansicht->GetText(ansicht->AnzahlSteuerelemente() - 4), "Testangaben");
}
