// The reading task: a text file broken into lines and pages; the pages are
// drawn into the slots of a small foreground surface when they are shown.

#include "presentation/praesentation.h"
#include "presentation/lesetext.h"

#include "model/training.h"
#include "platform/draw/dc_auswahl.h"
#include "platform/pfad.h"
#include "presentation/ablaufbits.h"
#include "presentation/bereitschirm.h"
#include "presentation/bmpdatei.h"
#include "presentation/flaechen.h"
#include "presentation/oberflaeche_dc.h"
#include "workplace/formatierung.h"
#include "workplace/textdatei.h"
#include "workplace/umgebung.h"

#include <algorithm>

namespace {

// Each line of the file broken to the block width on its own, so that the
// end of every paragraph is known.
int Zerlegen(const std::vector<std::string>& zeilen, size_t von, size_t bis, bool ueberschrift, CDC* dc, int breite,
             std::vector<CTextzeile>& ausgabe)
{
    int ergebnis = 0;
    std::vector<std::string> teile;
    for (size_t z = von; z < bis; ++z) {
        FehlerMerken(ergebnis, ZerlegeText({zeilen[z]}, &teile, dc, breite));
        for (size_t i = 0; i < teile.size(); ++i)
            ausgabe.push_back({std::move(teile[i]), ueberschrift, i + 1 == teile.size()});
    }
    return ergebnis;
}

// Line pitch: the font height times the spacing factor, within height..block.
int Zeilenabstand(int hoehe, double faktor, int block)
{
    return std::min(std::max(int(hoehe * faktor + 0.5), hoehe), block);
}

// Height read back from a font made of lf at the given height.
int SchriftErstellen(CFont& schrift, LOGFONT lf, int hoehe)
{
    lf.lfHeight = hoehe;
    schrift.CreateFontIndirect(&lf);
    LOGFONT erzeugt;
    return schrift.GetLogFont(&erzeugt) ? erzeugt.lfHeight : hoehe;
}

} // namespace

void CLeseseiten::Setzen(const CLayout& layout, std::vector<CTextzeile> zeilen, const std::vector<int>& seiten)
{
    m_layout = layout;
    m_zeilen = std::move(zeilen);
    m_anfang.assign(1, 0);
    for (int n : seiten)
        m_anfang.push_back(m_anfang.back() + size_t(n));
    m_platzSeite.assign(size_t(GetPlaetze()), -1);
    m_benutzt.assign(size_t(GetPlaetze()), 0);
}

int CLeseseiten::GetPlaetze() const { return std::min(GetSeiten(), PLAETZE); }

int CLeseseiten::Bereitstellen(CPraesentation& e, int seite)
{
    if (seite < 0 || seite >= GetSeiten())
        return 1;
    ++m_uhr;
    auto platz = std::find(m_platzSeite.begin(), m_platzSeite.end(), seite);
    if (platz == m_platzSeite.end()) {
        // The slot asked for longest ago.
        const size_t k = size_t(std::min_element(m_benutzt.begin(), m_benutzt.end()) - m_benutzt.begin());
        platz = m_platzSeite.begin() + ptrdiff_t(k);
        if (*platz >= 0)
            e.m_Rechtecke1.SetAt(*platz, RECT{});
        *platz = -1;
        const RECT r{0, LONG(k) * m_layout.bh, m_layout.bw, LONG(k + 1) * m_layout.bh};
        if (const int fehler = Zeichnen(e, seite, r); fehler != 0)
            return fehler;
        *platz = seite;
        e.m_Rechtecke1.SetAt(seite, r);
    }
    m_benutzt[size_t(platz - m_platzSeite.begin())] = m_uhr;
    return 0;
}

