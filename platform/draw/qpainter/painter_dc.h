#pragma once

#include <QFont>
#include <QPolygon>

#include "platform/draw/dc.h"

class QPainter;
class QPaintDevice;

// Font of a description at a device height in pixels (> 0 cell height,
// < 0 character height) on a device (null: the screen), with the Windows
// face names mapped to the installed fonts. Also for controls.
QFont QtSchrift(const LOGFONT& lf, int geraetHoehe, const QPaintDevice* geraet = nullptr);
// The profile's dialog font for controls: its height is kept in points.
QFont DialogSchrift(const CFont* schrift);

// Device context over a QPainter: a widget on screen, a QImage, a printer
// or the print preview. Device units are the painter's pixels (printer
// dots); the caller keeps the painter active while the context lives.
// PALETTEINDEX colours take the selected palette's entry (black without).
class CPainterDC : public CDC {
public:
    // drucker: printing or preview; the geometry comes from the device.
    CPainterDC(QPainter* painter, bool drucker);

    // Printers stop the job; others answer -1.
    int AbortDoc() override;

    bool LineTo(int x, int y) override;
    bool Polyline(const POINT* punkte, int anzahl) override;
    bool Rectangle(int l, int t, int r, int b) override;
    using CDC::Rectangle;
    bool Ellipse(int l, int t, int r, int b) override;
    bool Polygon(const POINT* punkte, int anzahl) override;
    void FillRect(const RECT* r, CBrush* brush) override;
    // Only between 8-bit contexts; always false here.
    bool StretchBlt(int x, int y, int breite, int hoehe, CDC* quelle, int qx, int qy, int qBreite, int qHoehe,
                    uint32_t rop) override;

protected:
    SIZE GeraetTextMass(const std::string& text) const override;
    TEXTMETRIC GeraetMetrik() const override;
    void GeraetText(const CTextAuftrag& auftrag) override;

private:
    QColor Farbe(COLORREF farbe) const;
    void SetzeStift() const;
    void SetzePinsel() const;
    const QFont& Schrift() const;
    QPolygon GeraetPolygon(const POINT* punkte, int anzahl) const;

    QPainter* m_painter;
    mutable QFont m_schrift;
    mutable LOGFONT m_schriftFuer;
    mutable int m_schriftHoehe = 0;
    mutable bool m_schriftGueltig = false;
};
