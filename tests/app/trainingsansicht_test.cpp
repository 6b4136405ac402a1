// The training view: pages, report menu and buttons, commands and editors.
#include "ansicht_umfeld.h"
#include "befehl_umfeld.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QMdiArea>
#include <QTabWidget>

#include "app/befehle.h"
#include "app/darbietung.h"
#include "app/lmtrainingdoc.h"
#include "app/trainingsansicht.h"
#include "dialogs/hgsheet.h"
#include "dialogs/trainingsheet.h"
#include "platform/draw/recorder/recorder_dc.h"

class TrainingsansichtTest : public CAnsichtTest<CLMTrainingDoc, CLMTrainingView, 0, 32850> {
protected:
    void SetUp() override
    {
        CAnsichtTest::SetUp();
        Oeffnen();
    }

    CTraining& Training() { return m_doc->GetTraining(); }
    void Berichte(int anzahl, const CTrainingsBericht& b = Reaktionsbericht())
    {
        for (int i = 0; i < anzahl; ++i)
            Training().SetBericht(Training().GetBerichtAnzahl(), &b);
        m_ansicht->ZeigeSeite();
        m_ansicht->AktualisiereBerichtMenue();
    }
    std::vector<std::string> Fusszeile() const { return {Text(87), Text(89), Text(91)}; }
};

TEST_F(TrainingsansichtTest, AngabenJeAufgabeUndEinheit)
{
    CSakkaden s = Training().GetSakkaden();
    s.m_nRueckmeldung = 1;
    s.m_nTasteRichtig = 9999;
    s.m_nTasteFalsch = -4;
    Training().SetSakkaden(s);
    m_ansicht->ZeigeSeite();
    // Key indices beyond the table fall back.
    EXPECT_EQ(Texte({25, 27}), (std::vector<std::string>{"<+>", "<->"}));

    // A collection text stored with "\" is shown with "/" and kept as stored.
    CText text = Training().GetText();
    text.m_strSammlungstext = "LMTR-Texte\\Zecken (118).txt";
    Training().SetText(text);
    Training().SetAufgabenart(50);
    m_ansicht->ZeigeSeite();
    EXPECT_EQ(Texte({5, 8, 25}), (std::vector<std::string>{"LMTR-Texte/Zecken (118).txt", "---",
                                                           m_app->m_Umgebung.m_Tastenliste.GetName(9)}));
    EXPECT_EQ(Training().GetText().m_strSammlungstext, "LMTR-Texte\\Zecken (118).txt");
    EXPECT_TRUE(NurLesen(8));
}

TEST_F(TrainingsansichtTest, MenueUndKnoepfeFolgenDerSeite)
{
    Berichte(3);
    // Settings page: only the reports button and "Berichte".
    EXPECT_TRUE(MenueAn(1));
    EXPECT_FALSE(MenueAn(0));
    EXPECT_EQ(Knoepfe(), std::vector<int>{32852});

    m_app->GetMainWnd()->Befehl(32852); // through the main frame, as a click would
    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Trainingsbericht", "1 / 3", "2 / 4"}));
    EXPECT_TRUE(MenueAn(4));
    EXPECT_EQ(Knoepfe(), (std::vector<int>{32850, 32856, 32858}));

    for (int i = 0; i < 3; ++i) // the last stays the last
        m_ansicht->OnNaechsterBericht();
    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Trainingsbericht", "3 / 3", "4 / 4"}));
    EXPECT_TRUE(MenueAn(3));
    EXPECT_FALSE(MenueAn(4));
    EXPECT_EQ(Knoepfe(), (std::vector<int>{32850, 32854, 32858}));
}

