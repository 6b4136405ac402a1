#include "dialog_umfeld.h"

#include <fstream>

#include <QFileDialog>
#include <QTemporaryDir>

#include "dialogs/dateiwahl.h"
#include "dialogs/sonstigesdlg.h"

namespace {

TEST(Dateiwahl, BilderRegel)
{
    struct Fall {
        const char *eingabe, *endung;
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
        const auto w = ZerlegeDateiname(f.eingabe, f.endung, "C:\\Eigene Dateien", f.bilder);
        EXPECT_EQ(w.ordner, f.ordner) << f.eingabe;
        EXPECT_EQ(w.name, f.name) << f.eingabe;
    }
    EXPECT_EQ(OrdnerAnzeige("\\Tiere\\Hunde"), "/Tiere/Hunde/");
    EXPECT_EQ(OrdnerAnzeige(""), "/");
    EXPECT_EQ(OrdnerPfad("/home/a", "\\Tiere\\Hunde"), "/home/a/Tiere/Hunde");
}

using SonstigesSeite = DialogTest;

// From another task to an own picture, found in the own pictures' folder;
// a bare name keeps the folder.
TEST_F(SonstigesSeite, EigenesBildSuchenUndBenennen)
{
    QTemporaryDir dir;
    const std::string eigene = dir.path().toStdString();
    CVerzeichnisse v = profil.GetVerzeichnisse();
    v.m_strEigeneBilder = eigene;
    profil.SetVerzeichnisse(v);
    std::filesystem::create_directories(eigene + "/Tiere");
    std::ofstream(eigene + "/Tiere/Hund.bmp") << "x";
    CSonstigesDlg seite;
    Zeige(seite, 50);
    EXPECT_FALSE(An(seite, "keinBild"));
    for (const char* name : {"bildname", "suchen", "ordner", "eigeneBilder"})
        EXPECT_FALSE(Frei(seite, name)) << name;
    seite.Aktualisieren();
    EXPECT_EQ(training.GetAufgabenart(), 50);

    Klicke(seite, "eigenesBild");
    EXPECT_EQ(training.GetAufgabenart(), 60);
    EXPECT_EQ(training.GetSonstiges().m_nBildart, 10);
    EXPECT_FALSE(Teil<QLineEdit>(seite, "bildname")->isReadOnly());
    EXPECT_TRUE(Teil<QLineEdit>(seite, "ordner")->isReadOnly());
    EXPECT_EQ(Text(seite, "eigeneBilder"), eigene + "/");
    Antwort([&](QDialog& d) {
        auto& dialog = dynamic_cast<QFileDialog&>(d);
        EXPECT_EQ(dialog.directory().absolutePath().toStdString(), eigene);
        dialog.setDirectory(QString::fromStdString(eigene + "/Tiere"));
        dialog.selectFile("Hund.bmp");
        return int(QDialog::Accepted);
    });
    Klicke(seite, "suchen");
    EXPECT_EQ(training.GetSonstiges().m_strBilddatei, "Hund.bmp");
    EXPECT_EQ(training.GetSonstiges().m_strBildordner, "\\Tiere");
    EXPECT_EQ(Text(seite, "ordner"), "/Tiere/");
    Bild(seite, "seite_sonstiges");

    Tippe(seite, "bildname", std::nullopt);
    EXPECT_EQ(training.GetSonstiges().m_strBildordner, "\\Tiere");
    Tippe(seite, "bildname", "Katze");
    EXPECT_EQ(training.GetSonstiges().m_strBilddatei, "Katze.bmp");
    EXPECT_EQ(training.GetSonstiges().m_strBildordner, "\\Tiere");
}

} // namespace
