// Every text of the sheets' pages and of the colour dialog fits its
// control in the profile's dialog font, whatever unit the sizes are in.
#include <QTabWidget>

#include "dialogs/blatt.h"
#include "dialogs/farbendlg.h"
#include "dialogs/hgsheet.h"
#include "dialogs/seite.h"
#include "dialogs/testsheet.h"
#include "dialogs/trainingsheet.h"
#include "dialog_umfeld.h"
#include "support/textbreite.h"

namespace {

class Textbreite : public DialogTest {
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
    using E = std::pair<uint32_t, int>;
    for (auto [einheit, stellen] : {E{EINHEIT_WINKEL, 1}, E{EINHEIT_LAENGE | EINHEIT_MM, 2}, E{EINHEIT_PIXEL, 0},
                                    E{EINHEIT_ANTEIL | EINHEIT_PROZENT, 3}}) {
        SetEinheit(einheit, stellen);
        const std::string wo = "Einheit " + std::to_string(einheit);
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
        for (const std::string& f : textbreite::ZuBreit(&farben, "Farben"))
            fehler.push_back(f);
    }
    for (const std::string& f : fehler)
        ADD_FAILURE() << f;
}
