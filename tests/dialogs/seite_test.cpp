#include "dialog_umfeld.h"

#include <QTabWidget>

#include "dialogs/blatt.h"
#include "dialogs/seite.h"
#include "platform/draw/qpainter/painter_dc.h"
#include "platform/meldung.h"

namespace {

// A page over a plain record: one option group of two, a count field, a
// length field and a list; counts how often it read and showed.
struct CProbe {
    int option = 0;
    int anzahl = 3;
    double laenge = 0.25;
    int liste = 1;
};

class CProbeSeite : public CSeite {
public:
    CProbeSeite() : CSeite("Probe", kAufgabenBreite, kAufgabenHoehe, true) {}
    void SetDaten(CBenutzerprofil* p, CUmgebung* u, CProbe* d)
    {
        Binden(p, u);
        m_pDaten = d;
    }
    int m_nGelesen = 0, m_nGezeigt = 0;

protected:
    void ErzeugeSteuerelemente() override
    {
        Gruppe("gruppe", "Gruppe", Kante(5, 5, 305, 109));
        m_a = Option("a", "A", Kante(15, 20, 295, 40), true);
        m_b = Option("b", "B", Kante(15, 41, 295, 61));
        m_c = Option("c", "C", Kante(15, 62, 295, 82), true);
        Beschriftung("text", MitEinheitMaxX("Bildbreite"), Kante(25, 86, 95, 101));
        m_anzahl = Zahlfeld("anzahl", Kante(95, 84, 155, 102));
        m_laenge = Zahlfeld("laenge", Kante(235, 84, 295, 102));
        m_liste = Liste("liste", Kante(205, 19, 295, 119));
        m_liste->addItems({"x", "y", "z"});
    }
    void ZeigeDaten() override
    {
        ++m_nGezeigt;
        Waehlen(m_pDaten->option == 1 ? m_b : m_a);
        ZeigeAnzahl(m_anzahl, m_pDaten->anzahl);
        ZeigeLaengeX(m_laenge, m_pDaten->laenge);
        Auswaehlen(m_liste, m_pDaten->liste);
        Freigeben(m_laenge, m_pDaten->option == 1);
    }
    void LeseDaten() override
    {
        ++m_nGelesen;
        m_pDaten->option = Gewaehlt(m_b) ? 1 : 0;
        m_pDaten->anzahl = std::max(1, LiesAnzahl(m_anzahl));
        m_pDaten->laenge = LiesLaengeX(m_laenge);
        m_pDaten->liste = m_liste->currentIndex();
    }

private:
    CProbe* m_pDaten = nullptr;
    QRadioButton *m_a = nullptr, *m_b = nullptr, *m_c = nullptr;
    CFeld *m_anzahl = nullptr, *m_laenge = nullptr;
    QComboBox* m_liste = nullptr;
};

class CProbeBlatt : public CBlatt {
public:
    CProbe daten;
    CProbeSeite seite;
    CProbeSeite zweite;
    CProbeBlatt() : CBlatt("Probe ändern") {}
};

} // namespace

using SeiteTest = DialogTest;

TEST_F(SeiteTest, RasterEinheitUndBenutzeraktionen)
{
    CProbe d;
    CProbeSeite s;
    s.SetDaten(&profil, &umgebung, &d);
    EXPECT_EQ(s.size(), QSize(615, 406));
    s.show();
    ASSERT_TRUE(s.IstErzeugt());
    // Edges become rectangles whose right and bottom edge lie outside.
    EXPECT_EQ(Teil<QWidget>(s, "gruppe")->geometry(), QRect(5, 5, 300, 104));
    // 40 cm display: one display width is the limit.
    EXPECT_EQ(Text(s, "text"), "Bildbreite [cm] (max. 40,0)");
    // The profile's dialog font on every control.
    EXPECT_EQ(Teil<QWidget>(s, "a")->font(), DialogSchrift(profil.GetSchrift()));
    EXPECT_EQ(Text(s, "laenge"), "10,0");
    EXPECT_EQ(Text(s, "anzahl"), "3");

    EXPECT_EQ(s.m_nGelesen, 0);
    const int gezeigt = s.m_nGezeigt;
    s.Zeigen();
    EXPECT_EQ(s.m_nGelesen, 0);

    // Option groups are separate: C starts its own.
    Klicke(s, "b");
    EXPECT_EQ(d.option, 1);
    Klicke(s, "c");
    EXPECT_TRUE(An(s, "b"));
    EXPECT_TRUE(An(s, "c"));

    // Fields are read when they lose the focus; the setter's clamp shows.
    Tippe(s, "anzahl", "-4");
    EXPECT_EQ(d.anzahl, 1);
    EXPECT_EQ(Text(s, "anzahl"), "1");
    Tippe(s, "laenge", "2.04");
    EXPECT_DOUBLE_EQ(d.laenge, 0.05);
    EXPECT_EQ(Text(s, "laenge"), "2,0");
    EXPECT_GT(s.m_nGezeigt, gezeigt);

    // A disabled field is read-only; disabling the focused field does not
    // read the page again while it is shown.
    auto* laenge = Teil<QLineEdit>(s, "laenge");
    Aktivieren(*laenge);
    laenge->setFocus();
    const int gelesen = s.m_nGelesen;
    Klicke(s, "a");
    EXPECT_FALSE(laenge->isEnabled());
    EXPECT_TRUE(laenge->isReadOnly());
    EXPECT_LE(s.m_nGelesen, gelesen + 2);
}

TEST_F(SeiteTest, BlattOkUebernimmtDasFeldMitDemFokus)
{
    CProbeBlatt blatt;
    blatt.seite.SetDaten(&profil, &umgebung, &blatt.daten);
    blatt.zweite.SetDaten(&profil, &umgebung, &blatt.daten);
    blatt.AddPage(blatt.seite);
    blatt.AddPage(blatt.zweite);
    blatt.SetStartseite(5);

    EXPECT_EQ(Ausfuehren(blatt,
                         [&] {
                             // Start page limited to the last page; the first was never shown.
                             EXPECT_EQ(blatt.GetAktiveSeite(), &blatt.zweite);
                             EXPECT_FALSE(blatt.seite.IstErzeugt());
                             auto* f = Teil<QLineEdit>(blatt.zweite, "anzahl");
                             f->setFocus();
                             f->selectAll();
                             QTest::keyClicks(f, "17");
                             QTest::keyClick(f, Qt::Key_Return);
                         }),
              IDOK);
    EXPECT_EQ(blatt.daten.anzahl, 17);
}
