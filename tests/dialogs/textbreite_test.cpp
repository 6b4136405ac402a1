// Every text of the sheets' pages and of the colour dialog fits its
// control in the profile's dialog font, whatever unit the sizes are in.
#include <QTabWidget>

#include "dialogs/blatt.h"
#include "dialogs/farbendlg.h"
#include "dialogs/hgsheet.h"
#include "dialogs/seite.h"
#include "dialogs/testsheet.h"
#include "dialogs/trainingsheet.h"
#include "hg_umfeld.h"
#include "support/textbreite.h"

namespace {

class Textbreite : public HGDialogTest {
protected:
    // Shows every page of the sheet and collects what does not fit.
    void Pruefe(CBlatt& blatt, const std::string& wo)
    {
        blatt.show();
        for (int i = 0; i < blatt.GetSeitenAnzahl(); ++i) {
            blatt.GetReiter()->setCurrentIndex(i);
            for (const std::string& f : textbreite::ZuBreit(blatt.GetSeite(i), wo))
                fehler.push_back(f);
        }
        for (const std::string& f : textbreite::ZuBreit(&blatt, wo))
            fehler.push_back(f);
        blatt.hide();
    }
    std::vector<std::string> fehler;
};

} // namespace

TEST_F(Textbreite, SeitenBlaetterUndFarbdialog)
{
    struct Einheit {
        uint32_t code;
        int stellen;
    };
    for (const Einheit e : {Einheit{EINHEIT_WINKEL, 1}, Einheit{EINHEIT_LAENGE | EINHEIT_CM, 1},
                            Einheit{EINHEIT_LAENGE | EINHEIT_MM, 2}, Einheit{EINHEIT_PIXEL, 0},
                            Einheit{EINHEIT_ANTEIL | EINHEIT_PROZENT, 2}}) {
        SetEinheit(e.code, e.stellen);
        const std::string wo = "Einheit " + std::to_string(e.code);
        for (int art : {10, 20, 50, 60}) {
            training.SetAufgabenart(art);
            CTrainingSheet blatt("Vordergrundaufgabe ändern");
            blatt.SetTraining(&profil, &umgebung, training);
            Pruefe(blatt, wo + " Training " + std::to_string(art));
        }
        for (int art : {10, 20}) {
            test.SetTestart(art);
            CTestSheet blatt("Vordergrundaufgabe ändern");
            blatt.SetTest(&profil, &umgebung, test);
            Pruefe(blatt, wo + " Test " + std::to_string(art));
        }
        CHGSheet hg("Hintergrund ändern");
        hg.SetTraining(&profil, &umgebung, &training, 0);
        Pruefe(hg, wo + " Hintergrund");
    }
    for (bool mitTest : {false, true}) {
        CFarbenDlg farben;
        if (mitTest)
            farben.SetTest(&profil, &test);
        else
            farben.SetTraining(&profil, &training);
        farben.OnInitDialog();
        farben.show();
        for (const std::string& f : textbreite::ZuBreit(&farben, mitTest ? "Farben Test" : "Farben Training"))
            fehler.push_back(f);
    }
    for (const std::string& f : fehler)
        ADD_FAILURE() << f;
}
