#include "dialog_umfeld.h"

#include <fstream>

#include <QFileDialog>
#include <QTemporaryDir>

#include "dialogs/dateiwahl.h"
#include "dialogs/sonstigesdlg.h"

namespace {

class SonstigesSeite : public DialogTest {
protected:
    void Oeffnen(int aufgabe = 60) { Zeige(seite, aufgabe); }
    std::string Eigene() const { return profil.GetVerzeichnisse().m_strEigeneBilder; }
    CSonstigesDlg seite;
};

} // namespace

TEST(Dateiwahl, BilderRegel)
{
    const std::string basis = "C:\\Eigene Dateien";
    struct Fall {
        const char* eingabe;
        const char* endung;
        bool bilder;
        std::string ordner, name;
    };
    for (const Fall& f : {Fall{"C:\\Eigene Dateien\\Tiere\\Hund.bmp", ".bmp", true, "\\Tiere", "Hund.bmp"},
                          Fall{"c:\\eigene dateien\\Haus.bmp", ".bmp", true, "", "Haus.bmp"},
                          Fall{"D:\\Bilder\\Haus.bmp", ".bmp", true, "D:\\Bilder", "Haus.bmp"},
                          Fall{" Haus ", ".bmp", true, "", "Haus.bmp"}, Fall{"", ".bmp", true, "", "*.bmp"},
                          // A backslash at the first position does not split.
                          Fall{"\\Haus.bmp", ".bmp", true, "", "\\Haus.bmp"},
                          // Case matters for the texts, not for the pictures.
                          Fall{"c:\\eigene dateien\\a.txt", ".txt", false, "c:\\eigene dateien", "a.txt"}}) {
        const auto w = ZerlegeDateiname(f.eingabe, f.endung, basis, f.bilder);
        EXPECT_EQ(w.ordner, f.ordner) << f.eingabe;
        EXPECT_EQ(w.name, f.name) << f.eingabe;
    }
    EXPECT_EQ(OrdnerAnzeige("\\Tiere\\Hunde"), "/Tiere/Hunde/");
    EXPECT_EQ(OrdnerAnzeige(""), "/");
    EXPECT_EQ(OrdnerPfad("/home/a", "\\Tiere\\Hunde"), "/home/a/Tiere/Hunde");
}

TEST_F(SonstigesSeite, ZeigtUndSperrt)
{
    Oeffnen();
    EXPECT_EQ(Text(seite, "ordner"), "/");
    EXPECT_EQ(Text(seite, "eigeneBilder"), "");
    for (const char* name : {"bildname", "suchen", "ordner", "eigeneBilder"})
        EXPECT_FALSE(Frei(seite, name)) << name;
    EXPECT_TRUE(Teil<QLineEdit>(seite, "bildname")->isReadOnly());

    Klicke(seite, "eigenesBild");
    EXPECT_EQ(training.GetSonstiges().m_nBildart, 10);
    EXPECT_TRUE(Frei(seite, "bildname"));
    EXPECT_FALSE(Teil<QLineEdit>(seite, "bildname")->isReadOnly());
    EXPECT_TRUE(Teil<QLineEdit>(seite, "ordner")->isReadOnly());
    EXPECT_EQ(Text(seite, "eigeneBilder"), Eigene() + "/");
    Bild(seite, "seite_sonstiges");

    Tippe(seite, "bildname", "Haus");
    EXPECT_EQ(training.GetSonstiges().m_strBilddatei, "Haus.bmp");
    EXPECT_EQ(training.GetAufgabenart(), 60);
}

TEST_F(SonstigesSeite, BildnameOhneOrdnerBehaeltDenOrdner)
{
    CSonstiges s = training.GetSonstiges();
    s.m_nBildart = 10;
    s.m_strBilddatei = "Hund.bmp";
    s.m_strBildordner = "\\Tiere";
    training.SetSonstiges(s);
    Oeffnen();
    Tippe(seite, "bildname", std::nullopt);
    EXPECT_EQ(training.GetSonstiges().m_strBildordner, "\\Tiere");
    Tippe(seite, "bildname", "Katze");
    EXPECT_EQ(training.GetSonstiges().m_strBilddatei, "Katze.bmp");
    EXPECT_EQ(training.GetSonstiges().m_strBildordner, "\\Tiere");
}

TEST_F(SonstigesSeite, AndereAufgabeSpeichertNichts)
{
    Oeffnen(50);
    EXPECT_FALSE(An(seite, "keinBild"));
    EXPECT_FALSE(An(seite, "eigenesBild"));
    seite.Aktualisieren();
    EXPECT_EQ(training.GetAufgabenart(), 50);
    Klicke(seite, "keinBild");
    EXPECT_EQ(training.GetAufgabenart(), 60);
    EXPECT_EQ(training.GetAufgabenartName(), "Sonstiges");
}

TEST_F(SonstigesSeite, SuchenImOrdnerDerEigenenBilder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string eigene = dir.path().toStdString();
    CVerzeichnisse v = profil.GetVerzeichnisse();
    v.m_strEigeneBilder = eigene;
    profil.SetVerzeichnisse(v);
    std::filesystem::create_directories(eigene + "/Tiere");
    std::ofstream(eigene + "/Tiere/Hund.bmp") << "x";

    CSonstiges s = training.GetSonstiges();
    s.m_nBildart = 10;
    training.SetSonstiges(s);
    Oeffnen();
    std::string start;
    Antwort([&](QDialog& d) {
        auto& dialog = dynamic_cast<QFileDialog&>(d);
        start = dialog.directory().absolutePath().toStdString();
        dialog.setDirectory(QString::fromStdString(eigene + "/Tiere"));
        dialog.selectFile("Hund.bmp");
        return int(QDialog::Accepted);
    });
    Klicke(seite, "suchen");
    EXPECT_EQ(start, eigene);
    EXPECT_EQ(training.GetSonstiges().m_strBilddatei, "Hund.bmp");
    EXPECT_EQ(training.GetSonstiges().m_strBildordner, "\\Tiere");
    EXPECT_EQ(Text(seite, "ordner"), "/Tiere/");
    EXPECT_EQ(Text(seite, "eigeneBilder"), eigene + "/");
}
