#include "dialog_umfeld.h"

#include <fstream>

#include <QCheckBox>
#include <QFontDialog>
#include <QLibraryInfo>
#include <QListView>
#include <QTranslator>

#include "dialogs/dateiwahl.h"
#include "dialogs/explorationdlg.h"
#include "dialogs/sakkadendlg.h"
#include "dialogs/sonstigesdlg.h"
#include "dialogs/textdlg.h"
#include "platform/draw/qpainter/painter_dc.h"

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

using TrainingsSeiten = DialogTest;

// From another task to an own picture, found in the own pictures' folder;
// a bare name keeps the folder.
TEST_F(TrainingsSeiten, SonstigesEigenesBildSuchenUndBenennen)
{
    const std::string eigene = ordner.path().toStdString();
    CVerzeichnisse v = profil.GetVerzeichnisse();
    v.m_strEigeneBilder = eigene;
    profil.SetVerzeichnisse(v);
    std::filesystem::create_directories(eigene + "/Tiere");
    std::ofstream(eigene + "/Tiere/Hund.bmp") << "x";
    CSonstigesDlg seite;
    Zeige(seite, 50);
    EXPECT_FALSE(Frei(seite, "suchen"));
    seite.Aktualisieren();
    EXPECT_EQ(training.GetAufgabenart(), 50);

    Klicke(seite, "eigenesBild");
    EXPECT_EQ(training.GetAufgabenart(), 60);
    EXPECT_EQ(training.GetSonstiges().m_nBildart, 10);
    EXPECT_FALSE(Teil<QLineEdit>(seite, "bildname")->isReadOnly());
    EXPECT_EQ(Text(seite, "eigeneBilder"), eigene + "/");
    std::string geoeffnet;
    WaehleDatei(eigene + "/Tiere/Hund.bmp", &geoeffnet);
    Klicke(seite, "suchen");
    EXPECT_EQ(geoeffnet, eigene);
    EXPECT_EQ(training.GetSonstiges().m_strBilddatei, "Hund.bmp");
    EXPECT_EQ(training.GetSonstiges().m_strBildordner, "\\Tiere");
    EXPECT_EQ(Text(seite, "ordner"), "/Tiere/");

    Tippe(seite, "bildname", std::nullopt);
    EXPECT_EQ(training.GetSonstiges().m_strBildordner, "\\Tiere");
    Tippe(seite, "bildname", "Katze");
    EXPECT_EQ(training.GetSonstiges().m_strBilddatei, "Katze.bmp");
    EXPECT_EQ(training.GetSonstiges().m_strBildordner, "\\Tiere");
}

