// Stimulus cells: every stimulus of up to two sets drawn once into the
// picture strips, characters in the stimulus font, symbols scaled from their
// bitmap set with smoothing.
#include "presentation/praesentation.h"

#include "model/training.h"
#include "platform/win1252.h"
#include "presentation/bmpdatei.h"
#include "presentation/oberflaeche_dc.h"
#include "workplace/umgebung.h"

#include <algorithm>
#include <vector>

namespace {

bool IstZeichen(uint32_t code) { return (code >> 24) != 0; }
int Bitmapsatz(uint32_t code) { return IstZeichen(code) ? 0 : int((code >> 16) & 0xFF); }

// The stimulus codes of one strip's set; empty when the strip is not used.
std::vector<uint32_t> Reize(const CReizkatalog& katalog, int satz, bool zweite)
{
    std::vector<uint32_t> codes;
    if (satz < 0)
        return codes;
    const int n = zweite ? katalog.GetAnzahlReize2(satz) : katalog.GetAnzahlReize(satz);
    for (int j = 0; j < n; ++j)
        codes.push_back(zweite ? katalog.GetReiz2(satz, j) : katalog.GetReiz(satz, j));
    return codes;
}

} // namespace

int CPraesentation::VordergrundbilderLaden(int satz1, int satz2, int zellgroesse, int schrifthoehe)
{
    if (m_nFehler)
        return m_nFehler;
    if (satz1 < 0 && satz2 < 0)
        return 0;
    if (!m_pTraining || !m_pUmgebung)
        return FEHLER_ANGABEN;
    const CReizkatalog& katalog = m_pUmgebung->m_Reizkatalog;
    const int durchsichtigkeit = m_pTraining->GetHGMuster().m_nDurchsichtigkeit;
    m_Palette.GetPaletteEntries(INDEX_HINTERGRUND, 1, &m_Palette256[INDEX_HINTERGRUND]);
    m_Palette.GetPaletteEntries(INDEX_STANDARDMUSTER, 1, &m_Palette256[INDEX_STANDARDMUSTER]);
    // Exact indices: 69 and 176 share a colour but not a meaning.
    const COLORREF textHintergrund = PALETTEINDEX(durchsichtigkeit == 0 ? INDEX_STANDARDMUSTER : INDEX_HINTERGRUND);

    int gemerkt = m_pDD ? 0 : 1;
    struct CStreifenAuftrag {
        CBildstreifen& streifen;
        std::vector<uint32_t> reize;
    } auftraege[2] = {{m_Streifen1, Reize(katalog, satz1, false)}, {m_Streifen2, Reize(katalog, satz2, true)}};
    bool zeichen = false;
    for (int s = 0; s < 2; ++s) {
        if ((s == 0 ? satz1 : satz2) < 0)
            continue;
        auftraege[s].streifen.Erzeugen(m_pDD, zellgroesse, int(auftraege[s].reize.size()));
        auftraege[s].streifen.Fuellen(durchsichtigkeit == 0 ? INDEX_DURCHSICHTIG : INDEX_HINTERGRUND);
        for (uint32_t c : auftraege[s].reize)
            zeichen = zeichen || IstZeichen(c);
    }

    if (zeichen) {
        // The catalogue's font at this run's height; the catalogue stays as built.
        LOGFONT lf = katalog.m_lfReizSchrift;
        lf.lfHeight = schrifthoehe;
        CFont schrift;
        schrift.CreateFontIndirect(&lf);
        LOGFONT gelesen;
        const int h = schrift.GetLogFont(&gelesen) ? gelesen.lfHeight : schrifthoehe;
        for (auto& a : auftraege) {
            if (std::none_of(a.reize.begin(), a.reize.end(), IstZeichen))
                continue;
            COberflaechenDC dc(a.streifen.GetOberflaeche());
            CDC* pDC = dc.GetDC();
            if (!pDC) {
                gemerkt |= 2;
                continue;
            }
            pDC->SelectPalette(&m_Palette, false);
            pDC->SelectObject(&schrift);
            pDC->SetBkColor(textHintergrund);
            pDC->SetTextColor(PALETTEINDEX(INDEX_VORDERGRUND));
            pDC->SetTextAlign(TA_CENTER | TA_BOTTOM);
            for (size_t j = 0; j < a.reize.size(); ++j) {
                if (!IstZeichen(a.reize[j]))
                    continue;
                const RECT z = a.streifen.GetZelle(int(j));
                const char c = char(a.reize[j] & 0xFF);
                pDC->TextOut(z.left + (z.right - z.left) / 2, z.top + (z.bottom - z.top + h) / 2,
                             win1252::NachUtf8(std::string_view(&c, 1)));
            }
        }
    }

    for (int k = 1; k <= katalog.m_nAnzahlBitmaps && k <= int(katalog.m_BitmapDateien.size()); ++k) {
        auto gehoert = [k](uint32_t c) { return Bitmapsatz(c) == k; };
        if (std::none_of(auftraege[0].reize.begin(), auftraege[0].reize.end(), gehoert) &&
            std::none_of(auftraege[1].reize.begin(), auftraege[1].reize.end(), gehoert))
            continue;
        const std::string pfad = m_Verzeichnisse.m_strBilder + "\\" + katalog.m_BitmapDateien[size_t(k - 1)];
        if (gemerkt)
            return gemerkt;
        IDirectDrawSurface* bild = nullptr;
        const int geladen = BmpLaden(m_pDD, &bild, &m_Palette, pfad, 11, 0,
                                     durchsichtigkeit == 0 ? BMP_SCHWARZ_VORDERGRUND | BMP_WEISS_DURCHSICHTIG
                                                           : BMP_SCHWARZ_VORDERGRUND);
        if (geladen) {
            if (bild)
                bild->Release();
            BmpFehlerMelden(geladen, pfad, m_nFehler, m_strFehler);
            return geladen;
        }
        DDSURFACEDESC d;
        if (bild->GetSurfaceDesc(&d) != DD_OK) {
            gemerkt |= 3;
            bild->Release();
            continue;
        }
        const LONG w = LONG(d.dwWidth), hoehe = LONG(d.dwHeight);
        for (auto& a : auftraege)
            for (size_t j = 0; j < a.reize.size(); ++j) {
                if (!gehoert(a.reize[j]))
                    continue;
                const LONG m = LONG(a.reize[j] & 0xFF);
                const RECT quelle{0, std::clamp(m * w, LONG(0), hoehe), w, std::clamp((m + 1) * w, LONG(0), hoehe)};
                const RECT zelle = a.streifen.GetZelle(int(j));
                // The ramp runs up to the background entry itself, so an
                // uncovered pixel is the background and can turn transparent.
                gemerkt |= OberflaecheSkaliertKopieren(a.streifen.GetOberflaeche(), zelle, bild, quelle,
                                                       INDEX_VORDERGRUND, INDEX_VORDERGRUND, 60);
                if (!gemerkt && durchsichtigkeit == 0)
                    gemerkt |= FarbeErsetzen(a.streifen.GetOberflaeche(), zelle, INDEX_DURCHSICHTIG, INDEX_HINTERGRUND);
            }
        bild->Release();
    }
    if (gemerkt) {
        m_nFehler = FEHLER_ZEICHENLISTE;
        m_strFehler = FehlerText(FEHLER_ZEICHENLISTE, false);
    }
    return gemerkt;
}