int CLeseseiten::Zeichnen(CPraesentation& e, int p, const RECT& seite)
{
    const CLayout& l = m_layout;
    RECT grund = seite;
    if (Farbfuellen(e.m_pVordergrund, &grund, l.fuellIndex) != DD_OK)
        return 8;
    COberflaechenDC dc(e.m_pVordergrund);
    CDC* pDC = dc.GetDC();
    if (!pDC)
        return 9;

    pDC->SelectPalette(&e.m_Palette, false);
    pDC->SetBkColor(l.textHintergrund);
    pDC->SetTextColor(PALETTEINDEX(INDEX_VORDERGRUND));
    pDC->SetTextAlign(TA_LEFT | TA_TOP);
    const size_t von = m_anfang[size_t(p)], bis = m_anfang[size_t(p) + 1];
    int belegt = 0;
    for (size_t i = von; i < bis; ++i)
        belegt += m_zeilen[i].ueberschrift ? l.ph : l.pt;
    int y = seite.top;
    if (belegt < l.bh && l.vertikal == 1)
        y += (l.bh - belegt) / 2;
    else if (belegt < l.bh && l.vertikal == 2)
        y += l.bh - belegt;
    TEXTMETRIC tm;
    for (size_t i = von; i < bis; ++i) {
        const CTextzeile& z = m_zeilen[i];
        const int abstand = z.ueberschrift ? l.ph : l.pt;
        const int ausrichtung = z.ueberschrift
                                    ? (l.ueberschriftausrichtung == 0   ? 0
                                       : l.ueberschriftausrichtung == 2 ? 2
                                       : l.ueberschriftausrichtung == 3 ? 3
                                                                        : 1)
                                    : (l.textausrichtung >= 0 && l.textausrichtung <= 3 ? l.textausrichtung : 0);
        pDC->SelectObject(z.ueberschrift ? &m_ueberschrift : &m_text);
        if (ausrichtung == 3 && !z.absatzende && z.text.find('\r') == std::string::npos) {
            const char32_t umbruch = pDC->GetTextMetrics(&tm) ? tm.tmBreakChar : U' ';
            const std::u32string zeichen = ZeichenVon(z.text);
            const int frei = l.bw - pDC->GetTextExtent(z.text).cx;
            const int umbrueche = int(std::count(zeichen.begin(), zeichen.end(), umbruch));
            if (frei > 0 && umbrueche > 0)
                pDC->SetTextJustification(frei, umbrueche);
        }
        RECT r = RechteckBeschneiden(RECT{seite.left, y, seite.right, y + abstand}, seite);
        const unsigned format = DT_NOPREFIX | DT_VCENTER | (ausrichtung == 1 ? DT_CENTER : 0u) |
                                (ausrichtung == 2 ? DT_RIGHT : 0u);
        pDC->DrawText(z.text, &r, format);
        pDC->SetTextJustification(0, 0);
        y += abstand;
    }
    return 0;
}

