#include "support/laufumfeld.h"

#include "platform/draw/raster8/freetype_schriften.h"
#include "presentation/ablaufbits.h"
#include "presentation/bmpdatei.h"
#include "presentation/lesetext.h"
#include "presentation/oberflaeche_dc.h"
#include "testanzeige.h"
#include "workplace/textdatei.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// An own text file; block 1000 x 100 pixels, text and heading 20 pixels high.
void Lesen(CLaufUmfeld& u, const std::string& pfad)
{
    u.training.SetAufgabenart(50);
    CText t = u.training.GetText();
    t.m_nTextart = 20;
    t.m_strEigenerText = std::filesystem::path(pfad).filename().string();
    t.m_dBildbreite = 1000.0 / 1024.0;
    t.m_dBildhoehe = 100.0 / 768.0;
    t.m_dTextgroesse = t.m_dUeberschriftgroesse = 20.0 / 768.0;
    t.m_dZeilenabstand = 1.0;
    t.m_nVertikal = 0;
    t.m_nTextausrichtung = 0;
    u.training.SetText(t);
    CVerzeichnisse v = u.profil.GetVerzeichnisse();
    v.m_strEigeneTexte = std::filesystem::path(pfad).parent_path().string();
    u.profil.SetVerzeichnisse(v);
}

std::string Datei(const std::string& name, const std::string& inhalt)
{
    return testanzeige::Schreiben(name, std::vector<uint8_t>(inhalt.begin(), inhalt.end()));
}

// A missing file, an empty one, one above the size bound (refused before it is read), and a
// text area without pixels.
TEST(Lesetext, Verweigerungen)
{
    std::string riesig;
    while (riesig.size() <= size_t(TEXTDATEI_MAX_BYTES))
        riesig += std::string(2000, 'x') + " \r\n";
    const std::string fehlt = testanzeige::Ordner() + "/fehlt.txt", gross = Datei("riesig.txt", riesig);
    const std::string leer = Datei("leer.txt", "");
    const struct {
        std::string pfad;
        int code;
        std::string text;
        double hoehe = 100.0 / 768.0;
    } faelle[] = {
        {fehlt, 0x300, "Fehler beim Laden der Datei " + fehlt + ". Datei wurde nicht gefunden.\n"},
        {leer, 11, "Fehler beim Erstellen des Vordergrundbildes: Die Textdatei " + leer + " ist leer.\n"},
        {gross, 0x300, "Fehler beim Laden der Datei " + gross + ". Text ist größer als 1 MB (1048576 Bytes).\n"},
        {Datei("kurz.txt", "Titel\r\nText"), 11,
         "Fehler beim Erstellen des Vordergrundbildes: Bildbreite und Bildhöhe des Textes müssen mindestens 1 Pixel "
         "betragen.\n",
         0.0},
    };
    for (const auto& f : faelle) {
        CLaufUmfeld u;
        Lesen(u, f.pfad);
        CText t = u.training.GetText();
        t.m_dBildhoehe = f.hoehe;
        u.training.SetText(t);
        CPraesentation p;
        EXPECT_EQ(u.Darbieten(p), f.code) << f.pfad;
        EXPECT_EQ(p.m_strFehler, f.text);
    }
}

// The pixels of a rectangle of a surface, row by row.
std::vector<BYTE> Pixel(IDirectDrawSurface* s, const RECT& r)
{
    std::vector<BYTE> p;
    COberflaechenSperre sperre(s, nullptr, 0);
    if (!sperre.Ok())
        return p;
    for (LONG y = r.top; y < r.bottom; ++y)
        p.insert(p.end(), sperre.Zeile(y) + r.left, sperre.Zeile(y) + r.right);
    return p;
}

