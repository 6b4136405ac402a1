// The moving background of a run: one screen-sized surface holding the
// pattern repeated with its period, and its copy in the target colour.

#include "presentation/praesentation.h"

#include "model/hintergrund.h"
#include "platform/pfad.h"
#include "presentation/ablaufbits.h"
#include "presentation/bmpdatei.h"
#include "platform/crt.h"
#include "platform/draw/dc_auswahl.h"
#include "presentation/flaechen.h"
#include "presentation/hgbewegung.h"
#include "presentation/oberflaeche_dc.h"
#include "workplace/umgebung.h"
#include "workplace/verteilung.h"

#include <algorithm>

namespace {

bool Leer(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// Stripes: one per period, centred in it.
int StreifenZeichnen(IDirectDrawSurface* hg, const RECT& schirm, int p, int ew)
{
    RECT r{(p - ew) / 2, schirm.top, 0, schirm.bottom};
    r.right = r.left + ew;
    r.left = std::max(r.left, schirm.left);
    r.right = std::min(r.right, schirm.right);
    if (Leer(r))
        return 0;
    return Farbfuellen(hg, &r, INDEX_STANDARDMUSTER) == DD_OK ? 0 : 10;
}

// Random dots: cells of one element, about half of them filled; the rows
// are centred so that a partial row shows at top and bottom alike.
int PunkteZeichnen(IDirectDrawSurface* hg, const RECT& schirm, int p, int ew, int eh)
{
    const int h = schirm.bottom - schirm.top;
    const int h2 = h + (h % eh > 0 ? 2 * eh : 0);
    const int o = (h - h2) / 2;
    int ergebnis = 0;
    for (int c = 0; c < p / ew; ++c)
        for (int r = 0; r < h2 / eh; ++r) {
            RECT z{c * ew, r * eh + o, c * ew + ew, 0};
            z.bottom = z.top + eh;
            z.top = std::max<LONG>(z.top, 0);
            z.bottom = std::min(z.bottom, schirm.bottom);
            z.right = std::min(z.right, schirm.right);
            if (crt::rand() % 100 >= 50 && !Leer(z) && Farbfuellen(hg, &z, INDEX_STANDARDMUSTER) != DD_OK)
                ergebnis = 30;
        }
    return ergebnis;
}

// The arrow picture of the direction of motion, scaled into the stamp.
int PfeilZeichnen(CPraesentation& e, CDC* pDC, int ew, int eh)
{
    const std::string pfad = e.m_Verzeichnisse.m_strBilder + "\\" +
                             (e.m_dHGSchritt < 0.0 ? "pfeilr.bmp" : "pfeill.bmp");
    IDirectDrawSurface* bild = nullptr;
    const int bmp = BmpLaden(e.m_pDD, &bild, &e.m_Palette, pfad, 123, 100, BMP_MUSTER);
    int ergebnis = bmp;
    if (bmp != 0) {
        e.m_nFehler = FEHLER_DATEI;
        switch (bmp) {
        case BMP_FEHLT: e.m_strFehler += "Datei " + pfad::Anzeige(pfad) + " nicht gefunden.\n"; break;
        case BMP_OEFFNEN: e.m_strFehler += "Fehler beim Öffnen der Datei " + pfad::Anzeige(pfad) + "\n"; break;
        case BMP_LESEN: e.m_strFehler += "Fehler beim Lesen der Datei " + pfad::Anzeige(pfad) + "\n"; break;
        case BMP_INTERN:
            e.m_nFehler = FEHLER_HINTERGRUND;
            e.m_strFehler += "Interner Fehler beim Erstellen der Hintergrundbilder.\n";
            break;
        default:
            e.m_nFehler = FEHLER_HINTERGRUND;
            e.m_strFehler += "Fehler beim Erstellen der Hintergrundbilder.\n";
            break;
        }
    } else {
        DDSURFACEDESC bd;
        if (bild->GetSurfaceDesc(&bd) != DD_OK) {
            ergebnis = 23;
        } else {
            COberflaechenDC quelle(bild);
            CDC* pQuelle = quelle.GetDC();
            bool ok = pQuelle != nullptr;
            if (ok) {
                CDCAuswahl auswahl(pQuelle);
                auswahl.Waehlen(&e.m_Palette);
                ok = pDC->StretchBlt(0, 0, ew, eh, pQuelle, 0, 0, int(bd.dwWidth), int(bd.dwHeight), SRCCOPY);
            }
            if (!ok)
                ergebnis = 24;
        }
    }
    Freigeben(bild);
    return ergebnis;
}

// Characters: one element drawn into a stamp, then placed by the
// distribution and copied, the parts over the period's edges wrapped round.
int ZeichenZeichnen(CPraesentation& e, const CHGMuster& muster, int p, int ew, int eh)
{
    const RECT& schirm = e.m_rcBildschirm;
    const int spalten = std::min(muster.m_nSpalten, p / ew);
    const int zeilen = std::min(muster.m_nZeilen, (schirm.bottom - schirm.top) / eh);

    IDirectDrawSurface* stempel = nullptr;
    DDSURFACEDESC d;
    d.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    d.dwWidth = DWORD(ew);
    d.dwHeight = DWORD(eh);
    d.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    if (e.m_pDD->CreateSurface(&d, &stempel, nullptr) != DD_OK || !stempel) {
        Freigeben(stempel);
        return 20;
    }
    if (Farbfuellen(stempel, nullptr, INDEX_DURCHSICHTIG) != DD_OK) {
        Freigeben(stempel);
        return 20;
    }
    DDCOLORKEY schluessel{INDEX_DURCHSICHTIG, INDEX_DURCHSICHTIG};
    HRESULT hr;
    do
        hr = stempel->SetColorKey(DDCKEY_SRCBLT, &schluessel);
    while (hr == DDERR_WASSTILLDRAWING);
    const DWORD kopie = DDBLT_WAIT | (hr == DD_OK ? DDBLT_KEYSRC : 0);
    if (hr != DD_OK && muster.m_nVerteilung == 2) {
        e.m_nHinweis = 32;
        e.m_strHinweis += "Muster konnte nicht transparent gezeichnet werden.\n";
    }

    int ergebnis = 0;
    if (muster.m_nForm == 3) {
        if (Farbfuellen(stempel, nullptr, INDEX_STANDARDMUSTER) != DD_OK)
            ergebnis = 21;
    } else if (muster.m_nForm == 1 || muster.m_nForm == 2) {
        COberflaechenDC dc(stempel);
        CDC* pDC = dc.GetDC();
        if (!pDC) {
            ergebnis = 22;
        } else {
            CDCAuswahl auswahl(pDC);
            auswahl.Waehlen(&e.m_Palette);
            if (muster.m_nForm == 1) {
                // The pattern colour by its index: entry 176 may hold the same colour.
                CPen stift(PS_SOLID, 0, PALETTEINDEX(INDEX_STANDARDMUSTER));
                CBrush pinsel(PALETTEINDEX(INDEX_STANDARDMUSTER));
                CDCAuswahl ellipse(pDC);
                ellipse.Waehlen(&stift);
                ellipse.Waehlen(&pinsel);
                pDC->Ellipse(0, 0, ew, eh);
            } else {
                ergebnis = PfeilZeichnen(e, pDC, ew, eh);
            }
        }
    } else {
        ergebnis = 40;
    }

    CVerteilung v;
    int platz = v.SetBereichUmMitte(RECT{0, 0, p, schirm.bottom}, RECT{0, 0, ew, eh});
    switch (muster.m_nVerteilung) {
    case 0: platz |= v.SetRaster(zeilen, spalten, 0x11); break;
    case 1: platz |= v.SetAnzahl(muster.m_nAnzahl, 0x12); break;
    case 2: platz |= v.SetAnzahl(muster.m_nAnzahl, 0x24); break;
    default: platz |= 41; break;
    }
    ergebnis |= platz;

    if (ergebnis == 0) {
        for (int i = 0; i < v.GetAnzahl(); ++i) {
            RECT teil, quelle;
            const uint32_t kanten = v.GetSichtbarerTeil(&teil, &quelle, i);
            if (kanten & KANTE_SICHTBAR)
                e.m_pHintergrund->Blt(&teil, stempel, &quelle, kopie, nullptr);
            uint32_t rest = kanten & 0xFF;
            for (int n = 0; rest && n < 8; ++n) {
                rest = v.GetUeberstand(&teil, &quelle, i, rest) & 0xFF;
                e.m_pHintergrund->Blt(&teil, stempel, &quelle, kopie, nullptr);
            }
        }
    }
    Freigeben(stempel);
    return ergebnis;
}

} // namespace

int CPraesentation::HintergrundErstellen()
{
    if (m_nFehler != 0)
        return m_nFehler;
    const CHintergrund* angaben = Hintergrund();
    if (!angaben || !m_pUmgebung)
        return FEHLER_ANGABEN;
    const CHGMuster muster = angaben->GetHGMuster();
    const CHGBewegung bewegung = angaben->GetHGBewegung();
    const CHGAufgabe hgAufgabe = angaben->GetHGAufgabe();

    const int w = m_rcBildschirm.right - m_rcBildschirm.left;
    const int h = m_rcBildschirm.bottom - m_rcBildschirm.top;
    const CHGGroessen g = HGGroessenBerechnen(muster, *m_pUmgebung, w, h);
    const int p = g.nPeriode, ew = g.nElementbreite, eh = g.nElementhoehe;
    m_nHGPeriode = p;

    const CHGSchritte schritte = HGSchritteBerechnen(muster, bewegung, hgAufgabe, *m_pUmgebung,
                                                     unsigned(m_nBildfrequenz));
    m_dHGSchritt = schritte.dNormal;
    m_dHGSchrittGeaendert = schritte.dGeaendert;

    // A period or element of no pixels draws nothing: the pattern counts as
    // absent, and so does its task, which could not be seen.
    const int art = muster.m_nArt;
    const bool musterDa = art >= 10 && art <= 30 && p > 0 && ew > 0 && eh > 0;
    m_nAufgabe |= HGAufgabenFlags(muster, hgAufgabe, musterDa);

    m_nHGIntervallMin = InMillisekunden(hgAufgabe.m_dIntervallMin);
    m_nHGIntervallMax = InMillisekunden(hgAufgabe.m_dIntervallMax);
    m_nHGDauerMin = InMillisekunden(hgAufgabe.m_dDauerMin);
    m_nHGDauerMax = InMillisekunden(hgAufgabe.m_dDauerMax);
    m_dHGPosition = HGStartposition(p, w);

    bool system = false;
    const HRESULT hrHG = BildflaecheAnlegen(m_pDD, w, h, &m_pHintergrund, &system);
    if (system)
        m_nEinrichtung |= einrichtung::HG_BLT;
    if (m_nAufgabe & aufgabe::HG_FARBE) {
        bool system2 = false;
        if (BildflaecheAnlegen(m_pDD, w, h, &m_pHintergrundZiel, &system2) == DD_OK) {
            if (system2)
                m_nEinrichtung |= einrichtung::HGZIEL_BLT;
        } else {
            m_nAufgabe &= ~(aufgabe::HG_FARBE | aufgabe::HG_AUFGABE);
            m_nHinweis |= 64;
            m_strHinweis += "Hintergrundmuster mit Zielmusterfarbe konnte nicht erstellt werden.\n";
        }
    }
    RECT schirm = m_rcBildschirm;
    if (hrHG != DD_OK || Farbfuellen(m_pHintergrund, &schirm, INDEX_DURCHSICHTIG) != DD_OK)
        return 1;

    int ergebnis = 0;
    if (musterDa) {
        if (art == 10)
            ergebnis = StreifenZeichnen(m_pHintergrund, m_rcBildschirm, p, ew);
        else if (art == 30)
            ergebnis = PunkteZeichnen(m_pHintergrund, m_rcBildschirm, p, ew, eh);
        else if (art == 20)
            ergebnis = ZeichenZeichnen(*this, muster, p, ew, eh);
        else
            ergebnis = 42;
    }

    if (art >= 10 && art <= 30 && p > 0) {
        for (int k = 1; k <= w / p; ++k) {
            RECT ziel{k * p, 0, std::min((k + 1) * p, w), m_rcBildschirm.bottom};
            RECT quelle{0, 0, ziel.right - ziel.left, m_rcBildschirm.bottom};
            if (!Leer(ziel) && m_pHintergrund->Blt(&ziel, m_pHintergrund, &quelle, DDBLT_WAIT, nullptr) != DD_OK)
                ergebnis = 43;
        }
    }

    if ((m_nAufgabe & aufgabe::HG_FARBE) && m_pHintergrundZiel)
        ergebnis |= OberflaecheKopierenUmfaerben(m_pHintergrundZiel, INDEX_ZIELMUSTER, m_pHintergrund,
                                                 INDEX_STANDARDMUSTER);
    return ergebnis;
}
