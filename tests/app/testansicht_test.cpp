// The test view: pages, print commands, the engine's run, the settings question.
#include "ansicht_umfeld.h"
#include "befehl_umfeld.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTabWidget>

#include "app/lmtestdoc.h"
#include "app/testansicht.h"
#include "dialogs/testsheet.h"

using namespace aufgabe;

class TestansichtTest : public CAnsichtTest<CLMTestDoc, CLMTestView, 1, 32862> {
protected:
    void SetUp() override
    {
        CAnsichtTest::SetUp();
        // Whole pixels: the unit's texts do not depend on the arrangement.
        CAnzeigeOptionen o = m_app->m_Profil.GetAnzeigeOptionen();
        o.SetEinheit(0x0008);
        m_app->m_Profil.SetAnzeigeoptionen(o);
        m_app->m_Umgebung.Berechnen();
        Oeffnen();
    }

    CTest& Test() { return m_doc->GetTest(); }
    void Berichte(int anzahl, const CTestBericht& b = KonstanteReize(LINIEN | KONSTANT | HORIZONTAL))
    {
        for (int i = 0; i < anzahl; ++i)
            Test().SetBericht(Test().GetBerichtAnzahl(), b);
        m_ansicht->ZeigeSeite();
        m_ansicht->AktualisiereBerichtMenue();
    }
    std::vector<std::string> Fusszeile() const { return {Text(88), Text(90), Text(92)}; }
};

TEST_F(TestansichtTest, NeuerTestZeigtLinienhalbierung)
{
    // Ranges and speeds in the profile's unit; started after a pause, ended
    // by the key; horizontal lines only.
    EXPECT_EQ(Texte({11, 15, 41}), (std::vector<std::string>{"[-179 pxl .. 179 pxl][0 pxl .. 0 pxl]",
                                                             "[50,0 % .. 50,0 %][0,0 % .. 0,0 %]", "154 pxl/s"}));
    EXPECT_EQ(Texte({19, 21, 24, 26, 28, 30}),
              (std::vector<std::string>{"---", m_app->m_Umgebung.m_Tastenliste.GetName(1), "Crsr Links", "Crsr Rechts",
                                        "---", "---"}));
    EXPECT_TRUE(NurLesen(19));
    EXPECT_TRUE(NurLesen(28));
}

TEST_F(TestansichtTest, BerichtMitGrenzwertenUndVerteilung)
{
    FuenfTrennlagen(Test());
    CTestBericht b = KonstanteReize(LINIEN | KONSTANT | HORIZONTAL | HG_AUFGABE | HG_TEMPO);
    b.m_dZielGeschwindigkeit = 0.5;
    HGAntworten(b);
    Berichte(1, b);
    // Neither a result of either test kind nor background hits.
    Berichte(1, KonstanteReize(HORIZONTAL | HG_AUFGABE));
    Test().m_nDiagrammwahl = 5; // beyond the deviation relations: the last of them
    m_ansicht->OnTestberichte();

    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Testbericht", "1 / 2", "2 / 3"}));
    EXPECT_EQ(Texte({70, 71, 73, 75, 77}),
              (std::vector<std::string>{"07.01.2022", "01:02:05", "73,3 s", "256 pxl/s", "512 pxl/s"}));
    EXPECT_EQ(Texte({80, 82, 83, 85}), (std::vector<std::string>{"1", "3", "75,0%", "0,500 s"}));
    EXPECT_EQ(Texte({54, 55, 52, 57, 60}),
              (std::vector<std::string>{"Grenzwert", "Sigma", "0,500 s", "10,0 %", "---"}));

    auto* liste = qobject_cast<QComboBox*>(m_ansicht->Steuerelement(63));
    EXPECT_EQ(liste->count(), 3); // two deviation relations, one of answers
    EXPECT_EQ(Text(86), "Rel. horiz. Abw. / Horiz. Position");
    liste->setCurrentIndex(2);
    emit liste->activated(2);
    EXPECT_EQ(Texte({86, 64, 65}),
              (std::vector<std::string>{"Antworthfgkt. 'rechts' / horiz. Lage Trennlinie", "Grenzwert", "10,0 %"}));
    // The chart lies inside a group box and keeps its own white.
    EXPECT_EQ(m_ansicht->GetFormular()->grab().toImage().pixel(60, 260), qRgb(255, 255, 255));

    m_ansicht->OnNaechsterBericht();
    EXPECT_EQ(Texte({54, 55, 52, 57, 80, 83}),
              (std::vector<std::string>{"Mittelwert", "Stdabw.", "---", "---", "0", "n. a."}));
    EXPECT_FALSE(liste->isEnabled());
}