// Whatever window opens, closes, comes to the front or is maximised, the
// report menu and buttons are the active document's.
TEST_F(TrainingsansichtTest, MenueUndKnoepfeFolgenDemAktivenFenster)
{
    Berichte(1);
    QMdiArea* mdi = m_app->GetMainWnd()->GetMdiArea();
    QMdiSubWindow* training = m_doc->GetFenster();
    CDokumentFenster* test = nullptr;
    const std::pair<const char*, std::function<void()>> schritte[] = {
        {"Test geöffnet", [&] { test = m_app->GetVorlagen()[1]->OpenDocumentFile("")->GetFenster(); }},
        {"Training vorn", [&] { mdi->setActiveSubWindow(training); }},
        {"Test vorn", [&] { mdi->setActiveSubWindow(test); }},
        {"Test geschlossen", [&] { m_app->GetMainWnd()->Befehl(ID_FILE_CLOSE); }},
        {"Training maximiert", [&] { training->showMaximized(); }},
        {"neuer Test maximiert", [&] { m_app->GetVorlagen()[1]->OpenDocumentFile("")->GetFenster()->showMaximized(); }},
        {"neuer Test geschlossen", [&] { mdi->activeSubWindow()->close(); }},
    };
    for (const auto& [schritt, tun] : schritte) {
        tun();
        QCoreApplication::processEvents();
        const bool vorn = mdi->activeSubWindow() == training;
        EXPECT_EQ(m_app->GetMainWnd()->GetSymbolleistenRessource(), vorn ? IDR_TRAINING : IDR_TEST) << schritt;
        EXPECT_EQ(m_app->GetMainWnd()->GetMenueRessource(), vorn ? IDR_TRAINING : IDR_TEST) << schritt;
        EXPECT_EQ(Berichtmenue()->menuAction()->isEnabled(), vorn) << schritt;
        if (vorn) {
            EXPECT_TRUE(MenueAn(1)) << schritt;
            EXPECT_EQ(Knoepfe(), std::vector<int>{32852}) << schritt;
        }
    }
}

// A view whose model does not take the run's report, as when memory runs out.
class CVerweigerndeAnsicht : public CLMTrainingView {
public:
    using CLMTrainingView::CLMTrainingView;

protected:
    int BerichtAnhaengen(const CDarbietung&) override { return 2; }
};

TEST_F(TrainingsansichtTest, PraesentationHaengtDenBerichtAn)
{
    Berichte(3);
    m_skript.bericht = Reaktionsbericht();
    m_skript.hinweis = 1;
    m_skript.hinweisText = "Der Bildschirmmodus wurde angepasst.";
    m_app->GetMainWnd()->Befehl(126);
    EXPECT_TRUE(m_doc->IsModified());
    EXPECT_EQ(Text(89), "4 / 4");
    EXPECT_EQ(m_meldungen->Texte(), std::vector<std::string>{"Hinweis: Der Bildschirmmodus wurde angepasst."});

    // A failed run or a report the model refuses adds nothing.
    m_meldungen->m_meldungen.clear();
    m_doc->SetModifiedFlag(false);
    m_skript.hinweis = 0;
    m_skript.code = 2;
    m_skript.fehler = "X";
    m_ansicht->OnPraesentation();
    m_skript.code = 0;
    CVerweigerndeAnsicht verweigernd(m_doc);
    verweigernd.ZeigeSeite();
    verweigernd.OnPraesentation();
    EXPECT_EQ(
        m_meldungen->Texte(),
        (std::vector<std::string>{
            "Fehler 2: X", "Fehler: Der Bericht der Präsentation konnte nicht in das Training übernommen werden."}));
    EXPECT_EQ(Training().GetBerichtAnzahl(), 4);
    EXPECT_FALSE(m_doc->IsModified());
    EXPECT_EQ(Text(89), "4 / 4");
}

TEST_F(TrainingsansichtTest, LoeschenFragtUndZeigtDenFolgenden)
{
    CTrainingsBericht b = Reaktionsbericht();
    for (int i = 1; i <= 3; ++i) {
        b.m_dLaufzeit = i;
        Training().SetBericht(i - 1, &b);
    }
    Training().m_nBerichtNr = 2;
    Training().m_nSeite = 3;
    Antworte(1);
    m_ansicht->OnBerichtLoeschen();
    EXPECT_EQ(m_fragen, std::vector<std::string>{"Möchten Sie wirklich den Trainingsbericht 2 löschen?"});
    EXPECT_TRUE(m_doc->IsModified());
    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Trainingsbericht", "2 / 2", "3 / 3"}));
    EXPECT_EQ(Text(72), "3,0 s"); // the former report 3

    Antworte(1);
    m_ansicht->OnAlleBerichteLoeschen();
    EXPECT_EQ(m_fragen.back(), "Möchten Sie wirklich alle Trainingsberichte löschen?");
    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Trainingsangaben", "0 / 0", "1 / 1"}));
    EXPECT_FALSE(Berichtmenue()->menuAction()->isEnabled());
}

