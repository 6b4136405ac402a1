#include "platform/draw/dc.h"

#include <climits>

std::u32string ZeichenVon(const std::string& text)
{
    std::u32string aus;
    aus.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        int laenge = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        char32_t c = laenge == 1 ? b : laenge == 2 ? (b & 0x1F) : laenge == 3 ? (b & 0x0F) : (b & 0x07);
        bool gut = laenge > 0 && i + laenge <= text.size();
        for (int k = 1; gut && k < laenge; ++k) {
            unsigned char f = static_cast<unsigned char>(text[i + k]);
            gut = (f & 0xC0) == 0x80;
            c = (c << 6) | (f & 0x3F);
        }
        if (!gut) {
            aus.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        aus.push_back(c);
        i += laenge;
    }
    return aus;
}

std::string KuerzeSchriftname(const std::string& name)
{
    size_t i = 0;
    for (int n = 0; n < LF_FACESIZE - 1 && i < name.size(); ++n) {
        ++i;
        while (i < name.size() && (static_cast<unsigned char>(name[i]) & 0xC0) == 0x80)
            ++i;
    }
    return name.substr(0, i);
}

bool CGdiObject::DeleteObject()
{
    bool war = m_bErzeugt;
    m_bErzeugt = false;
    return war;
}

bool CFont::CreateFontIndirect(const LOGFONT* lf)
{
    if (m_bErzeugt || !lf)
        return false;
    m_lf = *lf;
    m_lf.lfFaceName = KuerzeSchriftname(lf->lfFaceName);
    m_bErzeugt = true;
    return true;
}

bool CFont::CreateFont(int hoehe, int breite, int escapement, int orientation, int gewicht, uint8_t kursiv,
                       uint8_t unterstrichen, uint8_t durchgestrichen, uint8_t zeichensatz, uint8_t ausgabe,
                       uint8_t clip, uint8_t qualitaet, uint8_t pitchFamilie, const std::string& name)
{
    LOGFONT lf;
    lf.lfHeight = hoehe;
    lf.lfWidth = breite;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = gewicht;
    lf.lfItalic = kursiv;
    lf.lfUnderline = unterstrichen;
    lf.lfStrikeOut = durchgestrichen;
    lf.lfCharSet = zeichensatz;
    lf.lfOutPrecision = ausgabe;
    lf.lfClipPrecision = clip;
    lf.lfQuality = qualitaet;
    lf.lfPitchAndFamily = pitchFamilie;
    lf.lfFaceName = name;
    return CreateFontIndirect(&lf);
}

bool CFont::GetLogFont(LOGFONT* lf) const
{
    if (!m_bErzeugt || !lf)
        return false;
    *lf = m_lf;
    return true;
}

bool CPen::CreatePen(int stil, int breite, COLORREF farbe)
{
    if (m_bErzeugt)
        return false;
    m_lp.lopnStyle = stil == PS_NULL ? PS_NULL : PS_SOLID;
    m_lp.lopnWidth = {breite < 0 ? 0 : breite, 0};
    m_lp.lopnColor = farbe;
    m_bErzeugt = true;
    return true;
}

bool CPen::CreateStockObject(int objekt)
{
    switch (objekt) {
    case NULL_PEN: return CreatePen(PS_NULL, 0, 0);
    case WHITE_PEN: return CreatePen(PS_SOLID, 0, RGB(255, 255, 255));
    case BLACK_PEN: return CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    default: return false;
    }
}

bool CPen::GetLogPen(LOGPEN* lp) const
{
    if (!m_bErzeugt || !lp)
        return false;
    *lp = m_lp;
    return true;
}

bool CBrush::CreateSolidBrush(COLORREF farbe)
{
    if (m_bErzeugt)
        return false;
    m_farbe = farbe;
    m_bLeer = false;
    m_bErzeugt = true;
    return true;
}

bool CBrush::CreateStockObject(int objekt)
{
    switch (objekt) {
    case NULL_BRUSH:
        if (m_bErzeugt)
            return false;
        m_bLeer = true;
        m_bErzeugt = true;
        return true;
    case WHITE_BRUSH: return CreateSolidBrush(RGB(255, 255, 255));
    case BLACK_BRUSH: return CreateSolidBrush(RGB(0, 0, 0));
    default: return false;
    }
}

bool CPalette::CreatePalette(const PALETTEENTRY* eintraege, int anzahl)
{
    if (m_bErzeugt || !eintraege || anzahl < 1 || anzahl > 256)
        return false;
    m_eintraege.assign(eintraege, eintraege + anzahl);
    m_bErzeugt = true;
    return true;
}

int CPalette::GetPaletteEntries(int start, int anzahl, PALETTEENTRY* ziel) const
{
    int n = 0;
    for (int i = start; ziel && i >= 0 && i < GetEntryCount() && n < anzahl; ++i)
        ziel[n++] = m_eintraege[i];
    return n;
}

int CPalette::SetPaletteEntries(int start, int anzahl, const PALETTEENTRY* quelle)
{
    int n = 0;
    for (int i = start; quelle && i >= 0 && i < GetEntryCount() && n < anzahl; ++i)
        m_eintraege[i] = quelle[n++];
    return n;
}

int CPalette::GetNearestPaletteIndex(COLORREF farbe) const
{
    int best = 0;
    long bestAbstand = LONG_MAX;
    for (int i = 0; i < GetEntryCount(); ++i) {
        const PALETTEENTRY& e = m_eintraege[i];
        long dr = e.peRed - GetRValue(farbe), dg = e.peGreen - GetGValue(farbe), db = e.peBlue - GetBValue(farbe);
        long abstand = dr * dr + dg * dg + db * db;
        if (abstand < bestAbstand) {
            bestAbstand = abstand;
            best = i;
        }
    }
    return best;
}