// The selection prints the page shown; the preview lays out all pages in the
// maximised window, which it leaves at its normal size.
TEST_F(TestansichtTest, DruckbefehleErreichenDialogUndDrucker)
{
    Berichte(3);
    m_ansicht->OnTestberichte();
    m_ansicht->OnNaechsterBericht();
    const QString pdf = QString::fromStdString(Pfad("auswahl.pdf"));
    auto drucken = [&](QDialog& d) {
        auto& dialog = static_cast<QPrintDialog&>(d);
        EXPECT_EQ(dialog.testOption(QAbstractPrintDialog::PrintSelection) ? dialog.maxPage() : 0, 4);
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(pdf);
        dialog.printer()->setPrintRange(QPrinter::Selection);
        return int(QDialog::Accepted);
    };
    m_laeufer->m_antworten = {drucken};
    CMainFrame* haupt = m_app->GetMainWnd();
    haupt->Befehl(32840);
    const QString gedruckt = PdfText(pdf);
    EXPECT_EQ(gedruckt.count("Seite "), 1);
    EXPECT_TRUE(gedruckt.contains("Seite 3 von 4")) << gedruckt.toStdString();

    int seiten = 0;
    bool maximiert = false;
    Bearbeite(*m_laeufer, [&](QDialog& d) {
        maximiert = m_doc->GetFenster()->isMaximized();
        QCoreApplication::processEvents();
        if (auto* w = d.findChild<QPrintPreviewWidget*>())
            seiten = w->pageCount();
    });
    haupt->Befehl(32841);
    EXPECT_EQ(seiten, 4);
    EXPECT_TRUE(maximiert);
    EXPECT_FALSE(m_doc->GetFenster()->isMaximized());
    EXPECT_TRUE(m_meldungen->Texte().empty());
}

// The settings question names the test's settings and reports.
TEST_F(TestansichtTest, FrageMitDenWortenDesTests)
{
    Berichte(2);
    m_ansicht->OnTestberichte();
    const int art = Test().GetTestart();
    Bearbeite(*m_laeufer, [](QDialog& d) {
        auto& blatt = dynamic_cast<CTestSheet&>(d);
        blatt.GetReiter()->setCurrentIndex(1);
        Klicke(blatt.GetLaengenSeite(), "verfahrenB");
        d.accept();
    });
    Antworte(1);
    EXPECT_TRUE(m_ansicht->Befehl(32833));
    EXPECT_NE(Test().GetTestart(), art);
    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Testangaben", "0 / 0", "1 / 1"}));
    EXPECT_EQ(m_fragen, std::vector<std::string>{"Durch das Ändern der Testangaben werden alle Testberichte ungültig. "
                                                 "Möchten Sie wirklich die Testangaben übernehmen und damit alle "
                                                 "Testberichte löschen?"});
}

TEST_F(TestansichtTest, GanzerLinienhalbierungslaufAufDemSpeicherbildschirm)
{
    // The real engine: Enter, the mark moved, four lines ended by the key.
    SetDarbietungsFabrik({});
    m_anzeige->Druecken(VK_RETURN, 2.0, 4.0);
    m_anzeige->Druecken(VK_LEFT, 1100.0, 1200.0);
    for (int i = 0; i < 4; ++i)
        m_anzeige->Druecken(VK_SPACE, 1300.0 + 1200.0 * i, 1320.0 + 1200.0 * i);
    m_app->GetMainWnd()->Befehl(32834);
    EXPECT_TRUE(m_meldungen->Texte().empty());
    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Testbericht", "1 / 1", "2 / 2"}));
}
