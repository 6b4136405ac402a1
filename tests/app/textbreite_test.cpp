// Every text of the two views and of the display dialogs fits its control
// in the profile's dialog font, whatever the unit.
#include "ansicht_umfeld.h"

#include "app/befehle.h"
#include "app/fragedlg.h"
#include "app/lmtestdoc.h"
#include "app/lmtrainingdoc.h"
#include "app/testansicht.h"
#include "app/trainingsansicht.h"
#include "dialogs/anordnungdlg.h"
#include "dialogs/anzeigedlg.h"
#include "model/test.h"
#include "model/training.h"
#include "support/textbreite.h"

namespace {

void PruefeBreite(const QWidget* flaeche, const std::string& wo)
{
    for (const std::string& f : textbreite::ZuBreit(flaeche, wo))
        ADD_FAILURE() << f;
}

// Each unit, with its decimal places, on the settings page of every task
// kind, then on a report page; the last unit is the widest.
template <class Dokument, class Ansicht, int kVorlage, int kErsterKnopf>
class CTextbreite : public CAnsichtTest<Dokument, Ansicht, kVorlage, kErsterKnopf> {
protected:
    template <class Modell, class Bericht>
    void Pruefe(Modell& (Dokument::*modell)(), void (Modell::*setzeArt)(int), std::initializer_list<int> arten,
                Bericht bericht)
    {
        const std::pair<uint32_t, int> einheiten[] = {{EINHEIT_WINKEL, 1},
                                                      {EINHEIT_LAENGE | EINHEIT_MM, 2},
                                                      {EINHEIT_PIXEL, 0},
                                                      {EINHEIT_ANTEIL | EINHEIT_PROZENT, 3}};
        for (auto [einheit, stellen] : einheiten) {
            CAnzeigeOptionen o = this->m_app->m_Profil.GetAnzeigeOptionen();
            o.SetEinheit(einheit);
            o.SetDezimalstellen(stellen);
            this->m_app->m_Profil.SetAnzeigeoptionen(o);
            this->m_app->m_Umgebung.Berechnen();
            this->Oeffnen();
            Modell& m = (this->m_doc->*modell)();
            // A background task that shows every background value.
            CHGAufgabe a = m.GetHGAufgabe();
            a.m_nArt = 20;
            m.SetHGAufgabe(a);
            const std::string wo = "Einheit " + std::to_string(einheit);
            for (int art : arten) {
                (m.*setzeArt)(art);
                this->m_ansicht->ZeigeSeite();
                PruefeBreite(this->m_ansicht->GetFormular(), wo + " Art " + std::to_string(art));
            }
            bericht(m);
            m.m_nSeite = 2;
            this->m_ansicht->ZeigeSeite();
            PruefeBreite(this->m_ansicht->GetFormular(), wo + " Bericht");
        }
        this->Bild(kVorlage == 0 ? "trainingsansicht_prozent" : "testansicht_prozent");
    }
};

using TextbreiteTraining = CTextbreite<CLMTrainingDoc, CLMTrainingView, 0, 32850>;
using TextbreiteTest = CTextbreite<CLMTestDoc, CLMTestView, 1, 32862>;

} // namespace

TEST_F(TextbreiteTraining, AngabenUndBerichtsseite)
{
    Pruefe<CTraining>(&CLMTrainingDoc::GetTraining, &CTraining::SetAufgabenart, {10, 20, 50, 60}, [](CTraining& t) {
        CTrainingsBericht b;
        b.m_dStandardGeschwindigkeit = 0.25;
        b.m_dZielGeschwindigkeit = 0.5;
        t.SetBericht(0, &b);
    });
}

TEST_F(TextbreiteTest, AngabenUndBerichtsseite)
{
    Pruefe<CTest>(&CLMTestDoc::GetTest, &CTest::SetTestart, {10, 20}, [](CTest& t) {
        CTestBericht b;
        b.m_dHGGeschwindigkeit = 0.25;
        t.SetBericht(0, b);
    });
}

// The display dialogs; the status bar's file-name panes with an ordinary
// name whole; the notice box of the program description, which names the
// file that the program folder holds.
TEST_F(AppTest, TextbreiteDerDialogeStatusleisteUndHinweisbox)
{
    CBenutzerprofil profil;
    CAnzeigeDlg anzeige;
    anzeige.SetOptionen(&profil);
    anzeige.OnInitDialog();
    PruefeBreite(&anzeige, "anzeigedlg");
    CUmgebung umgebung(&profil);
    CAnordnungDlg anordnung;
    anordnung.SetUmgebung(&profil, &umgebung);
    anordnung.OnInitDialog();
    PruefeBreite(&anordnung, "anordnungdlg");

    SchreibeVorlagen();
    CLumetraApp& app = Starte();
    app.GetMainWnd()->resize(900, 600);
    ASSERT_EQ(app.SpeichereUmgebung(Pfad("LMTR-Umgebungen/Meine Umgebung.lmu")), 0);
    app.m_Profil.m_strProfilMuster = "Station Nord.lmp";
    app.ZeigeDateinamen();
    EXPECT_EQ(app.GetMainWnd()->GetStatusLeiste()->GetText(1), "Meine Umgebung.lmu");
    PruefeBreite(app.GetMainWnd()->GetStatusLeiste(), "Statusleiste");

    std::string text;
    m_laeufer->m_antworten.push_back([&text](QDialog& d) {
        PruefeBreite(&d, d.objectName().toStdString());
        text = dynamic_cast<CHinweisDlg&>(d).GetText();
        return 1;
    });
    app.Befehl(ID_PROGRAMMBESCHREIBUNG);
    EXPECT_NE(text.find("unter dem Dateinamen \"LMTR Programmbeschreibung.pdf\" im Programm"), std::string::npos);
}
