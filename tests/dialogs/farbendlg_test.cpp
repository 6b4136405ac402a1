#include <QColorDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

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
    CFarbenDlg training;
    training.SetTraining(&m_Profil, &m_Training);
    training.OnInitDialog();
    EXPECT_EQ(AnzahlAendern(training), 4);
    EXPECT_EQ(training.findChild<QPushButton*>("beispielreiz"), nullptr);
    EXPECT_EQ(Kind<QPushButton>(training, "vordergrund")->geometry(), QRect(235, 20, 60, 20));

    CFarbenDlg test;
    test.SetTest(&m_Profil, &m_Test);
    test.OnInitDialog();
    EXPECT_EQ(AnzahlAendern(test), 5);
    EXPECT_EQ(Kind<QPushButton>(test, "beispielreiz")->geometry(), QRect(235, 41, 60, 20));
    QStringList texte;
    for (auto* l : test.findChildren<QLabel*>())
        texte << l->text();
    EXPECT_TRUE(texte.contains("Farbe Testreiz"));
    EXPECT_TRUE(texte.contains("Farbe Beispielreiz"));
    EXPECT_FALSE(texte.contains("Vordergrundfarbe"));
    EXPECT_EQ(test.windowTitle(), "Farben ändern");
    Bildschirmfoto(test, "farbendlg_test");
}

TEST_F(FarbenDlgTest, ZielmusterfarbeNurBeiFarbaenderung)
{
    for (int art : {0, 10, 20}) {
        CHGAufgabe a = m_Training.GetHGAufgabe();
        a.m_nArt = art;
        m_Training.SetHGAufgabe(a);
        CFarbenDlg dlg;
        dlg.SetTraining(&m_Profil, &m_Training);
        dlg.OnInitDialog();
        EXPECT_EQ(Kind<QPushButton>(dlg, "zielmuster")->isEnabled(), art == 10) << art;
        EXPECT_EQ(Kind<QLabel>(dlg, "zielmusterlabel")->isEnabled(), art == 10) << art;
        // The swatch is painted also when its row is disabled.
        const QImage bild = dlg.grab().toImage();
        const uint32_t ziel = m_Training.GetFarben().m_crZielmuster;
        EXPECT_EQ(bild.pixelColor(195, 137), QColor(GetRValue(ziel), GetGValue(ziel), GetBValue(ziel)));
        EXPECT_EQ(bild.pixelColor(165, 132), QColor(Qt::white));
        if (art == 0)
            Bildschirmfoto(dlg, "farbendlg_training");
    }
}

TEST_F(FarbenDlgTest, WaehlerAendertNurDieKopie)
{
    CFarben alt = m_Training.GetFarben();
    CFarbenDlg dlg;
    dlg.SetTraining(&m_Profil, &m_Training);
    dlg.OnInitDialog();

    Antwort(Waehle(alt.m_crHintergrund, QColor(1, 2, 3)));
    QTest::mouseClick(Kind<QPushButton>(dlg, "hintergrund"), Qt::LeftButton);
    EXPECT_EQ(dlg.GetFarben().m_crHintergrund, RGB(1, 2, 3));
    // A cancelled chooser keeps the colour.
    Antwort(Waehle(alt.m_crStandardmuster, QColor(9, 9, 9), QDialog::Rejected));
    QTest::mouseClick(Kind<QPushButton>(dlg, "standardmuster"), Qt::LeftButton);
    EXPECT_EQ(dlg.GetFarben().m_crStandardmuster, alt.m_crStandardmuster);
    EXPECT_TRUE(m_antworten.empty());
    EXPECT_EQ(m_Training.GetFarben().m_crHintergrund, alt.m_crHintergrund);
    EXPECT_EQ(dlg.grab().toImage().pixelColor(195, 95), QColor(1, 2, 3));

    // Only the training's dialog hands the copy to a training.
    CTest test;
    const CFarben testAlt = test.GetFarben();
    dlg.GetTest(&test);
    EXPECT_EQ(test.GetFarben().m_crHintergrund, testAlt.m_crHintergrund);
    dlg.GetTraining(&m_Training);
    EXPECT_EQ(m_Training.GetFarben().m_crHintergrund, RGB(1, 2, 3));
}

TEST_F(FarbenDlgTest, ModalerLaufBestaetigtOderBricht)
{
    const CFarben alt = m_Test.GetFarben();
    for (int ergebnis : {2, 1}) {
        CFarbenDlg dlg;
        dlg.SetTest(&m_Profil, &m_Test);
        Antwort([&](QDialog& d) {
            Antwort(Waehle(alt.m_crBeispielreiz, QColor(200, 100, 50)));
            QTest::mouseClick(Kind<QPushButton>(d, "beispielreiz"), Qt::LeftButton);
            QTest::mouseClick(Kind<QPushButton>(d, ergebnis == 1 ? "ok" : "abbrechen"), Qt::LeftButton);
            return d.result();
        });
        const int antwort = dlg.DoModal();
        EXPECT_EQ(antwort, ergebnis);
        if (antwort == 1) {
            dlg.GetTraining(&m_Training);  // opened for a test: nothing
            dlg.GetTest(&m_Test);
        }
        EXPECT_EQ(m_Test.GetFarben().m_crBeispielreiz, antwort == 1 ? RGB(200, 100, 50) : alt.m_crBeispielreiz);
        EXPECT_EQ(m_Training.GetFarben().m_crBeispielreiz, CFarben().m_crBeispielreiz);
    }
}

} // namespace