TEST_F(TrainingsSeiten, Sakkaden)
{
    CSakkaden s = training.GetSakkaden();
    s.m_nRueckmeldung = 1;
    s.m_nDurchgangsende = 2;
    training.SetSakkaden(s);
    CSakkadenDlg seite;
    Zeige(seite, 20);
    // The picture 0.6 of a 30 cm high display; one 40 cm display width at most.
    EXPECT_EQ(Text(seite, "bildhoehe"), "18,0");
    EXPECT_EQ(Text(seite, "bildbreiteText"), "Bildbreite [cm] (max. 40,0)");
    // Edges become rectangles whose right and bottom edge lie outside.
    EXPECT_EQ(Teil<QWidget>(seite, "gruppeReize")->geometry(), QRect(310, 5, 300, 104));
    EXPECT_EQ(Teil<QWidget>(seite, "modusA")->font(), DialogSchrift(profil.GetSchrift()));
    EXPECT_FALSE(An(seite, "modusA"));
    for (const char* name : {"endeTaste", "reaktionstaste", "zeilen", "bildhoehe"})
        EXPECT_FALSE(Frei(seite, name)) << name;

    Klicke(seite, "modusA");
    EXPECT_EQ(training.GetAufgabenart(), 10);
    EXPECT_TRUE(An(seite, "endeRueckmeldung"));
    EXPECT_TRUE(Frei(seite, "tasteRichtig"));
    // Without feedback the trial cannot end with it: the setter makes it
    // the variable time.
    Klicke(seite, "keineRueckmeldung");
    EXPECT_TRUE(An(seite, "modusA")); // another group
    EXPECT_FALSE(Frei(seite, "endeRueckmeldung"));
    EXPECT_TRUE(An(seite, "endeZeit"));
    EXPECT_EQ(training.GetSakkaden().m_nDurchgangsende, 0);
    EXPECT_FALSE(Frei(seite, "reaktionstaste"));
    Tippe(seite, "zielVon", "30");
    EXPECT_EQ(Text(seite, "zielVon"), "26");
    Tippe(seite, "bildhoehe", "45");
    EXPECT_EQ(Text(seite, "bildhoehe"), "30,0");
    EXPECT_DOUBLE_EQ(training.GetSakkaden().m_dBildhoehe, 1.0);
    // The page takes any integer; the record keeps the trial limit.
    Tippe(seite, "durchgaenge", "1073741860");
    EXPECT_EQ(training.GetSakkaden().m_nDurchgaenge, 1'000'000);
    EXPECT_EQ(Text(seite, "durchgaenge"), "1000000");
    // A value that the setter moves for another field's sake is shown and
    // kept as moved.
    Tippe(seite, "pauseMin", "4,1234");
    EXPECT_EQ(Text(seite, "pauseMax"), "4,123");
    Tippe(seite, "pauseMax", std::nullopt);
    EXPECT_DOUBLE_EQ(training.GetSakkaden().m_dPauseMax, 4.123);
    // A typed time beyond a day is a day, so that the file opens again.
    Tippe(seite, "pauseMax", "1e308");
    EXPECT_EQ(training.GetSakkaden().m_dPauseMax, 86400.0);
    EXPECT_EQ(Text(seite, "pauseMax"), "86400,000");

    // A focused field that is disabled is left read-only.
    Teil<QLineEdit>(seite, "schrittXMin")->setFocus();
    Klicke(seite, "modusB");
    EXPECT_EQ(training.GetSakkaden().m_nModus, 20);
    EXPECT_FALSE(Frei(seite, "schrittXMin"));
    EXPECT_TRUE(Teil<QLineEdit>(seite, "schrittXMin")->isReadOnly());
    Waehle(seite, "tasteFalsch", 3);
    EXPECT_EQ(training.GetSakkaden().m_nTasteFalsch, 3);
}

TEST_F(TrainingsSeiten, ExplorationStrategienUndListen)
{
    CExplorationDlg seite;
    Zeige(seite, 10);
    for (const char* name : {"zellen", "zielliste", "geordnet", "freiLinks"})
        EXPECT_FALSE(Frei(seite, name)) << name;
    Klicke(seite, "strategie20");
    EXPECT_EQ(training.GetAufgabenart(), 20);
    Klicke(seite, "strategie50");
    EXPECT_TRUE(Frei(seite, "zellen"));
    EXPECT_FALSE(Frei(seite, "zielliste"));
    EXPECT_TRUE(An(seite, "pseudozufaellig")); // set by the setter
    Waehle(seite, "zellen", 3);
    EXPECT_EQ(training.GetExploration().m_nZellenZeilen, 3);
    EXPECT_EQ(training.GetExploration().m_nZellenSpalten, 4);

    Klicke(seite, "strategie30");
    Waehle(seite, "zielliste", 0);
    EXPECT_EQ(training.GetExploration().m_nZielliste, -1);
    EXPECT_FALSE(Frei(seite, "zielVon"));
    // Half the display width left of the centre at the most.
    Tippe(seite, "freiLinks", "-25");
    EXPECT_EQ(Text(seite, "freiLinks"), "-20,0");
    EXPECT_DOUBLE_EQ(training.GetExploration().m_Freiflaeche.left, -0.5);

    // Grids the list holds show as stored; others show no entry and stay.
    for (auto [zeilen, spalten, eintrag] :
         {std::tuple{2, 4, -1}, std::tuple{5, 5, -1}, std::tuple{3, 2, -1}, std::tuple{2, 3, 1}, std::tuple{4, 5, 5}}) {
        CExploration e = training.GetExploration();
        e.m_nZellenZeilen = zeilen;
        e.m_nZellenSpalten = spalten;
        training.SetExploration(e);
        seite.Zeigen();
        EXPECT_EQ(Teil<QComboBox>(seite, "zellen")->currentIndex(), eintrag) << zeilen << " x " << spalten;
        Waehle(seite, "zielliste", 1);
        EXPECT_EQ(training.GetExploration().m_nZellenZeilen, zeilen);
        EXPECT_EQ(training.GetExploration().m_nZellenSpalten, spalten);
    }
}

