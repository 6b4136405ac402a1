#include "platform/draw/qpainter/painter_dc.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygon>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/draw/schriftnamen.h"

namespace {

CGeraetDaten DatenVon(QPainter* painter, bool drucker)
{
    CGeraetDaten d;
    d.drucker = drucker;
    if (QPaintDevice* g = painter ? painter->device() : nullptr) {
        d.breite = g->width();
        d.hoehe = g->height();
        d.dpiX = std::max(1, g->logicalDpiX());
        d.dpiY = std::max(1, g->logicalDpiY());
    }
    return d;
}

QRect QRechteck(const RECT& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

} // namespace

QFont QtSchrift(const LOGFONT& lf, int geraetHoehe, const QPaintDevice* geraet)
{
    QFont f(QString::fromStdString(ErsatzSchriftart(lf.lfFaceName)));
    if (lf.lfWeight > 0)
        f.setWeight(static_cast<QFont::Weight>(std::clamp(static_cast<int>(lf.lfWeight), 100, 900)));
    f.setItalic(lf.lfItalic != 0);
    f.setUnderline(lf.lfUnderline != 0);
    f.setStrikeOut(lf.lfStrikeOut != 0);
    f.setKerning(false);
    int hoehe = std::max(1, std::abs(geraetHoehe));
    f.setPixelSize(hoehe);
    if (geraetHoehe > 0) {
        // A cell height: the character height is what leaves the cell for
        // ascent and descent together.
        QFontMetricsF fm(f, geraet);
        double zelle = fm.ascent() + fm.descent();
        if (zelle > 0)
            f.setPixelSize(std::max(1, static_cast<int>(std::lround(hoehe * hoehe / zelle))));
    }
    return f;
}

CPainterDC::CPainterDC(QPainter* painter, bool drucker) : CDC(DatenVon(painter, drucker)), m_painter(painter) {}

int CPainterDC::AbortDoc()
{
    if (CDC::AbortDoc() < 0)
        return -1;
    if (m_painter && m_painter->device() && m_painter->device()->devType() == QInternal::Printer)
        static_cast<QPrinter*>(m_painter->device())->abort();
    return 1;
}

QColor CPainterDC::Farbe(COLORREF farbe) const
{
    if (IstPalettenIndex(farbe)) {
        PALETTEENTRY e;
        if (GetPalette() && GetPalette()->GetPaletteEntries(static_cast<int>(farbe & 0xFFFF), 1, &e) == 1)
            return QColor(e.peRed, e.peGreen, e.peBlue);
        return Qt::black;
    }
    return QColor(GetRValue(farbe), GetGValue(farbe), GetBValue(farbe));
}

void CPainterDC::SetzeStift() const
{
    if (GetStift().lopnStyle == PS_NULL) {
        m_painter->setPen(Qt::NoPen);
        return;
    }
    int w = GetStift().lopnWidth.x == 0 ? 0 : StiftBreiteGeraet();
    // Thin lines leave out their end point; wide ones end round.
    m_painter->setPen(
        QPen(Farbe(GetStift().lopnColor), w, Qt::SolidLine, w <= 1 ? Qt::FlatCap : Qt::RoundCap, Qt::RoundJoin));
}

void CPainterDC::SetzePinsel() const
{
    m_painter->setBrush(m_bBrushLeer ? QBrush(Qt::NoBrush) : QBrush(Farbe(m_brushFarbe)));
}

const QFont& CPainterDC::Schrift() const
{
    int hoehe = SchriftHoeheGeraet();
    if (!m_schriftGueltig || !(m_schriftFuer == GetSchrift()) || m_schriftHoehe != hoehe) {
        m_schrift = QtSchrift(GetSchrift(), hoehe, m_painter ? m_painter->device() : nullptr);
        if (GetSchrift().lfWidth != 0) {
            QFontMetricsF fm(m_schrift, m_painter ? m_painter->device() : nullptr);
            if (fm.averageCharWidth() > 0)
                m_schrift.setStretch(std::clamp(
                    static_cast<int>(std::lround(100.0 * BreiteInGeraet(GetSchrift().lfWidth) / fm.averageCharWidth())),
                    1, 4000));
        }
        m_schriftFuer = GetSchrift();
        m_schriftHoehe = hoehe;
        m_schriftGueltig = true;
    }
    return m_schrift;
}

// ---- Text ----------------------------------------------------------------------

TEXTMETRIC CPainterDC::GeraetMetrik() const
{
    QFontMetrics fm(Schrift(), m_painter ? m_painter->device() : nullptr);
    TEXTMETRIC tm;
    int h = SchriftHoeheGeraet();
    tm.tmAscent = fm.ascent();
    tm.tmDescent = h > 0 ? std::max(0, h - fm.ascent()) : fm.descent();
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max(0, tm.tmHeight - Schrift().pixelSize());
    tm.tmAveCharWidth = fm.averageCharWidth();
    tm.tmMaxCharWidth = fm.maxWidth();
    tm.tmWeight = GetSchrift().lfWeight;
    tm.tmItalic = GetSchrift().lfItalic;
    return tm;
}

SIZE CPainterDC::GeraetTextMass(const std::string& text) const
{
    QFontMetrics fm(Schrift(), m_painter ? m_painter->device() : nullptr);
    return {fm.horizontalAdvance(QString::fromStdString(text)), GeraetMetrik().tmHeight};
}

void CPainterDC::GeraetText(const CTextAuftrag& a)
{
    if (!m_painter)
        return;
    m_painter->save();
    if (a.clip)
        m_painter->setClipRect(QRechteck(a.clipRechteck), Qt::IntersectClip);
    QColor hg = Farbe(m_hgFarbe);
    if (a.clipFuellen)
        m_painter->fillRect(QRechteck(a.clipRechteck), hg);
    if (a.kastenFuellen)
        m_painter->fillRect(QRect(a.links, a.oben, a.breite, a.hoehe), hg);
    m_painter->setFont(Schrift());
    m_painter->setPen(Farbe(m_textFarbe));
    bool ausgleich = std::any_of(a.extra.begin(), a.extra.end(), [](int e) { return e != 0; });
    if (!ausgleich) {
        QString text = QString::fromStdU32String(a.zeichen);
        m_painter->drawText(QPoint(a.links, a.grundlinie), text);
    } else {
        QFontMetrics fm(Schrift(), m_painter->device());
        int x = a.links;
        for (size_t i = 0; i < a.zeichen.size(); ++i) {
            QString z = QString::fromStdU32String(std::u32string(1, a.zeichen[i]));
            m_painter->drawText(QPoint(x, a.grundlinie), z);
            x += fm.horizontalAdvance(z) + a.extra[i];
        }
    }
    m_painter->restore();
}

// ---- Lines and shapes ------------------------------------------------------------

bool CPainterDC::LineTo(int x, int y)
{
    POINT p[2] = {m_position, {x, y}};
    LPtoDP(p, 2);
    m_position = {x, y};
    if (!m_painter)
        return false;
    SetzeStift();
    m_painter->drawLine(p[0].x, p[0].y, p[1].x, p[1].y);
    return true;
}

QPolygon CPainterDC::GeraetPolygon(const POINT* punkte, int anzahl) const
{
    std::vector<POINT> p(punkte, punkte + anzahl);
    LPtoDP(p.data(), anzahl);
    QPolygon polygon;
    for (const POINT& q : p)
        polygon << QPoint(q.x, q.y);
    return polygon;
}

bool CPainterDC::Polyline(const POINT* punkte, int anzahl)
{
    if (!m_painter || !punkte || anzahl < 2)
        return false;
    SetzeStift();
    m_painter->drawPolyline(GeraetPolygon(punkte, anzahl));
    return true;
}

bool CPainterDC::Rectangle(int l, int t, int r, int b)
{
    if (!m_painter)
        return false;
    CRechteckTeile teile = RechteckTeile(l, t, r, b);
    if (!m_bBrushLeer && teile.innen.right > teile.innen.left && teile.innen.bottom > teile.innen.top)
        m_painter->fillRect(QRechteck(teile.innen), Farbe(m_brushFarbe));
    for (const RECT& balken : teile.rahmen)
        m_painter->fillRect(QRechteck(balken), Farbe(GetStift().lopnColor));
    return true;
}

bool CPainterDC::Ellipse(int l, int t, int r, int b)
{
    if (!m_painter)
        return false;
    RECT d = RechteckInGeraet(l, t, r, b);
    SetzeStift();
    SetzePinsel();
    m_painter->drawEllipse(QRect(d.left, d.top, d.right - d.left - 1, d.bottom - d.top - 1));
    return true;
}

bool CPainterDC::Polygon(const POINT* punkte, int anzahl)
{
    if (!m_painter || !punkte || anzahl < 2)
        return false;
    SetzeStift();
    SetzePinsel();
    m_painter->drawPolygon(GeraetPolygon(punkte, anzahl), Qt::OddEvenFill);
    return true;
}

void CPainterDC::FillRect(const RECT* r, CBrush* brush)
{
    if (!m_painter || !r || !brush || !brush->IstErzeugt() || brush->IstLeer())
        return;
    m_painter->fillRect(QRechteck(RechteckInGeraet(r->left, r->top, r->right, r->bottom)), Farbe(brush->GetFarbe()));
}

bool CPainterDC::StretchBlt(int, int, int, int, CDC*, int, int, int, int, uint32_t) { return false; }

QFont DialogSchrift(const CFont* schrift)
{
    LOGFONT lf;
    if (!schrift || !schrift->GetLogFont(&lf))
        return QFont();
    QFont f = QtSchrift(lf, 16);
    // The dialogs' pixel grid is laid out for an 8-point bitmap sans; a
    // narrow face keeps the texts within their controls.
    if (QString::fromStdString(lf.lfFaceName).compare("MS Sans Serif", Qt::CaseInsensitive) == 0) {
        f.setFamily("Liberation Sans Narrow");
        // Its own width, so that narrowing a text further is relative to it.
        f.setStretch(QFont::Condensed);
    }
    // The profile keeps the size in points. The grid is in pixels, so the
    // points are taken at the 96 dots per inch the grid was drawn for,
    // whatever the screen reports.
    const int punkte = std::max(1, static_cast<int>(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(punkte * 96.0 / 72.0))));
    return f;
}
