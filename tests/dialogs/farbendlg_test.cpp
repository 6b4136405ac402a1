#include <QColorDialog>
#include <QImage>

#include "dialog_umfeld.h"
#include "dialogs/farbendlg.h"

namespace {

class FarbenDlgTest : public DialogTest {
protected:
    // A chooser answer: checks the colour it opened with, then picks one.
    std::function<int(QDialog&)> Waehle(uint32_t erwartet, QColor neu, int ergebnis = QDialog::Accepted)
    {
        return [=](QDialog& d) {
            auto* w = dynamic_cast<QColorDialog*>(&d);
            EXPECT_NE(w, nullptr);
            if (!w)
                return 0;
            EXPECT_EQ(w->currentColor(), QColor(GetRValue(erwartet), GetGValue(erwartet), GetBValue(erwartet)));
            w->setCurrentColor(neu);
            return ergebnis;
        };
    }
};

int AnzahlAendern(QWidget& w)
{
    int n = 0;
    for (auto* k : w.findChildren<QPushButton*>())
        n += k->text() == "Ändern";
    return n;
}

TEST_F(FarbenDlgTest, TrainingVierZeilenTestFuenf)
{
    CFarbenDlg dlgTraining;
    dlgTraining.SetTraining(&profil, &training);
    dlgTraining.OnInitDialog();
    EXPECT_EQ(AnzahlAendern(dlgTraining), 4);

    CFarbenDlg dlgTest;
    dlgTest.SetTest(&profil, &test);
    dlgTest.OnInitDialog();
    EXPECT_EQ(AnzahlAendern(dlgTest), 5);
    Bild(dlgTest, "farbendlg_test");
}

TEST_F(FarbenDlgTest, ZielmusterfarbeNurBeiFarbaenderung)
{
    for (int art : {0, 10, 20}) {
        CHGAufgabe a = training.GetHGAufgabe();
        a.m_nArt = art;
        training.SetHGAufgabe(a);
        CFarbenDlg dlg;
        dlg.SetTraining(&profil, &training);
        dlg.OnInitDialog();
        EXPECT_EQ(Teil<QPushButton>(dlg, "zielmuster")->isEnabled(), art == 10) << art;
        // The swatch is painted also when its row is disabled.
        const QImage bild = dlg.grab().toImage();
        const uint32_t ziel = training.GetFarben().m_crZielmuster;
        EXPECT_EQ(bild.pixelColor(195, 137), QColor(GetRValue(ziel), GetGValue(ziel), GetBValue(ziel)));
    }
}

TEST_F(FarbenDlgTest, WaehlerAendertNurDieKopie)
{
    CFarben alt = training.GetFarben();
    CFarbenDlg dlg;
    dlg.SetTraining(&profil, &training);
    dlg.OnInitDialog();
    Antwort(Waehle(alt.m_crHintergrund, QColor(1, 2, 3)));
    QTest::mouseClick(Teil<QPushButton>(dlg, "hintergrund"), Qt::LeftButton);
    EXPECT_EQ(dlg.GetFarben().m_crHintergrund, RGB(1, 2, 3));
    EXPECT_EQ(training.GetFarben().m_crHintergrund, alt.m_crHintergrund);
    // Only the training's dialog hands the copy to a training.
    dlg.GetTest(&test);
    EXPECT_EQ(test.GetFarben().m_crHintergrund, CFarben().m_crHintergrund);
    dlg.GetTraining(&training);
    EXPECT_EQ(training.GetFarben().m_crHintergrund, RGB(1, 2, 3));
}

TEST_F(FarbenDlgTest, ModalerLaufBestaetigtOderBricht)
{
    const CFarben alt = test.GetFarben();
    for (int ergebnis : {2, 1}) {
        CFarbenDlg dlg;
        dlg.SetTest(&profil, &test);
        Antwort([&](QDialog& d) {
            // A cancelled chooser keeps the colour.
            Antwort(Waehle(alt.m_crVordergrund, QColor(9, 9, 9), QDialog::Rejected));
            QTest::mouseClick(Teil<QPushButton>(d, "vordergrund"), Qt::LeftButton);
            Antwort(Waehle(alt.m_crBeispielreiz, QColor(200, 100, 50)));
            QTest::mouseClick(Teil<QPushButton>(d, "beispielreiz"), Qt::LeftButton);
            QTest::mouseClick(Teil<QPushButton>(d, ergebnis == 1 ? "ok" : "abbrechen"), Qt::LeftButton);
            return d.result();
        });
        const int antwort = dlg.DoModal();
        EXPECT_EQ(antwort, ergebnis);
        if (antwort == 1) {
            dlg.GetTraining(&training); // opened for a test: nothing
            dlg.GetTest(&test);
        }
        EXPECT_EQ(test.GetFarben().m_crBeispielreiz, antwort == 1 ? RGB(200, 100, 50) : alt.m_crBeispielreiz);
        EXPECT_EQ(test.GetFarben().m_crVordergrund, alt.m_crVordergrund);
        EXPECT_EQ(training.GetFarben().m_crBeispielreiz, CFarben().m_crBeispielreiz);
    }
}

} // namespace