TEST_F(TrainingsSeiten, TextSammlungstextUndSchriften)
{
    CTextDlg seite;
    Zeige(seite, 50);
    EXPECT_EQ(Text(seite, "ordner"), "/Gesundheit/");
    // A bare name keeps the folder.
    Tippe(seite, "textname", "Hund");
    EXPECT_EQ(training.GetText().m_strSammlungstext, "Hund.txt");
    EXPECT_EQ(training.GetText().m_strSammlungsordner, "\\Gesundheit");

    Tippe(seite, "zeilenabstand", "0,5");
    EXPECT_DOUBLE_EQ(training.GetText().m_dZeilenabstand, 1.0);
    EXPECT_EQ(Text(seite, "zeilenabstand"), "1,0");
    Tippe(seite, "zeilenabstand", "3e9");
    EXPECT_EQ(Text(seite, "zeilenabstand"), "100,0");
    Tippe(seite, "txSchriftart", "  Courier New  ");
    EXPECT_EQ(training.GetText().m_lfText.lfFaceName, "Courier New");
    Tippe(seite, "txSchriftart", QString(40, 'x'));
    EXPECT_EQ(training.GetText().m_lfText.lfFaceName, std::string(31, 'x'));

    // The font dialog changes only its own font.
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
    EXPECT_NEAR(t.m_dTextgroesse * 768, 40, 1.0);
    EXPECT_EQ(t.m_lfUeberschrift, vorher.m_lfUeberschrift);
}

// Qt's own dialogs in German, as the program shows them, while it lives.
struct CDeutscheQtTexte {
    CDeutscheQtTexte()
    {
        geladen = texte.load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                  QCoreApplication::installTranslator(&texte);
    }
    ~CDeutscheQtTexte() { QCoreApplication::removeTranslator(&texte); }
    QTranslator texte;
    bool geladen = false;
};

// What the font dialog showed: family, style and size as its fields read them,
// and whether it offered a choice of script.
struct CSchriftdialogZeigte {
    std::string familie, stil, groesse;
    bool schriftsystem = false;
    int dpi = 0;
};

// A font dialog's list holding `eintrag`, or null.
QListView* ListeMit(QDialog& d, const QString& eintrag)
{
    for (QListView* l : d.findChildren<QListView*>())
        if (l->model() &&
            !l->model()->match(l->model()->index(0, 0), Qt::DisplayRole, eintrag, 1, Qt::MatchExactly).isEmpty())
            return l;
    return nullptr;
}

// Clicks `eintrag` in the dialog's list that holds it.
void KlickeEintrag(QDialog& d, const QString& eintrag)
{
    QListView* l = ListeMit(d, eintrag);
    ASSERT_NE(l, nullptr) << eintrag.toStdString();
    const QModelIndex i =
        l->model()->match(l->model()->index(0, 0), Qt::DisplayRole, eintrag, 1, Qt::MatchExactly).first();
    l->scrollTo(i);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualRect(i).center());
}

// Answers the next font dialog as the user does: it is shown, `aendern`
// acts on it, Enter confirms it.
std::function<int(QDialog&)> Schriftdialog(CSchriftdialogZeigte& zeigte, std::function<void(QDialog&)> aendern = {})
{
    return [&zeigte, aendern](QDialog& d) {
        d.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        const auto felder = d.findChildren<QLineEdit*>();
        EXPECT_GE(felder.size(), 3);
        if (felder.size() >= 3) {
            zeigte.familie = felder[0]->text().toStdString();
            zeigte.stil = felder[1]->text().toStdString();
            zeigte.groesse = felder[2]->text().toStdString();
        }
        zeigte.schriftsystem = false;
        for (QComboBox* c : d.findChildren<QComboBox*>())
            zeigte.schriftsystem = zeigte.schriftsystem || c->isVisible();
        zeigte.dpi = d.logicalDpiY();
        if (aendern)
            aendern(d);
        QTest::keyClick(&d, Qt::Key_Return);
        return d.result();
    };
}