// About 17,000 pages, more pixels than a surface may have: drawn in slots when shown.
TEST(Lesetext, TausendeSeitenInWenigenSeitenplaetzen)
{
    std::string inhalt = "Titel\r\n";
    for (int i = 1; i < 1000; ++i) {
        std::string absatz;
        while (absatz.size() < 295)
            absatz += "Wald-Wiese " + std::to_string(i) + " ";
        inhalt += absatz.substr(0, 300) + "\r\n";
    }
    CLaufUmfeld u;
    Lesen(u, Datei("tausende.txt", inhalt));
    CText t = u.training.GetText();
    t.m_dTextgroesse = 100.0 / 768.0;
    u.training.SetText(t);
    CPraesentation p;
    ASSERT_EQ(u.Vorbereiten(p), 0) << p.m_strFehler;
    ASSERT_GT(int64_t(p.m_nAnzahl) * 1000 * 100, int64_t(1) << 28);
    EXPECT_EQ(p.m_Rechtecke2.GetAt(0), (RECT{12, 334, 1012, 434}));
    ASSERT_NE(p.m_pVordergrund, nullptr);
    DDSURFACEDESC d;
    ASSERT_EQ(p.m_pVordergrund->GetSurfaceDesc(&d), DD_OK);
    EXPECT_EQ(d.dwWidth, 1000u);
    EXPECT_EQ(d.dwHeight, DWORD(CLeseseiten::PLAETZE * 100));

    // A page drawn again after its slot went to other pages is the same picture.
    ASSERT_NE(p.m_pLeseseiten, nullptr);
    const std::vector<BYTE> erste = Pixel(p.m_pVordergrund, p.m_Rechtecke1.GetAt(0));
    for (int seite : {1, 2, 3, 4})
        ASSERT_EQ(p.m_pLeseseiten->Bereitstellen(p, seite), 0);
    EXPECT_EQ(p.m_Rechtecke1.GetAt(0), RECT{});
    EXPECT_EQ(p.m_Rechtecke1.GetAt(4).bottom - p.m_Rechtecke1.GetAt(4).top, 100);
    ASSERT_EQ(p.m_pLeseseiten->Bereitstellen(p, 0), 0);
    EXPECT_EQ(Pixel(p.m_pVordergrund, p.m_Rechtecke1.GetAt(0)), erste);
    EXPECT_NE(Pixel(p.m_pVordergrund, p.m_Rechtecke1.GetAt(4)), erste);
    EXPECT_NE(std::count(erste.begin(), erste.end(), INDEX_VORDERGRUND), 0);
}

// Without any font the run ends with the font's name instead of a blank screen.
TEST(Lesetext, OhneSchriftKeinLauf)
{
    struct CKeineSchriften {
        CKeineSchriften()
        {
            SchriftSucheSetzen([](const LOGFONT&, CSchriftFund&) { return false; });
        }
        ~CKeineSchriften() { SchriftSucheSetzen({}); }
    } keine;
    {
        CLaufUmfeld u;
        Lesen(u, Datei("schriftlos.txt", "Titel\r\nText"));
        const std::string schrift = u.training.GetText().m_lfUeberschrift.lfFaceName;
        CPraesentation p;
        EXPECT_EQ(u.Darbieten(p), 0x300);
        EXPECT_EQ(p.m_strFehler, "Schriftart " + schrift + " nicht gefunden.\n");
    }
    // Saccades show only the ready screen in a font.
    CLaufUmfeld s;
    s.training.SetAufgabenart(10);
    CPraesentation q;
    EXPECT_EQ(s.Darbieten(q), 0x300);
    EXPECT_NE(q.m_strFehler.find("Schriftart "), std::string::npos) << q.m_strFehler;
}

} // namespace

// Five lines a page, three pages. Forward, back, forward and on: forward on
// the last page ends the run, and every visit's time is booked on its page.
TEST(Lesetext, BlaetternVorUndZurueckBisZumEnde)
{
    std::string inhalt;
    for (int i = 1; i <= 15; ++i)
        inhalt += "Zeile " + std::to_string(i) + "\r\n";
    CLaufUmfeld u;
    Lesen(u, Datei("blaettern.txt", inhalt));
    CText t = u.training.GetText();
    t.m_nTasteVor = 5; // cursor right
    t.m_nTasteZurueck = 4; // cursor left
    u.training.SetText(t);
    u.anzeige->Druecken(VK_RETURN, 2.0, 4.0);
    const int tasten[] = {VK_RIGHT, VK_LEFT, VK_RIGHT, VK_RIGHT, VK_RIGHT};
    for (int i = 0; i < 5; ++i)
        u.anzeige->Druecken(tasten[i], 1000.0 * (i + 1), 1000.0 * (i + 1) + 30.0);
    u.anzeige->Druecken(VK_ESCAPE, 9000.0, 9030.0); // only if forward did not end it
    CPraesentation p;
    ASSERT_EQ(u.Darbieten(p), 0) << p.m_strFehler;
    const CTrainingsBericht& b = p.m_TrainingsBericht;
    ASSERT_EQ(p.m_nAnzahl, 3);
    EXPECT_NEAR(b.m_dLaufzeit, 4.95, 0.06); // in tenths of a second
    // Pages 0 and 1 shown twice, a second each time; page 2 once. Each
    // visit's time starts at the flip that shows the page.
    const uint32_t erwartet[] = {2000, 2000, 1000};
    for (int i = 0; i < 3; ++i) {
        EXPECT_LE(b.GetZeit(i), erwartet[i]) << i;
        EXPECT_GT(b.GetZeit(i), erwartet[i] - 30) << i;
    }
}
