// Texts of the views and display dialogs fit their controls, whatever the unit.
#include "app_umgebung.h"

#include "app/befehle.h"
#include "app/fragedlg.h"
#include "app/kindrahmen.h"
#include "app/lmtestdoc.h"
#include "app/lmtrainingdoc.h"
#include "app/seitenansicht.h"
#include "dialogs/anordnungdlg.h"
#include "dialogs/anzeigedlg.h"
#include "model/test.h"
#include "model/training.h"
#include "support/textbreite.h"

// Each unit with its decimal places, on the settings page of every task
// kind of both views and on a report page; the last unit is the widest.
TEST_F(AppTest, TextbreiteDerAnsichten)
{
    SchreibeVorlagen();
    Starte();
    for (auto [einheit, stellen] : textbreite::kEinheiten) {
        CAnzeigeOptionen o = m_app->m_Profil.GetAnzeigeOptionen();
        o.SetEinheit(einheit);
        o.SetDezimalstellen(stellen);
        m_app->m_Profil.SetAnzeigeoptionen(o);
        m_app->m_Umgebung.Berechnen();
        // New documents, since a view takes the profile's font when made.
        auto* training = dynamic_cast<CLMTrainingDoc*>(m_app->GetVorlagen()[0]->OpenDocumentFile(""));
        auto* test = dynamic_cast<CLMTestDoc*>(m_app->GetVorlagen()[1]->OpenDocumentFile(""));
        ASSERT_TRUE(training && test);
        // clang 14 cannot capture a structured binding in a lambda.
        const std::string name = "Einheit " + std::to_string(einheit);
        const auto pruefe = [&](CLMDokument* doc, CModell& m, const std::string& wo) {
            // A background task that shows every background value.
            CHGAufgabe a = m.GetHGAufgabe();
            a.m_nArt = 20;
            m.SetHGAufgabe(a);
            auto* ansicht = static_cast<CSeitenAnsicht*>(doc->GetFenster()->GetAnsicht());
            ansicht->ZeigeSeite();
            textbreite::Pruefe(ansicht->GetFormular(), name + " " + wo);
        };
        for (int art : {10, 20, 50, 60}) {
            training->GetTraining().SetAufgabenart(art);
            pruefe(training, training->GetTraining(), "Training " + std::to_string(art));
        }
        for (int art : {10, 20}) {
            test->GetTest().SetTestart(art);
            pruefe(test, test->GetTest(), "Test " + std::to_string(art));
        }
        CTrainingsBericht tb;
        tb.m_dStandardGeschwindigkeit = 0.25;
        tb.m_dZielGeschwindigkeit = 0.5;
        training->GetTraining().SetBericht(0, &tb);
        training->GetTraining().m_nSeite = 2;
        pruefe(training, training->GetTraining(), "Trainingsbericht");
        CTestBericht b;
        b.m_dHGGeschwindigkeit = 0.25;
        test->GetTest().SetBericht(0, b);
        test->GetTest().m_nSeite = 2;
        pruefe(test, test->GetTest(), "Testbericht");
    }
}

// Display dialogs, status bar panes with an ordinary name whole, and the
// program description's notice box with its file name.
TEST_F(AppTest, TextbreiteDerDialogeStatusleisteUndHinweisbox)
{
    CBenutzerprofil profil;
    CAnzeigeDlg anzeige;
    anzeige.SetOptionen(&profil);
    anzeige.OnInitDialog();
    textbreite::Pruefe(&anzeige, "anzeigedlg");
    CUmgebung umgebung(&profil);
    CAnordnungDlg anordnung;
    anordnung.SetUmgebung(&profil, &umgebung);
    anordnung.OnInitDialog();
    textbreite::Pruefe(&anordnung, "anordnungdlg");

    SchreibeVorlagen();
    CLumetraApp& app = Starte();
    app.GetMainWnd()->resize(900, 600);
    ASSERT_EQ(app.SpeichereUmgebung(Pfad("LMTR-Umgebungen/Meine Umgebung.lmu")), 0);
    app.m_Profil.m_strProfilMuster = "Station Nord.lmp";
    app.ZeigeDateinamen();
    EXPECT_EQ(app.GetMainWnd()->GetStatusLeiste()->GetText(1), "Meine Umgebung.lmu");
    textbreite::Pruefe(app.GetMainWnd()->GetStatusLeiste(), "Statusleiste");

    std::string text;
    m_laeufer->m_antworten.push_back([&text](QDialog& d) {
        textbreite::Pruefe(&d, d.objectName().toStdString());
        text = dynamic_cast<CHinweisDlg&>(d).GetText();
        return 1;
    });
    app.Befehl(ID_PROGRAMMBESCHREIBUNG);
    EXPECT_NE(text.find("unter dem Dateinamen \"LMTR Programmbeschreibung.pdf\" im Programm"), std::string::npos);
}