// A new training's fonts (bold, not italic) through the font dialog confirmed
// untouched, again and again: face, style and size stay as stored, also
// for a face the system draws with another font or not at all. A changed
// choice replaces face, style, underline and size of that font only.
TEST_F(TrainingsSeiten, TextSchriftdialogUnberuehrtLaesstDieSchrift)
{
    CDeutscheQtTexte deutsch;
    EXPECT_TRUE(deutsch.geladen);
    CTextDlg seite;
    Zeige(seite, 50);
    CText t = training.GetText();
    t.m_dUeberschriftgroesse = 2.2 / 35.0; // a size between whole pixels
    t.m_lfText.lfFaceName = "Gibtsnicht";
    training.SetText(t);
    seite.Zeigen();
    const CText vorher = training.GetText();
    ASSERT_EQ(vorher.m_lfUeberschrift.lfFaceName, "Arial");
    ASSERT_EQ(vorher.m_lfUeberschrift.lfWeight, 700);
    ASSERT_EQ(vorher.m_lfUeberschrift.lfItalic, 0);

    for (const char* knopf : {"ueSuchen", "txSuchen", "ueSuchen", "ueSuchen", "txSuchen"}) {
        CSchriftdialogZeigte zeigte;
        Antwort(Schriftdialog(zeigte));
        Klicke(seite, knopf);
        const CText t = training.GetText();
        EXPECT_EQ(t.m_lfUeberschrift, vorher.m_lfUeberschrift) << knopf;
        EXPECT_EQ(t.m_lfText, vorher.m_lfText) << knopf;
        EXPECT_EQ(t.m_dUeberschriftgroesse, vorher.m_dUeberschriftgroesse) << knopf;
        EXPECT_EQ(t.m_dTextgroesse, vorher.m_dTextgroesse) << knopf;
        EXPECT_FALSE(zeigte.schriftsystem) << knopf;
        if (std::string(knopf) == "ueSuchen") {
            // Arial is drawn with the metric-compatible face; the size in
            // points that the heading's pixels come to.
            const int pixel = umgebung.AnteilInPixelY(vorher.m_dUeberschriftgroesse);
            EXPECT_EQ(zeigte.familie, "Liberation Sans");
            EXPECT_EQ(zeigte.stil, "Bold");
            EXPECT_EQ(zeigte.groesse, std::to_string(std::lround(pixel * 72.0 / zeigte.dpi)));
        }
    }
    EXPECT_EQ(Text(seite, "ueSchriftart"), "Arial");
    EXPECT_TRUE(An(seite, "ueFett"));
    EXPECT_FALSE(An(seite, "ueKursiv"));

    // Cancelled after a change: nothing of it is stored.
    Antwort([](QDialog& d) {
        d.show();
        KlickeEintrag(d, "DejaVu Sans");
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    });
    Klicke(seite, "ueSuchen");
    EXPECT_EQ(training.GetText().m_lfUeberschrift, vorher.m_lfUeberschrift);
    EXPECT_EQ(training.GetText().m_dUeberschriftgroesse, vorher.m_dUeberschriftgroesse);

    // Another family, style, size and underline for the heading.
    CSchriftdialogZeigte zeigte;
    Antwort(Schriftdialog(zeigte, [](QDialog& d) {
        KlickeEintrag(d, "DejaVu Sans");
        KlickeEintrag(d, "Oblique");
        auto felder = d.findChildren<QLineEdit*>();
        felder[2]->selectAll();
        QTest::keyClicks(felder[2], "30");
        for (QCheckBox* k : d.findChildren<QCheckBox*>())
            if (k->text().remove('&') == "Unterstrichen")
                QTest::mouseClick(k, Qt::LeftButton, {}, QPoint(8, k->height() / 2));
    }));
    Klicke(seite, "ueSuchen");
    const CText neu = training.GetText();
    EXPECT_EQ(neu.m_lfUeberschrift.lfFaceName, "DejaVu Sans");
    EXPECT_EQ(neu.m_lfUeberschrift.lfWeight, 400);
    EXPECT_EQ(neu.m_lfUeberschrift.lfItalic, 1);
    EXPECT_EQ(neu.m_lfUeberschrift.lfUnderline, 1);
    EXPECT_EQ(umgebung.AnteilInPixelY(neu.m_dUeberschriftgroesse), std::lround(30.0 * zeigte.dpi / 72.0));
    EXPECT_EQ(neu.m_lfText, vorher.m_lfText);
    EXPECT_EQ(neu.m_dTextgroesse, vorher.m_dTextgroesse);
    EXPECT_TRUE(An(seite, "ueKursiv"));
    EXPECT_FALSE(An(seite, "ueFett"));
    EXPECT_TRUE(An(seite, "ueUnterstrichen"));
}

TEST_F(TrainingsSeiten, TextAndereAufgabeBisZumEigenenText)
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