TEST_F(TrainingsansichtTest, BerichtsseiteMitProzentenUndVerteilung)
{
    CTrainingsBericht b = Reaktionsbericht(kReaktion | aufgabe::HG_AUFGABE | aufgabe::HG_KEINE);
    HGAntworten(b);
    Berichte(1, b);
    CTrainingsBericht ohneTreffer = Reaktionsbericht(aufgabe::HG_AUFGABE);
    ohneTreffer.IncFalscheAlarme();
    Berichte(1, ohneTreffer);
    // Answered by the training leader's keys: one right, two wrong.
    CTrainingsBericht tasten = Reaktionsbericht(aufgabe::ZIELE | aufgabe::RUECKMELDUNG | aufgabe::TRAINING);
    tasten.IncZaehler3(0);
    tasten.IncZaehler2(1);
    tasten.IncZaehler3(1);
    tasten.IncZaehler2(2);
    Berichte(1, tasten);
    Training().m_nDiagrammwahl = 4;
    m_ansicht->OnTrainingsberichte();

    EXPECT_EQ(Texte({69, 70, 72, 74}), (std::vector<std::string>{"07.01.2022", "01:02:05", "73,3 s", "---"}));
    EXPECT_EQ(Texte({81, 82, 84, 49, 51, 52, 60, 54}),
              (std::vector<std::string>{"3", "75,0%", "0,500 s", "0", "4", "100,0%", "0,475 s", "---"}));

    // Two relations; a choice beyond them takes the last one.
    auto* liste = qobject_cast<QComboBox*>(m_ansicht->Steuerelement(62));
    EXPECT_EQ(liste->count(), 2);
    EXPECT_EQ(Training().m_nDiagrammwahl, 2);
    EXPECT_EQ(Text(85), "Reaktonszeit / Vert. Zeichenposition");
    m_ansicht->OnSelchangeBerichtAuswahl(0);
    EXPECT_EQ(Text(85), "Reaktonszeit / Horiz. Zeichenposition");
    m_ansicht->OnSelchangeBerichtAuswahl(-1);
    EXPECT_EQ(Training().m_nDiagrammwahl, 0);
    EXPECT_EQ(Text(85), "Verteilung der Vordergrundaufgabe");

    // Background without correct reactions; no foreground reactions.
    m_ansicht->OnNaechsterBericht();
    EXPECT_EQ(Texte({82, 84, 60, 64}), (std::vector<std::string>{"0,0%", "n. a.", "---", "---"}));
    EXPECT_FALSE(liste->isEnabled());

    m_ansicht->OnNaechsterBericht();
    EXPECT_EQ(Texte({54, 57}), (std::vector<std::string>{"1", "2"}));

    // Answers are shares of the targets shown, not of the reactions.
    Berichte(1, Antwortbericht());
    m_ansicht->OnNaechsterBericht();
    EXPECT_EQ(Texte({51, 54, 55, 57, 58}), (std::vector<std::string>{"5", "8", "88,9%", "1", "11,1%"}));
}

// Four swatches, untinted in their group box; a bad page settled on drawing.
TEST_F(TrainingsansichtTest, FarbfelderUndSeitenreparaturBeimZeichnen)
{
    CFarben f = Training().GetFarben();
    f.m_crVordergrund = RGB(200, 100, 50);
    Training().SetFarben(f);
    m_ansicht->ZeigeSeite();
    CRecorderDC dc;
    m_ansicht->OnDraw(&dc);
    const auto felder = dc.Von(CRecorderDC::Art::Rechteck);
    ASSERT_EQ(felder.size(), 4u);
    EXPECT_EQ(felder[3]->brushFarbe, Training().GetFarben().m_crZielmuster);
    const QImage bild = m_ansicht->GetFormular()->grab().toImage();
    EXPECT_EQ(bild.pixel(260, 114), qRgb(200, 100, 50));
    EXPECT_EQ(bild.pixel(260, 107), qRgb(255, 255, 255));
    EXPECT_EQ(bild.pixel(235, 114), qRgb(255, 255, 255));

    Berichte(1);
    Training().m_nSeite = 3;
    Training().m_nBerichtNr = 1;
    m_ansicht->OnDraw(&dc);
    EXPECT_EQ(Training().m_nSeite, 2);
}

