// Every text of the sheets' pages and of the colour dialog fits its
// control in the profile's dialog font, whatever unit the sizes are in.
#include "dialog_umfeld.h"
#include "dialogs/farbendlg.h"
#include "dialogs/hgsheet.h"
#include "dialogs/testsheet.h"
#include "dialogs/trainingsheet.h"
#include "support/textbreite.h"

namespace {

using Textbreite = DialogTest;

TEST_F(Textbreite, SeitenBlaetterUndFarbdialog)
{
    auto pruefe = [](QWidget& w, const std::string& wo) {
        for (const std::string& f : textbreite::ZuBreit(&w, wo))
            ADD_FAILURE() << f;
    };
    auto blaettern = [&](CBlatt& blatt, const std::string& wo) {
        blatt.show();
        for (int i = 0; i < blatt.GetSeitenAnzahl(); ++i) {
            blatt.GetReiter()->setCurrentIndex(i);
            pruefe(*blatt.GetSeite(i), wo);
        }
        pruefe(blatt, wo);
    };
    using E = std::pair<uint32_t, int>;
    for (auto [einheit, stellen] : {E{EINHEIT_WINKEL, 1}, E{EINHEIT_LAENGE | EINHEIT_MM, 2}, E{EINHEIT_PIXEL, 0},
                                    E{EINHEIT_ANTEIL | EINHEIT_PROZENT, 3}}) {
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
        pruefe(*farben, "Farben");
    }
}

} // namespace
