#include <QColorDialog>
#include <QImage>

#include "dialog_umfeld.h"
#include "dialogs/farbendlg.h"

namespace {

QColor Farbe(uint32_t c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
// One "Ändern" button per colour row.
long Zeilen(const QWidget& w)
{
    const auto k = w.findChildren<QPushButton*>();
    return std::count_if(k.begin(), k.end(), [](QPushButton* b) { return b->text() == "Ändern"; });
}

using FarbenDlgTest = DialogTest;

TEST_F(FarbenDlgTest, ZeilenUndFelder)
{
    for (int art : {0, 10, 20}) {
        CHGAufgabe a = training.GetHGAufgabe();
        a.m_nArt = art;
        training.SetHGAufgabe(a);
        CFarbenDlg dlg;
        dlg.SetTraining(&profil, &training);
        dlg.OnInitDialog();
        EXPECT_EQ(Zeilen(dlg), 4);
        EXPECT_EQ(Teil<QPushButton>(dlg, "zielmuster")->isEnabled(), art == 10) << art;
        // The swatch is painted, in its exact colour, also when its row is disabled.
        EXPECT_EQ(dlg.grab().toImage().pixelColor(195, 137), Farbe(training.GetFarben().m_crZielmuster));
    }
    CFarbenDlg dlgTest;
    dlgTest.SetTest(&profil, &test);
    dlgTest.OnInitDialog();
    EXPECT_EQ(Zeilen(dlgTest), 5);
    Bild(dlgTest, "farbendlg_test");
}

// The chooser opens with the colour and changes only the dialog's copy,
// which only OK hands to the test (never to a training).
TEST_F(FarbenDlgTest, ModalerLaufBestaetigtOderBricht)
{
    const CFarben alt = test.GetFarben();
    auto waehle = [&](uint32_t erwartet, QColor neu, int ergebnis) {
        Antwort([=](QDialog& d) {
            auto& w = dynamic_cast<QColorDialog&>(d);
            EXPECT_EQ(w.currentColor(), Farbe(erwartet));
            w.setCurrentColor(neu);
            return ergebnis;
        });
    };
    for (int ergebnis : {IDCANCEL, IDOK}) {
        CFarbenDlg dlg;
        dlg.SetTest(&profil, &test);
        Antwort([&](QDialog& d) {
            waehle(alt.m_crVordergrund, QColor(9, 9, 9), QDialog::Rejected);
            Klicke(d, "vordergrund");
            waehle(alt.m_crBeispielreiz, QColor(200, 100, 50), QDialog::Accepted);
            Klicke(d, "beispielreiz");
            EXPECT_EQ(test.GetFarben().m_crBeispielreiz, alt.m_crBeispielreiz);
            Klicke(d, ergebnis == IDOK ? "ok" : "abbrechen");
            return d.result();
        });
        const int antwort = dlg.DoModal();
        EXPECT_EQ(antwort, ergebnis);
        if (antwort == IDOK) {
            dlg.GetTraining(&training);
            dlg.GetTest(&test);
        }
        EXPECT_EQ(test.GetFarben().m_crBeispielreiz, antwort == IDOK ? RGB(200, 100, 50) : alt.m_crBeispielreiz);
        EXPECT_EQ(test.GetFarben().m_crVordergrund, alt.m_crVordergrund);
        EXPECT_EQ(training.GetFarben().m_crBeispielreiz, CFarben().m_crBeispielreiz);
    }
}

} // namespace
