#include "app/symbole.h"

#include <QPainter>
#include <QPixmap>

#include "app/befehle.h"

namespace {

QPixmap Leer(int b, int h)
{
    QPixmap p(b, h);
    p.fill(Qt::transparent);
    return p;
}

QPixmap Blatt()
{
    QPixmap p = Leer(16, 15);
    QPainter g(&p);
    g.setPen(Qt::black);
    g.setBrush(Qt::white);
    g.drawPolygon(QPolygon({{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}}));
    g.drawPolyline(QPolygon({{10, 1}, {10, 4}, {13, 4}}));
    return p;
}

QPixmap Ordner()
{
    QPixmap p = Leer(16, 15);
    QPainter g(&p);
    g.setPen(Qt::black);
    g.setBrush(QColor(255, 255, 0));
    g.drawPolygon(QPolygon({{1, 3}, {5, 3}, {6, 5}, {13, 5}, {13, 13}, {1, 13}}));
    g.setBrush(QColor(128, 128, 0));
    g.drawPolygon(QPolygon({{3, 8}, {15, 8}, {13, 13}, {1, 13}}));
    return p;
}

QPixmap Diskette()
{
    QPixmap p = Leer(16, 15);
    QPainter g(&p);
    g.setPen(Qt::black);
    g.setBrush(QColor(0, 0, 128));
    g.drawRect(1, 1, 13, 13);
    g.setBrush(Qt::white);
    g.drawRect(4, 1, 7, 5);
    g.setBrush(QColor(192, 192, 192));
    g.drawRect(4, 9, 7, 5);
    return p;
}

QPixmap Drucker()
{
    QPixmap p = Leer(16, 15);
    QPainter g(&p);
    g.setPen(Qt::black);
    g.setBrush(Qt::white);
    g.drawRect(4, 1, 8, 6);
    g.setBrush(QColor(192, 192, 192));
    g.drawRect(1, 6, 14, 6);
    g.setBrush(QColor(0, 255, 0));
    g.drawRect(12, 8, 1, 1);
    return p;
}

// A screen with a viewer's eye in front of it.
QPixmap Anordnung()
{
    QPixmap p = Leer(16, 15);
    QPainter g(&p);
    g.setPen(Qt::black);
    g.setBrush(QColor(0, 128, 128));
    g.drawRect(5, 1, 10, 8);
    g.drawLine(10, 9, 10, 12);
    g.drawLine(7, 13, 13, 13);
    g.setBrush(Qt::white);
    g.drawEllipse(0, 4, 4, 3);
    return p;
}

QPixmap Fragezeichen(int b, int h, const QColor& grund)
{
    QPixmap p = Leer(b, h);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(grund);
    g.drawEllipse(QRectF(0.5, 0.5, b - 1.0, h - 1.0));
    QFont f = g.font();
    f.setBold(true);
    f.setPixelSize(h * 3 / 4);
    g.setFont(f);
    g.setPen(Qt::white);
    g.drawText(QRect(0, 0, b, h), Qt::AlignCenter, "?");
    return p;
}

} // namespace

QIcon BefehlsSymbol(int id)
{
    switch (id) {
    case ID_FILE_NEW: return QIcon(Blatt());
    case ID_FILE_OPEN: return QIcon(Ordner());
    case ID_FILE_SAVE: return QIcon(Diskette());
    case ID_FILE_PRINT:
    case ID_TRAINING_DRUCKEN:
    case ID_TEST_DRUCKEN: return QIcon(Drucker());
    case ID_ANORDNUNG: return QIcon(Anordnung());
    case ID_PROGRAMMBESCHREIBUNG: return QIcon(Fragezeichen(16, 15, QColor(0, 0, 160)));
    default: return {};
    }
}

QIcon ProgrammSymbol()
{
    QPixmap p = Leer(32, 32);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(Qt::black, 1));
    g.setBrush(QColor(0, 64, 160));
    g.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 5, 5);
    // The half-seen field: the right half bright, the left one dim.
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(255, 220, 0));
    g.drawPie(QRectF(7, 7, 18, 18), -90 * 16, 180 * 16);
    g.setBrush(QColor(90, 110, 150));
    g.drawPie(QRectF(7, 7, 18, 18), 90 * 16, 180 * 16);
    return QIcon(p);
}