int CPraesentation::TextErstellen()
{
    if (m_nFehler)
        return m_nFehler;
    if (!m_pTraining || m_pTraining->GetAufgabenart() != AUFGABENART_TEXT || !m_pUmgebung)
        return FEHLER_ANGABEN;
    const CText text = m_pTraining->GetText();
    if (text.m_nTextart < 10 || text.m_nTextart > 20)
        return FEHLER_ANGABEN;
    const int durchsichtigkeit = m_pTraining->GetHGMuster().m_nDurchsichtigkeit;

    const LONG W = m_rcBildschirm.right - m_rcBildschirm.left;
    const LONG H = m_rcBildschirm.bottom - m_rcBildschirm.top;
    const RECT block = MittigesFeld(*this, text.m_dBildbreite, text.m_dBildhoehe);
    CLeseseiten::CLayout l;
    l.bw = block.right - block.left;
    l.bh = block.bottom - block.top;
    if (l.bw < 1 || l.bh < 1) {
        m_nFehler = FEHLER_VORDERGRUND;
        m_strFehler = "Fehler beim Erstellen des Vordergrundbildes: Bildbreite und Bildhöhe des Textes müssen "
                      "mindestens 1 Pixel betragen.\n";
        return 4;
    }
    l.vertikal = text.m_nVertikal;
    l.textausrichtung = text.m_nTextausrichtung;
    l.ueberschriftausrichtung = text.m_nUeberschriftausrichtung;
    // Exact indices: 69 and 176 share a colour but not a meaning.
    l.textHintergrund = PALETTEINDEX(durchsichtigkeit == 0 ? INDEX_DURCHSICHTIG : INDEX_HINTERGRUND);
    l.fuellIndex = durchsichtigkeit == 0 || durchsichtigkeit == 1 ? INDEX_DURCHSICHTIG : INDEX_HINTERGRUND;

    const int ht = std::min(std::max(m_pUmgebung->AnteilInPixelY(text.m_dTextgroesse), 1), l.bh);
    const int hh = std::min(std::max(m_pUmgebung->AnteilInPixelY(text.m_dUeberschriftgroesse), 1), l.bh);
    // The pages keep the fonts for drawing while the run goes on.
    auto seitenObjekt = std::make_unique<CLeseseiten>();
    CFont& ueberschriftSchrift = seitenObjekt->m_ueberschrift;
    CFont& textSchrift = seitenObjekt->m_text;
    const int hhGelesen = SchriftErstellen(ueberschriftSchrift, text.m_lfUeberschrift, hh);
    const int htGelesen = SchriftErstellen(textSchrift, text.m_lfText, ht);
    l.pt = Zeilenabstand(htGelesen, text.m_dZeilenabstand, l.bh);
    l.ph = Zeilenabstand(hhGelesen, text.m_dZeilenabstand, l.bh);

    const bool eigener = text.m_nTextart == 20;
    const std::string& name = eigener ? text.m_strEigenerText : text.m_strSammlungstext;
    const std::string pfad = eigener ? AufgabenPfad(m_Verzeichnisse.m_strEigeneTexte, text.m_strEigenerOrdner, name)
                                     : AufgabenPfad(m_Verzeichnisse.m_strTexte, text.m_strSammlungsordner, name);
    std::vector<std::string> datei;
    if (const int gelesen = LeseTextdatei(&datei, pfad); gelesen != 0) {
        m_nFehler = FEHLER_DATEI;
        m_strFehler += "Fehler beim Laden der Datei " + pfad::Anzeige(pfad);
        m_strFehler += gelesen == TEXTDATEI_FEHLT      ? ". Datei wurde nicht gefunden.\n"
                       : gelesen == TEXTDATEI_ZU_LANG  ? ". Text hat mehr als 1000 Zeilen.\n"
                       : gelesen == TEXTDATEI_ZU_GROSS ? ". Text ist größer als 1 MB (1048576 Bytes).\n"
                                                       : ".\n";
        return gelesen;
    }
    if (datei.empty()) {
        // No line gives no page, and no page no foreground to show.
        m_nFehler = FEHLER_VORDERGRUND;
        m_strFehler = "Fehler beim Erstellen des Vordergrundbildes: Die Textdatei " + pfad::Anzeige(pfad) +
                      " ist leer.\n";
        return 4;
    }

    int ergebnis = 0;
    std::vector<CTextzeile> zeilen;
    {
        COberflaechenDC dc(m_pRueckpuffer);
        CDC* pDC = dc.GetDC();
        if (!pDC)
            return -1;
        CDCAuswahl auswahl(pDC);
        auswahl.Waehlen(&ueberschriftSchrift);
        const bool ueberschriftDa = pDC->SchriftVorhanden();
        auswahl.Waehlen(&textSchrift);
        if (!ueberschriftDa || !pDC->SchriftVorhanden()) {
            SchriftFehlt(*this, ueberschriftDa ? text.m_lfText : text.m_lfUeberschrift);
            return m_nFehler;
        }
        // The first line of the file is the heading.
        auswahl.Waehlen(&ueberschriftSchrift);
        const size_t kopf = std::min<size_t>(datei.size(), 1);
        FehlerMerken(ergebnis, Zerlegen(datei, 0, kopf, true, pDC, l.bw, zeilen));
        auswahl.Waehlen(&textSchrift);
        FehlerMerken(ergebnis, Zerlegen(datei, kopf, datei.size(), false, pDC, l.bw, zeilen));
    }

    // Pages: a line joins the page while it still fits the block.
    std::vector<int> seiten;
    int benutzt = 0;
    for (const CTextzeile& z : zeilen) {
        const int abstand = z.ueberschrift ? l.ph : l.pt;
        if (seiten.empty() || benutzt + abstand > l.bh) {
            seiten.push_back(0);
            benutzt = 0;
        }
        ++seiten.back();
        benutzt += abstand;
    }
    const int P = int(seiten.size());

    CFont bereit;
    const int h = BereitSchriftErstellen(*this, bereit);
    const int e = 3 * h / 2;
    const LONG y0 = (H + h) / 2 - e;
    if (!BereitSchreiben(*this, bereit,
                         {{POINT{W / 2, y0}, "Text: " + name},
                          {POINT{W / 2, y0 + e}, "Seiten: " + FormatInt(P)},
                          {POINT{W / 2, y0 + 2 * e}, "Bereit?"}}))
        FehlerMerken(ergebnis, -1);

    m_nAnzahl = P;
    const bool listen = (m_Rechtecke1.SetSize(P) | m_Rechtecke2.SetSize(P)) == 0;
    if (!listen)
        FehlerMerken(ergebnis, 1);
    // Pages not drawn into a slot have no place in the foreground surface.
    for (int p = 0; listen && p < P; ++p) {
        m_Rechtecke1.SetAt(p, RECT{});
        m_Rechtecke2.SetAt(p, block);
    }
    m_TrainingsBericht.SetAnzahlReize(P);
    m_nAufgabe |= aufgabe::SEITEN;
    if (text.m_nMauszeiger == 1)
        m_nEinrichtung |= einrichtung::MAUSZEIGER;
    if (ergebnis)
        return ergebnis;

    seitenObjekt->Setzen(l, std::move(zeilen), seiten);
    m_pLeseseiten = std::move(seitenObjekt);
    bool system = false;
    if (P == 0 ||
        BildflaecheAnlegen(m_pDD, l.bw, m_pLeseseiten->GetPlaetze() * l.bh, &m_pVordergrund, &system) != DD_OK)
        return 4;
    if (system)
        m_nEinrichtung |= einrichtung::VG_BLT;
    // The first page is shown at once; the others when they are turned to.
    return m_pLeseseiten->Bereitstellen(*this, 0);
}
