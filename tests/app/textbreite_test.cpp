// Every text of the two views and of the display dialogs fits its control
// in the profile's dialog font, whatever the unit.
#include "ansicht_umfeld.h"

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

// Units, each with its decimal places; the last is the widest.
const std::pair<uint32_t, int> kEinheiten[] = {
    {EINHEIT_WINKEL, 1}, {EINHEIT_LAENGE | EINHEIT_MM, 2}, {EINHEIT_PIXEL, 0}, {EINHEIT_ANTEIL | EINHEIT_PROZENT, 3}};

// Each unit on the settings page of every task kind, then on a report page.
template <class Dokument, class Ansicht, int kVorlage, int kErsterKnopf>
class CTextbreite : public CAnsichtTest<Dokument, Ansicht, kVorlage, kErsterKnopf> {
protected:
    // `bericht` gives the model its report, after the settings page.
    template <class Modell, class Bericht>
    void Pruefe(Modell& (Dokument::*modell)(), void (Modell::*setzeArt)(int), std::initializer_list<int> arten,
                Bericht bericht)
    {
        for (auto [einheit, stellen] : kEinheiten) {
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
                Ansehen(wo + " Art " + std::to_string(art));
            }
            bericht(m);
            m.m_nSeite = 2;
            Ansehen(wo + " Bericht");
        }
        this->Bild(kVorlage == 0 ? "trainingsansicht_prozent" : "testansicht_prozent");
        for (const std::string& f : fehler)
            ADD_FAILURE() << f;
    }
    void Ansehen(const std::string& wo)
    {
        this->m_ansicht->ZeigeSeite();
        for (const std::string& f : textbreite::ZuBreit(this->m_ansicht->GetFormular(), wo))
            fehler.push_back(f);
    }
    std::vector<std::string> fehler;
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

TEST_F(AppTest, TextbreiteDerUmgebungsdialoge)
{
    CBenutzerprofil profil;
    CAnzeigeDlg anzeige;
    anzeige.SetOptionen(&profil);
    anzeige.OnInitDialog();
    CUmgebung umgebung(&profil);
    CAnordnungDlg anordnung;
    anordnung.SetUmgebung(&profil, &umgebung);
    anordnung.OnInitDialog();
    for (const QWidget* dlg : std::initializer_list<const QWidget*>{&anzeige, &anordnung})
        for (const std::string& f : textbreite::ZuBreit(dlg, dlg->objectName().toStdString()))
            ADD_FAILURE() << f;
}

// The status bar's two file-name panes show an ordinary name whole, and the
// notice box its longest text, in the fonts they are shown in.
TEST_F(AppTest, TextbreiteDerStatusleisteUndDerHinweisbox)
{
    SchreibeVorlagen();
    CLumetraApp& app = Starte();
    app.GetMainWnd()->resize(900, 600);
    ASSERT_EQ(app.SpeichereUmgebung(Pfad("LMTR-Umgebungen/Meine Umgebung.lmu")), 0);
    app.m_Profil.m_strProfilMuster = "Station Nord.lmp";
    app.ZeigeDateinamen();
    CStatusLeiste* status = app.GetMainWnd()->GetStatusLeiste();
    EXPECT_EQ(status->GetText(1), "Meine Umgebung.lmu");
    for (const std::string& f : textbreite::ZuBreit(status, "Statusleiste"))
        ADD_FAILURE() << f;

    m_laeufer->m_antworten.push_back([](QDialog& d) {
        for (const std::string& f : textbreite::ZuBreit(&d, d.objectName().toStdString()))
            ADD_FAILURE() << f;
        return 1;
    });
    app.OnProgrammbeschreibung();
    EXPECT_TRUE(m_laeufer->m_antworten.empty());
}
