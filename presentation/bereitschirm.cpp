#include "presentation/bereitschirm.h"

#include "platform/draw/dc_auswahl.h"
#include "presentation/bmpdatei.h"
#include "presentation/oberflaeche_dc.h"
#include "presentation/praesentation.h"
#include "workplace/formatierung.h"
#include "workplace/umgebung.h"

#include <algorithm>

LOGFONT ProfilSchrift(const CPraesentation& e)
{
    LOGFONT lf;
    CFont* vorlage = e.m_pProfil ? e.m_pProfil->GetSchrift() : nullptr;
    if (!vorlage || !vorlage->GetLogFont(&lf)) {
        lf = LOGFONT{};
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfFaceName = "Arial";
    }
    return lf;
}

int BereitSchriftErstellen(const CPraesentation& e, CFont& schrift)
{
    LOGFONT lf = ProfilSchrift(e);
    lf.lfHeight = std::max<int32_t>((e.m_rcBildschirm.bottom - e.m_rcBildschirm.top) / 40, 10);
    schrift.CreateFontIndirect(&lf);
    LOGFONT erzeugt;
    return schrift.GetLogFont(&erzeugt) ? erzeugt.lfHeight : lf.lfHeight;
}

bool BereitSchreiben(CPraesentation& e, CFont& schrift, const std::vector<std::pair<POINT, std::string>>& texte)
{
    COberflaechenDC dc(e.m_pRueckpuffer);
    CDC* pDC = dc.GetDC();
    if (!pDC)
        return false;
    CDCAuswahl auswahl(pDC);
    auswahl.Waehlen(&e.m_Palette);
    auswahl.Waehlen(&schrift);
    if (!pDC->SchriftVorhanden()) {
        SchriftFehlt(e, pDC->GetSchrift());
        return false;
    }
    pDC->SetBkColor(PALETTEINDEX(INDEX_HINTERGRUND));
    pDC->SetTextColor(PALETTEINDEX(INDEX_VORDERGRUND));
    pDC->SetTextAlign(TA_CENTER | TA_BOTTOM);
    for (const auto& [punkt, text] : texte)
        pDC->TextOut(punkt.x, punkt.y, text);
    return true;
}

void BereitSchreiben(CPraesentation& e, std::initializer_list<std::string> zeilen)
{
    const int w = e.m_rcBildschirm.right - e.m_rcBildschirm.left;
    const int h = e.m_rcBildschirm.bottom - e.m_rcBildschirm.top;
    CFont schrift;
    const int zeile = BereitSchriftErstellen(e, schrift);
    const int mitte = int(zeilen.size() - 1) / 2;
    int y = (h + zeile) / 2 - mitte * zeile;
    std::vector<std::pair<POINT, std::string>> texte;
    for (const std::string& text : zeilen) {
        texte.push_back({POINT{w / 2, y}, text});
        y += zeile;
    }
    BereitSchreiben(e, schrift, texte);
}

void SchriftFehlt(CPraesentation& e, const LOGFONT& lf)
{
    if (e.m_nFehler == 0)
        e.m_nFehler = FEHLER_DATEI;
    e.m_strFehler += "Schriftart " + lf.lfFaceName + " nicht gefunden.\n";
}

std::string AufgabenPfad(const std::string& ordner, const std::string& unterordner, const std::string& name)
{
    if (unterordner.empty())
        return ordner + "\\" + name;
    if (unterordner[0] == '\\')
        return ordner + unterordner + "\\" + name;
    return unterordner + "\\" + name;
}

std::string MindestensEinPixel(const std::string& groesse, int pixel)
{
    return groesse + " ergibt bei dieser Bildschirmauflösung " + FormatInt(pixel) +
           " Pixel; sie muss mindestens 1 Pixel betragen.";
}

std::string HoechstensTeile(int anzahl, const std::string& teile, const std::string& laenge, int pixel, int hoechstens)
{
    return "Für " + FormatInt(anzahl) + " " + teile + " ist die " + laenge + " zu klein. Bei einer " + laenge +
           " von " + FormatInt(pixel) + " Pixel sind höchstens " + FormatInt(std::max(hoechstens, 0)) + " " + teile +
           " möglich.";
}

RECT MittigesFeld(const CPraesentation& e, double breite, double hoehe)
{
    const RECT& s = e.m_rcBildschirm;
    const LONG w = std::clamp<LONG>(e.m_pUmgebung->AnteilInPixelX(breite), 0, s.right - s.left);
    const LONG h = std::clamp<LONG>(e.m_pUmgebung->AnteilInPixelY(hoehe), 0, s.bottom - s.top);
    RECT r;
    r.left = s.left + (s.right - s.left - w) / 2;
    r.top = s.top + (s.bottom - s.top - h) / 2;
    r.right = r.left + w;
    r.bottom = r.top + h;
    return r;
}
