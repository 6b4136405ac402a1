#include "platform/draw/recorder/recorder_dc.h"

#include <algorithm>
#include <cstdlib>

CRecorderDC::CRecorderDC(const CGeraetDaten& geraet) : CDC(geraet) {}

CRecorderDC::Eintrag& CRecorderDC::Neu(Art art)
{
    Eintrag& e = m_eintraege.emplace_back();
    e.art = art;
    e.font = m_font;
    e.pen = m_pen;
    e.brushLeer = m_bBrushLeer;
    e.brushFarbe = m_brushFarbe;
    e.textFarbe = m_textFarbe;
    e.hgFarbe = m_hgFarbe;
    e.bkModus = m_nBkModus;
    e.ausrichtung = m_nTextAusrichtung;
    e.mapMode = GetMapMode();
    return e;
}

std::vector<const CRecorderDC::Eintrag*> CRecorderDC::Von(Art art) const
{
    std::vector<const Eintrag*> aus;
    for (const Eintrag& e : m_eintraege)
        if (e.art == art)
            aus.push_back(&e);
    return aus;
}

std::vector<std::string> CRecorderDC::Texte() const
{
    std::vector<std::string> aus;
    for (const Eintrag& e : m_eintraege)
        if (e.art == Art::Text || e.art == Art::DrawText)
            aus.push_back(e.text);
    return aus;
}

bool CRecorderDC::ExtTextOut(int x, int y, unsigned optionen, const RECT* rechteck, const std::string& text)
{
    Eintrag& e = Neu(Art::Text);
    e.text = text;
    e.punkte = {{x, y}};
    e.optionen = optionen;
    e.mitRechteck = rechteck != nullptr;
    if (rechteck)
        e.rechteck = *rechteck;
    return true;
}

int CRecorderDC::DrawText(const std::string& text, RECT* rechteck, unsigned format)
{
    if (!rechteck)
        return 0;
    Eintrag& e = Neu(Art::DrawText);
    e.text = text;
    e.optionen = format;
    e.mitRechteck = true;
    e.rechteck = *rechteck;
    return CDC::DrawText(text, rechteck, format);
}

bool CRecorderDC::LineTo(int x, int y)
{
    Eintrag& e = Neu(Art::Linie);
    e.punkte = {m_position, {x, y}};
    m_position = {x, y};
    return true;
}

bool CRecorderDC::Polyline(const POINT* punkte, int anzahl)
{
    if (!punkte || anzahl < 2)
        return false;
    Neu(Art::Polyline).punkte.assign(punkte, punkte + anzahl);
    return true;
}

bool CRecorderDC::Rectangle(int l, int t, int r, int b)
{
    Neu(Art::Rechteck).punkte = {{l, t}, {r, b}};
    return true;
}

bool CRecorderDC::Ellipse(int l, int t, int r, int b)
{
    Neu(Art::Ellipse).punkte = {{l, t}, {r, b}};
    return true;
}

bool CRecorderDC::Polygon(const POINT* punkte, int anzahl)
{
    if (!punkte || anzahl < 2)
        return false;
    Neu(Art::Polygon).punkte.assign(punkte, punkte + anzahl);
    return true;
}

void CRecorderDC::FillRect(const RECT* r, CBrush* brush)
{
    if (!r || !brush || !brush->IstErzeugt())
        return;
    Eintrag& e = Neu(Art::Flaeche);
    e.rechteck = *r;
    e.mitRechteck = true;
    e.brushLeer = brush->IstLeer();
    e.brushFarbe = brush->GetFarbe();
}

bool CRecorderDC::StretchBlt(int x, int y, int breite, int hoehe, CDC* quelle, int qx, int qy, int qBreite, int qHoehe,
                             uint32_t)
{
    if (!quelle)
        return false;
    Neu(Art::Kopie).punkte = {{x, y}, {x + breite, y + hoehe}, {qx, qy}, {qx + qBreite, qy + qHoehe}};
    return true;
}

TEXTMETRIC CRecorderDC::GeraetMetrik() const
{
    TEXTMETRIC tm;
    int h = std::abs(SchriftHoeheGeraet());
    int b = m_font.lfWidth != 0 ? BreiteInGeraet(m_font.lfWidth) : h / 2;
    tm.tmHeight = h;
    tm.tmDescent = h / 5;
    tm.tmAscent = h - tm.tmDescent;
    tm.tmAveCharWidth = b;
    tm.tmMaxCharWidth = b;
    tm.tmWeight = m_font.lfWeight;
    tm.tmItalic = m_font.lfItalic;
    return tm;
}

SIZE CRecorderDC::GeraetTextMass(const std::string& text) const
{
    TEXTMETRIC tm = GeraetMetrik();
    const int64_t breite = static_cast<int64_t>(ZeichenVon(text).size()) * tm.tmAveCharWidth;
    return {static_cast<int32_t>(std::min<int64_t>(breite, INT32_MAX)), tm.tmHeight};
}
