#include "dialog_umfeld.h"

#include <QFileDialog>
#include <QFontDialog>

#include "dialogs/textdlg.h"

namespace {

class TextSeite : public DialogTest {
protected:
    void Oeffnen(int aufgabe = 50) { Zeige(seite, aufgabe); }
    std::string Eigene() const { return profil.GetVerzeichnisse().m_strEigeneTexte; }
    CTextDlg seite;
};

} // namespace

TEST_F(TextSeite, ZeigtUndLiestDenDatensatz)
{
    Oeffnen();
    EXPECT_EQ(Text(seite, "textname"), "Zecken (118).txt");
    EXPECT_EQ(Text(seite, "ordner"), "/Gesundheit/");
    EXPECT_FALSE(Frei(seite, "eigeneTexte"));
    EXPECT_EQ(Text(seite, "bildbreite"), "36,0");
    EXPECT_EQ(Teil<QComboBox>(seite, "tasteVor")->currentIndex(), 9);
    Bild(seite, "seite_text");

    Klicke(seite, "ueFett");
    EXPECT_EQ(training.GetText().m_lfUeberschrift.lfWeight, 400);
    Tippe(seite, "zeilenabstand", "0,5");
    EXPECT_DOUBLE_EQ(training.GetText().m_dZeilenabstand, 1.0);
    EXPECT_EQ(Text(seite, "zeilenabstand"), "1,0");
    Tippe(seite, "txSchriftart", "  Courier New  ");
    EXPECT_EQ(training.GetText().m_lfText.lfFaceName, "Courier New");
    Tippe(seite, "txSchriftart", QString(40, 'x'));
    EXPECT_EQ(training.GetText().m_lfText.lfFaceName, std::string(31, 'x'));
}

TEST_F(TextSeite, AndereAufgabeBisZumEigenenText)
{
    Oeffnen(10);
    const CText vorher = training.GetText();
    EXPECT_FALSE(An(seite, "textSammlung"));
    EXPECT_FALSE(An(seite, "textEigen"));
    for (const char* name : {"tasteZurueck", "textname", "suchen", "txGroesse", "zeilenabstand"})
        EXPECT_FALSE(Frei(seite, name)) << name;
    EXPECT_TRUE(Frei(seite, "textEigen"));
    seite.Aktualisieren();
    EXPECT_EQ(training.GetAufgabenart(), 10);
    EXPECT_EQ(training.GetText().m_dZeilenabstand, vorher.m_dZeilenabstand);

    Klicke(seite, "textEigen");
    EXPECT_EQ(training.GetAufgabenart(), 50);
    EXPECT_EQ(training.GetText().m_nTextart, 20);
    EXPECT_EQ(Text(seite, "textname"), "*.txt");
    EXPECT_EQ(Text(seite, "ordner"), "/");
    EXPECT_EQ(Text(seite, "eigeneTexte"), Eigene() + "/");
    EXPECT_TRUE(Frei(seite, "eigeneTexte"));

    Tippe(seite, "textname", "Haus");
    EXPECT_EQ(training.GetText().m_strEigenerText, "Haus.txt");
    Tippe(seite, "textname", "");
    EXPECT_EQ(training.GetText().m_strEigenerText, "*.txt");
    Tippe(seite, "textname", QString::fromStdString(Eigene() + "/Tiere/Hund.txt"));
    EXPECT_EQ(training.GetText().m_strEigenerText, "Hund.txt");
    EXPECT_EQ(training.GetText().m_strEigenerOrdner, "\\Tiere");
    EXPECT_EQ(Text(seite, "ordner"), "/Tiere/");
    // A sibling folder that only begins with the same letters is no subfolder.
    Tippe(seite, "textname", QString::fromStdString(Eigene() + "X/Hund.txt"));
    EXPECT_EQ(training.GetText().m_strEigenerOrdner, Eigene() + "X");
    // The collection text is untouched.
    EXPECT_EQ(training.GetText().m_strSammlungstext, "Zecken (118).txt");
}

TEST_F(TextSeite, TextnameOhneOrdnerBehaeltDenOrdner)
{
    Oeffnen(50);
    Klicke(seite, "textSammlung");
    Tippe(seite, "textname", std::nullopt);
    EXPECT_EQ(training.GetText().m_strSammlungsordner, "\\Gesundheit");
    EXPECT_EQ(Text(seite, "ordner"), "/Gesundheit/");
    Tippe(seite, "textname", "Hund");
    EXPECT_EQ(training.GetText().m_strSammlungstext, "Hund.txt");
    EXPECT_EQ(training.GetText().m_strSammlungsordner, "\\Gesundheit");
}

TEST_F(TextSeite, SchriftdialogAendertNurSeineSchrift)
{
    Oeffnen();
    training.SetText(training.GetText());
    const CText vorher = training.GetText();
    LOGFONT anfang;
    Antwort([&](QDialog& d) {
        auto& dialog = dynamic_cast<QFontDialog&>(d);
        anfang.lfFaceName = dialog.currentFont().family().toStdString();
        QFont f("DejaVu Sans");
        f.setPixelSize(40);
        f.setWeight(QFont::Bold);
        dialog.setCurrentFont(f);
        return int(QDialog::Accepted);
    });
    Klicke(seite, "txSuchen");
    const CText t = training.GetText();
    EXPECT_FALSE(anfang.lfFaceName.empty());
    EXPECT_EQ(t.m_lfText.lfFaceName, "DejaVu Sans");
    EXPECT_EQ(t.m_lfText.lfWeight, 700);
    EXPECT_TRUE(An(seite, "txFett"));
    EXPECT_NEAR(t.m_dTextgroesse * 768, 40, 1.0);
    EXPECT_EQ(t.m_lfUeberschrift, vorher.m_lfUeberschrift);
    EXPECT_DOUBLE_EQ(t.m_dUeberschriftgroesse, vorher.m_dUeberschriftgroesse);

    // Cancelled dialogs leave the record as it was.
    for (int i = 0; i < 2; ++i)
        Antwort([](QDialog&) { return int(QDialog::Rejected); });
    Klicke(seite, "ueSuchen");
    Klicke(seite, "suchen");
    EXPECT_EQ(training.GetText().m_lfUeberschrift, vorher.m_lfUeberschrift);
    EXPECT_EQ(training.GetText().m_strSammlungstext, vorher.m_strSammlungstext);
}
