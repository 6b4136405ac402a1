#include "dialog_umfeld.h"

#include "dialogs/seite.h"
#include "platform/draw/qpainter/painter_dc.h"

namespace {

// A page over an option and a length that counts how often it read.
struct CProbe {
    int option = 0;
    double laenge = 0.25;
};

class CProbeSeite : public CSeite {
public:
    CProbeSeite(CBenutzerprofil* p, CUmgebung* u, CProbe* d) : CSeite("Probe", kAufgabenBreite, kAufgabenHoehe, true)
    {
        Binden(p, u);
        m_pDaten = d;
    }
    int m_nGelesen = 0;

protected:
    void ErzeugeSteuerelemente() override
    {
        Gruppe("gruppe", "Gruppe", Kante(5, 5, 305, 109));
        m_a = Option("a", "A", Kante(15, 20, 295, 40), true);
        m_b = Option("b", "B", Kante(15, 41, 295, 61));
        Option("c", "C", Kante(15, 62, 295, 82), true);
        Beschriftung("text", MitEinheitMaxX("Bildbreite"), Kante(25, 86, 95, 101));
        m_laenge = Zahlfeld("laenge", Kante(235, 84, 295, 102));
    }
    void ZeigeDaten() override
    {
        Waehlen(m_pDaten->option == 1 ? m_b : m_a);
        ZeigeLaengeX(m_laenge, m_pDaten->laenge);
        Freigeben(m_laenge, m_pDaten->option == 1);
    }
    void LeseDaten() override
    {
        ++m_nGelesen;
        m_pDaten->option = Gewaehlt(m_b) ? 1 : 0;
        m_pDaten->laenge = LiesLaengeX(m_laenge);
    }

private:
    CProbe* m_pDaten = nullptr;
    QRadioButton *m_a = nullptr, *m_b = nullptr;
    CFeld* m_laenge = nullptr;
};

using SeiteTest = DialogTest;

TEST_F(SeiteTest, RasterEinheitUndBenutzeraktionen)
{
    CProbe d;
    CProbeSeite s(&profil, &umgebung, &d);
    s.show();
    // Edges become rectangles whose right and bottom edge lie outside.
    EXPECT_EQ(Teil<QWidget>(s, "gruppe")->geometry(), QRect(5, 5, 300, 104));
    // 40 cm display: one display width is the limit.
    EXPECT_EQ(Text(s, "text"), "Bildbreite [cm] (max. 40,0)");
    EXPECT_EQ(Teil<QWidget>(s, "a")->font(), DialogSchrift(profil.GetSchrift()));
    s.Zeigen();
    EXPECT_EQ(s.m_nGelesen, 0);

    // Option groups are separate: C starts its own.
    Klicke(s, "b");
    EXPECT_EQ(d.option, 1);
    Klicke(s, "c");
    EXPECT_TRUE(An(s, "b"));
    // Fields are read when they lose the focus and show what was stored.
    Tippe(s, "laenge", "2.04");
    EXPECT_DOUBLE_EQ(d.laenge, 0.05);
    EXPECT_EQ(Text(s, "laenge"), "2,0");

    // Disabling the focused field leaves it read-only and does not read the
    // page again and again.
    auto* laenge = Teil<QLineEdit>(s, "laenge");
    laenge->setFocus();
    const int gelesen = s.m_nGelesen;
    Klicke(s, "a");
    EXPECT_FALSE(laenge->isEnabled());
    EXPECT_TRUE(laenge->isReadOnly());
    EXPECT_LE(s.m_nGelesen, gelesen + 2);
}

} // namespace
