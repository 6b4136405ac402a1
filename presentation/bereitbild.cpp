#include "presentation/bereitbild.h"

#include "presentation/bmpdatei.h"
#include "presentation/oberflaeche_dc.h"
#include "presentation/praesentation.h"

#include <algorithm>

void BereitSchreiben(CPraesentation& e, std::initializer_list<std::string> zeilen)
{
    const int w = e.m_rcBildschirm.right - e.m_rcBildschirm.left;
    const int h = e.m_rcBildschirm.bottom - e.m_rcBildschirm.top;
    LOGFONT lf;
    CFont* vorlage = e.m_pProfil ? e.m_pProfil->GetSchrift() : nullptr;
    if (!vorlage || !vorlage->GetLogFont(&lf)) {
        lf = LOGFONT{};
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfFaceName = "Arial";
    }
    lf.lfHeight = std::max(h / 40, 10);
    CFont schrift;
    schrift.CreateFontIndirect(&lf);
    LOGFONT erzeugt;
    const int zeile = schrift.GetLogFont(&erzeugt) ? erzeugt.lfHeight : lf.lfHeight;
    COberflaechenDC dc(e.m_pRueckpuffer);
    CDC* pDC = dc.GetDC();
    if (!pDC)
        return;
    CPalette* altePalette = pDC->SelectPalette(&e.m_Palette, false);
    CFont* alteSchrift = pDC->SelectObject(&schrift);
    pDC->SetBkColor(PALETTEINDEX(INDEX_HINTERGRUND));
    pDC->SetTextColor(PALETTEINDEX(INDEX_VORDERGRUND));
    pDC->SetTextAlign(TA_CENTER | TA_BOTTOM);
    const int mitte = int(zeilen.size() - 1) / 2;
    int y = (h + zeile) / 2 - mitte * zeile;
    for (const std::string& text : zeilen) {
        pDC->TextOut(w / 2, y, text);
        y += zeile;
    }
    pDC->SelectPalette(altePalette, false);
    pDC->SelectObject(alteSchrift);
}
