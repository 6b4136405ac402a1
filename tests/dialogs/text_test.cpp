#include "dialog_umfeld.h"

#include <QFontDialog>

#include "dialogs/textdlg.h"

namespace {

using TextSeite = DialogTest;

TEST_F(TextSeite, SammlungstextUndSchriften)
{
    CTextDlg seite;
    Zeige(seite, 50);
    EXPECT_EQ(Text(seite, "ordner"), "/Gesundheit/");
    EXPECT_FALSE(Frei(seite, "eigeneTexte"));
    EXPECT_EQ(Text(seite, "bildbreite"), "36,0");
    Bild(seite, "seite_text");
    // A bare name keeps the folder.
    Tippe(seite, "textname", std::nullopt);
    EXPECT_EQ(training.GetText().m_strSammlungsordner, "\\Gesundheit");
    Tippe(seite, "textname", "Hund");
    EXPECT_EQ(training.GetText().m_strSammlungstext, "Hund.txt");
    EXPECT_EQ(training.GetText().m_strSammlungsordner, "\\Gesundheit");

    Tippe(seite, "zeilenabstand", "0,5");
    EXPECT_DOUBLE_EQ(training.GetText().m_dZeilenabstand, 1.0);
    EXPECT_EQ(Text(seite, "zeilenabstand"), "1,0");
    Tippe(seite, "txSchriftart", "  Courier New  ");
    EXPECT_EQ(training.GetText().m_lfText.lfFaceName, "Courier New");
    Tippe(seite, "txSchriftart", QString(40, 'x'));
    EXPECT_EQ(training.GetText().m_lfText.lfFaceName, std::string(31, 'x'));

    // The font dialog changes only its own font; cancelled dialogs nothing.
    const CText vorher = training.GetText();
    Antwort([&](QDialog& d) {
        QFont f("DejaVu Sans");
        f.setPixelSize(40);
        f.setWeight(QFont::Bold);
        dynamic_cast<QFontDialog&>(d).setCurrentFont(f);
        return int(QDialog::Accepted);
    });
    Klicke(seite, "txSuchen");
    const CText t = training.GetText();
    EXPECT_EQ(t.m_lfText.lfFaceName, "DejaVu Sans");
    EXPECT_EQ(t.m_lfText.lfWeight, 700);
    EXPECT_TRUE(An(seite, "txFett"));
    EXPECT_NEAR(t.m_dTextgroesse * 768, 40, 1.0);
    EXPECT_EQ(t.m_lfUeberschrift, vorher.m_lfUeberschrift);
    EXPECT_DOUBLE_EQ(t.m_dUeberschriftgroesse, vorher.m_dUeberschriftgroesse);
    for (const char* knopf : {"ueSuchen", "suchen"}) {
        Antwort([](QDialog&) { return int(QDialog::Rejected); });
        Klicke(seite, knopf);
    }
    EXPECT_EQ(training.GetText().m_lfUeberschrift, vorher.m_lfUeberschrift);
    EXPECT_EQ(training.GetText().m_strSammlungstext, "Hund.txt");
}

TEST_F(TextSeite, AndereAufgabeBisZumEigenenText)
{
    CTextDlg seite;
    Zeige(seite, 10);
    const std::string eigene = profil.GetVerzeichnisse().m_strEigeneTexte;
    EXPECT_FALSE(An(seite, "textSammlung"));
    for (const char* name : {"tasteZurueck", "textname", "suchen", "txGroesse", "zeilenabstand"})
        EXPECT_FALSE(Frei(seite, name)) << name;
    seite.Aktualisieren();
    EXPECT_EQ(training.GetAufgabenart(), 10);

    Klicke(seite, "textEigen");
    EXPECT_EQ(training.GetAufgabenart(), 50);
    EXPECT_EQ(training.GetText().m_nTextart, 20);
    EXPECT_EQ(Text(seite, "textname"), "*.txt");
    EXPECT_EQ(Text(seite, "eigeneTexte"), eigene + "/");
    Tippe(seite, "textname", "");
    EXPECT_EQ(training.GetText().m_strEigenerText, "*.txt");
    Tippe(seite, "textname", QString::fromStdString(eigene + "/Tiere/Hund.txt"));
    EXPECT_EQ(training.GetText().m_strEigenerText, "Hund.txt");
    EXPECT_EQ(training.GetText().m_strEigenerOrdner, "\\Tiere");
    EXPECT_EQ(Text(seite, "ordner"), "/Tiere/");
    // A sibling folder that only begins with the same letters is no subfolder.
    Tippe(seite, "textname", QString::fromStdString(eigene + "X/Hund.txt"));
    EXPECT_EQ(training.GetText().m_strEigenerOrdner, eigene + "X");
    EXPECT_EQ(training.GetText().m_strSammlungstext, "Zecken (118).txt");
}

} // namespace
