// Every text of the two views, the display-options and arrangement dialogs
// fits its control in the profile's dialog font, whatever the unit.
#include "ansicht_umfeld.h"

#include "app/lmtestdoc.h"
#include "app/lmtrainingdoc.h"
#include "app/testansicht.h"
#include "app/trainingsansicht.h"
#include "model/test.h"
#include "model/training.h"
#include "support/textbreite.h"
#include "workplace/dialogs/anordnungdlg.h"
#include "workplace/dialogs/anzeigedlg.h"

namespace {

struct CEinheit {
    uint32_t code;
    int stellen;
};
const CEinheit kEinheiten[] = {{EINHEIT_WINKEL, 1},
                               {EINHEIT_LAENGE | EINHEIT_CM, 1},
                               {EINHEIT_LAENGE | EINHEIT_MM, 2},
                               {EINHEIT_PIXEL, 0},
                               {EINHEIT_ANTEIL | EINHEIT_PROZENT, 3}};

template <class Dokument, class Ansicht, int kVorlage, int kErsterKnopf>
class CTextbreite : public CAnsichtTest<Dokument, Ansicht, kVorlage, kErsterKnopf> {
protected:
    void Einheit(const CEinheit& e)
    {
        CAnzeigeOptionen o = this->m_app->m_Profil.GetAnzeigeOptionen();
        o.SetEinheit(e.code);
        o.SetDezimalstellen(e.stellen);
        this->m_app->m_Profil.SetAnzeigeoptionen(o);
        this->m_app->m_Umgebung.Berechnen();
        this->Oeffnen();
    }
    void Pruefe(const std::string& wo)
    {
        this->m_ansicht->ZeigeSeite();
        for (const std::string& f : textbreite::ZuBreit(this->m_ansicht->GetFormular(), wo))
            fehler.push_back(f);
    }
    void TearDown() override
    {
        for (const std::string& f : fehler)
            ADD_FAILURE() << f;
        CAnsichtTest<Dokument, Ansicht, kVorlage, kErsterKnopf>::TearDown();
    }
    std::vector<std::string> fehler;
};

using TextbreiteTraining = CTextbreite<CLMTrainingDoc, CLMTrainingView, 0, 32850>;
using TextbreiteTest = CTextbreite<CLMTestDoc, CLMTestView, 1, 32862>;

} // namespace

TEST_F(TextbreiteTraining, AngabenUndBerichtsseite)
{
    for (const CEinheit& e : kEinheiten) {
        Einheit(e);
        CTraining& t = m_doc->GetTraining();
        CHGAufgabe a = t.GetHGAufgabe();
        a.m_nArt = 20;
        t.SetHGAufgabe(a);
        for (int art : {10, 20, 50, 60}) {
            t.SetAufgabenart(art);
            Pruefe("Einheit " + std::to_string(e.code) + " Training " + std::to_string(art));
            if (e.code == (EINHEIT_ANTEIL | EINHEIT_PROZENT) && art == 10)
                Bild("trainingsansicht_sakkaden");
        }
        CTrainingsBericht b;
        b.m_dLaufzeit = 73.26;
        b.m_dStandardGeschwindigkeit = 0.25;
        b.m_dZielGeschwindigkeit = 0.5;
        t.SetBericht(0, &b);
        t.m_nSeite = 2;
        Pruefe("Einheit " + std::to_string(e.code) + " Trainingsbericht");
    }
}

TEST_F(TextbreiteTest, AngabenUndBerichtsseite)
{
    for (const CEinheit& e : kEinheiten) {
        Einheit(e);
        CTest& t = m_doc->GetTest();
        for (int art : {10, 20}) {
            t.SetTestart(art);
            Pruefe("Einheit " + std::to_string(e.code) + " Test " + std::to_string(art));
            if (e.code == (EINHEIT_ANTEIL | EINHEIT_PROZENT))
                Bild(art == 20 ? "testansicht_laengen" : "testansicht_linien");
        }
        CTestBericht b;
        b.m_dLaufzeit = 73.26;
        b.m_dHGGeschwindigkeit = 0.25;
        t.SetBericht(0, b);
        t.m_nSeite = 2;
        Pruefe("Einheit " + std::to_string(e.code) + " Testbericht");
    }
}

TEST_F(AppTest, TextbreiteDerUmgebungsdialoge)
{
    CBenutzerprofil profil;
    CAnzeigeDlg anzeige;
    anzeige.SetOptionen(&profil);
    anzeige.OnInitDialog();
    std::vector<std::string> fehler = textbreite::ZuBreit(&anzeige, "Anzeigeoptionen");
    CUmgebung umgebung(&profil);
    CAnordnungDlg anordnung;
    anordnung.SetUmgebung(&profil, &umgebung);
    anordnung.OnInitDialog();
    for (const std::string& f : textbreite::ZuBreit(&anordnung, "Anordnung"))
        fehler.push_back(f);
    for (const std::string& f : fehler)
        ADD_FAILURE() << f;
}