// Saccades to exploration with strategy 40 on the foreground sheet.
void ZurExploration(QDialog& d)
{
    auto& blatt = dynamic_cast<CTrainingSheet&>(d);
    blatt.GetReiter()->setCurrentIndex(1);
    Klicke(blatt.GetExplorationSeite(), "strategie40");
    d.accept();
}

// With reports, "Nein" keeps reports, settings, page and modified flag;
// "Ja" takes the edit and shows the settings page.
TEST_F(TrainingsansichtTest, AngabenbefehleMitUndOhneBerichte)
{
    const std::string frage = "Durch das Ändern der Trainingsangaben werden alle Trainingsberichte ungültig. Möchten "
                              "Sie wirklich die Trainingsangaben übernehmen und damit alle Trainingsberichte löschen?";
    Berichte(2);
    m_ansicht->OnTrainingsberichte();
    m_ansicht->OnNaechsterBericht();
    auto stand = [this] {
        return std::vector<int>{Training().GetAufgabenart(), Training().GetBerichtAnzahl(),
                                Training().m_nSeite,         Training().m_nBerichtNr,
                                m_doc->IsModified(),         Berichtmenue()->menuAction()->isEnabled()};
    };
    Bearbeite(*m_laeufer, [this](QDialog& d) {
        EXPECT_EQ(d.parentWidget(), m_ansicht);
        auto& blatt = dynamic_cast<CTrainingSheet&>(d);
        EXPECT_EQ(blatt.GetAktiveSeite(), blatt.GetSeite(0));
        ZurExploration(d);
    });
    Antworte(2);
    m_app->GetMainWnd()->Befehl(32803); // as the menu would
    EXPECT_EQ(stand(), (std::vector<int>{10, 2, 3, 2, false, true}));
    Bearbeite(*m_laeufer, ZurExploration);
    Antworte(1);
    m_ansicht->Befehl(32803);
    EXPECT_EQ(stand(), (std::vector<int>{20, 0, 1, 0, true, false}));
    EXPECT_EQ(m_fragen, (std::vector<std::string>{frage, frage}));

    // Without reports, accepted: taken at once.
    m_fragen.clear();
    m_doc->SetModifiedFlag(false);
    for (const auto& [id, seite] : {std::pair{32802, 0}, std::pair{32821, 1}, std::pair{32822, 2}}) {
        Bearbeite(*m_laeufer, [&blattSeite = seite](QDialog& d) {
            auto& blatt = dynamic_cast<CHGSheet&>(d);
            EXPECT_EQ(blatt.GetAktiveSeite(), blatt.GetSeite(blattSeite)) << blattSeite;
            d.reject();
        });
        EXPECT_TRUE(m_ansicht->Befehl(id));
    }
    EXPECT_FALSE(m_doc->IsModified());

    Bearbeite(*m_laeufer, [](QDialog& d) {
        Klicke(dynamic_cast<CHGSheet&>(d).GetMusterSeite(), "streifen");
        d.accept();
    });
    m_app->GetMainWnd()->Befehl(32821);
    EXPECT_EQ(Training().GetHGMuster().m_nArt, 10);
    EXPECT_TRUE(m_doc->IsModified());
    EXPECT_TRUE(m_fragen.empty());
}

// A run that reached its last target: the answers are shares of all nine
// targets, the last one included.
TEST_F(TrainingsansichtTest, AntwortanteileBisZumLetztenZiel)
{
    Berichte(1, Antwortbericht(9));
    m_ansicht->OnTrainingsberichte();
    EXPECT_EQ(Texte({51, 54, 55, 57, 58}), (std::vector<std::string>{"5", "8", "88,9%", "1", "11,1%"}));
}
