// The reading task: a text file laid out page by page into one tall
// foreground surface, page p below page p - 1.

#include "presentation/praesentation.h"

#include "model/training.h"
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

struct CTextzeile {
    std::string text;
    bool ueberschrift = false;
    // The last piece of a line of the file: a justified text leaves it as it is.
    bool absatzende = false;
};

// Each line of the file broken to the block width on its own, so that the
// end of every paragraph is known.
int Zerlegen(const std::vector<std::string>& zeilen, bool ueberschrift, CDC* dc, int breite,
             std::vector<CTextzeile>& ausgabe)
{
    int ergebnis = 0;
    for (const std::string& zeile : zeilen) {
        std::vector<std::string> teile;
        ergebnis |= ZerlegeText({zeile}, &teile, dc, breite);
        for (size_t i = 0; i < teile.size(); ++i)
            ausgabe.push_back({teile[i], ueberschrift, i + 1 == teile.size()});
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

int CPraesentation::TextErstellen()
{
    if (m_nFehler)
        return m_nFehler;
    if (!m_pTraining || m_pTraining->GetAufgabenart() != 50 || !m_pUmgebung)
        return FEHLER_ANGABEN;
    const CText text = m_pTraining->GetText();
    if (text.m_nTextart < 10 || text.m_nTextart > 20)
        return FEHLER_ANGABEN;
    const int durchsichtigkeit = m_pTraining->GetHGMuster().m_nDurchsichtigkeit;
    // Exact indices: 69 and 176 share a colour but not a meaning.
    const COLORREF textHintergrund = PALETTEINDEX(durchsichtigkeit == 0 ? INDEX_DURCHSICHTIG : INDEX_HINTERGRUND);

    const LONG W = m_rcBildschirm.right - m_rcBildschirm.left;
    const LONG H = m_rcBildschirm.bottom - m_rcBildschirm.top;
    const RECT block = MittigesFeld(*this, text.m_dBildbreite, text.m_dBildhoehe);
    const int bw = block.right - block.left, bh = block.bottom - block.top;

    const int ht = std::min(std::max(m_pUmgebung->AnteilInPixelY(text.m_dTextgroesse), 1), bh);
    const int hh = std::min(std::max(m_pUmgebung->AnteilInPixelY(text.m_dUeberschriftgroesse), 1), bh);
    CFont ueberschriftSchrift, textSchrift;
    const int hhGelesen = SchriftErstellen(ueberschriftSchrift, text.m_lfUeberschrift, hh);
    const int htGelesen = SchriftErstellen(textSchrift, text.m_lfText, ht);
    const int pt = Zeilenabstand(htGelesen, text.m_dZeilenabstand, bh);
    const int ph = Zeilenabstand(hhGelesen, text.m_dZeilenabstand, bh);

    const bool eigener = text.m_nTextart == 20;
    const std::string& name = eigener ? text.m_strEigenerText : text.m_strSammlungstext;
    const std::string pfad = eigener ? AufgabenPfad(m_Verzeichnisse.m_strEigeneTexte, text.m_strEigenerOrdner, name)
                                     : AufgabenPfad(m_Verzeichnisse.m_strTexte, text.m_strSammlungsordner, name);
    std::vector<std::string> datei;
    if (const int gelesen = LeseTextdatei(&datei, pfad); gelesen != 0) {
        m_nFehler = FEHLER_DATEI;
        m_strFehler += "Fehler beim Laden der Datei " + pfad::Anzeige(pfad);
        m_strFehler += gelesen == TEXTDATEI_FEHLT      ? ". Datei wurde nicht gefunden.\n"
                       : gelesen == TEXTDATEI_ZU_LANG ? ". Text hat mehr als 1000 Zeilen.\n"
                                                      : ".\n";
        return gelesen;
    }

    int ergebnis = 0;
    std::vector<CTextzeile> zeilen;
    {
        COberflaechenDC dc(m_pRueckpuffer);
        CDC* pDC = dc.GetDC();
        if (!pDC)
            return -1;
        CFont* alt = pDC->SelectObject(&ueberschriftSchrift);
        if (!datei.empty()) {
            ergebnis |= Zerlegen({datei.front()}, true, pDC, bw, zeilen);
            datei.erase(datei.begin());
        }
        pDC->SelectObject(&textSchrift);
        ergebnis |= Zerlegen(datei, false, pDC, bw, zeilen);
        pDC->SelectObject(alt);
    }

    // Pages: a line joins the page while it still fits the block.
    std::vector<int> seiten;
    int benutzt = 0;
    for (const CTextzeile& z : zeilen) {
        const int abstand = z.ueberschrift ? ph : pt;
        if (seiten.empty() || benutzt + abstand > bh) {
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
    BereitSchreiben(*this, bereit,
                    {{POINT{W / 2, y0}, "Text: " + name},
                     {POINT{W / 2, y0 + e}, "Seiten: " + FormatInt(P)},
                     {POINT{W / 2, y0 + 2 * e}, "Bereit?"}});

    m_nAnzahl = P;
    ergebnis |= m_Rechtecke1.SetSize(P) | m_Rechtecke2.SetSize(P);
    for (int p = 0; p < P; ++p) {
        m_Rechtecke1.SetAt(p, RECT{0, p * bh, bw, (p + 1) * bh});
        m_Rechtecke2.SetAt(p, block);
    }
    m_TrainingsBericht.SetAnzahlReize(P);
    m_nAufgabe |= aufgabe::SEITEN;
    if (text.m_nMauszeiger == 1)
        m_nEinrichtung |= einrichtung::MAUSZEIGER;
    if (ergebnis)
        return ergebnis;

    bool system = false;
    if (P == 0 || BildflaecheAnlegen(m_pDD, bw, P * bh, &m_pVordergrund, &system) != DD_OK)
        return ergebnis | 4;
    if (system)
        m_nEinrichtung |= einrichtung::VG_BLT;
    if (Farbfuellen(m_pVordergrund, nullptr, durchsichtigkeit == 0 || durchsichtigkeit == 1 ? INDEX_DURCHSICHTIG : INDEX_HINTERGRUND) != DD_OK)
        ergebnis |= 8;
    COberflaechenDC dc(m_pVordergrund);
    CDC* pDC = dc.GetDC();
    if (!pDC)
        ergebnis |= 9;
    if (ergebnis)
        return ergebnis;

    pDC->SelectPalette(&m_Palette, false);
    pDC->SetBkColor(textHintergrund);
    pDC->SetTextColor(PALETTEINDEX(INDEX_VORDERGRUND));
    pDC->SetTextAlign(TA_LEFT | TA_TOP);
    TEXTMETRIC tm;
    size_t zeile = 0;
    for (int p = 0; p < P; ++p) {
        const RECT seite = m_Rechtecke1.GetAt(p);
        int belegt = 0;
        for (size_t i = zeile; i < zeile + size_t(seiten[size_t(p)]); ++i)
            belegt += zeilen[i].ueberschrift ? ph : pt;
        int y = seite.top;
        if (belegt < bh && text.m_nVertikal == 1)
            y += (bh - belegt) / 2;
        else if (belegt < bh && text.m_nVertikal == 2)
            y += bh - belegt;
        for (int k = 0; k < seiten[size_t(p)]; ++k, ++zeile) {
            const CTextzeile& z = zeilen[zeile];
            const int abstand = z.ueberschrift ? ph : pt;
            const int ausrichtung = z.ueberschrift ? (text.m_nUeberschriftausrichtung == 0   ? 0
                                                      : text.m_nUeberschriftausrichtung == 2 ? 2
                                                      : text.m_nUeberschriftausrichtung == 3 ? 3
                                                                                             : 1)
                                                   : (text.m_nTextausrichtung >= 0 && text.m_nTextausrichtung <= 3
                                                          ? text.m_nTextausrichtung
                                                          : 0);
            pDC->SelectObject(z.ueberschrift ? &ueberschriftSchrift : &textSchrift);
            if (ausrichtung == 3 && !z.absatzende && z.text.find('\r') == std::string::npos) {
                const char32_t umbruch = pDC->GetTextMetrics(&tm) ? tm.tmBreakChar : U' ';
                const std::u32string zeichen = ZeichenVon(z.text);
                const int frei = bw - pDC->GetTextExtent(z.text).cx;
                const int umbrueche = int(std::count(zeichen.begin(), zeichen.end(), umbruch));
                if (frei > 0 && umbrueche > 0)
                    pDC->SetTextJustification(frei, umbrueche);
            }
            RECT r = RechteckBeschneiden(RECT{seite.left, y, seite.right, y + abstand}, seite);
            const unsigned format = DT_NOPREFIX | DT_VCENTER | (ausrichtung == 1 ? DT_CENTER : 0u)
                | (ausrichtung == 2 ? DT_RIGHT : 0u);
            pDC->DrawText(z.text, &r, format);
            pDC->SetTextJustification(0, 0);
            y += abstand;
        }
    }
    return ergebnis;
}
