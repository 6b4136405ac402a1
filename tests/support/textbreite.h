#pragma once

// Whether the texts of a surface's controls fit their rectangles: every
// label, option, button, field value, list entry and group title measured
// with the control's own font against the room its control leaves it.
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QWidget>

namespace textbreite {

// The room of a label: its rectangle up to the first control created after
// it that covers part of its line (the later control lies on top).
inline int Raum(const QWidget* w, const QList<QWidget*>& geschwister)
{
    int rechts = w->geometry().right() + 1;
    bool danach = false;
    for (const QWidget* g : geschwister) {
        if (g == w) {
            danach = true;
            continue;
        }
        if (!danach || qobject_cast<const QGroupBox*>(g) || g->isHidden() || g->objectName() == "zeichenflaeche")
            continue;
        const QRect r = g->geometry();
        if (r.intersects(w->geometry()) && r.left() > w->x())
            rechts = std::min(rechts, r.left());
    }
    return rechts - w->x();
}

inline int Breite(const QWidget* w, const QString& text)
{
    return QFontMetrics(w->font()).horizontalAdvance(text);
}

// One line per text that does not fit: name, text, needed and available width.
inline std::vector<std::string> ZuBreit(const QWidget* flaeche, const std::string& wo)
{
    std::vector<std::string> fehler;
    const auto melde = [&](const QWidget* w, const QString& text, int braucht, int hat) {
        if (braucht > hat)
            fehler.push_back(wo + " " + w->objectName().toStdString() + " \"" + text.toStdString() + "\" " +
                             std::to_string(braucht) + " > " + std::to_string(hat));
    };
    QList<QWidget*> geschwister;
    for (QObject* o : flaeche->children())
        if (auto* w = qobject_cast<QWidget*>(o))
            geschwister.push_back(w);

    for (const QWidget* w : geschwister) {
        if (w->isHidden())
            continue;
        QStyle* stil = w->style();
        if (auto* l = qobject_cast<const QLabel*>(w)) {
            if (!l->text().isEmpty())
                melde(l, l->text(), Breite(l, l->text()) + 2 * l->margin(), Raum(l, geschwister));
        } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
            melde(g, g->title(), Breite(g, g->title()), g->width() - 2 * stil->pixelMetric(QStyle::PM_LayoutLeftMargin));
        } else if (qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w)) {
            auto* b = qobject_cast<const QAbstractButton*>(w);
            const bool radio = qobject_cast<const QRadioButton*>(w);
            const int zeichen =
                stil->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, w) +
                stil->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing,
                                  nullptr, w);
            melde(b, b->text(), zeichen + Breite(b, b->text()), Raum(b, geschwister));
        } else if (auto* p = qobject_cast<const QPushButton*>(w)) {
            melde(p, p->text(), Breite(p, p->text()) + 2 * stil->pixelMetric(QStyle::PM_ButtonMargin), p->width());
        } else if (auto* e = qobject_cast<const QLineEdit*>(w)) {
            QStyleOptionFrame opt;
            opt.initFrom(e);
            opt.lineWidth = e->hasFrame() ? stil->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
            const QRect innen = stil->subElementRect(QStyle::SE_LineEditContents, &opt, e)
                                    .marginsRemoved(e->textMargins());
            // Qt keeps two pixels free on either side of the text.
            melde(e, e->text(), Breite(e, e->text()), innen.width() - 4);
        } else if (auto* c = qobject_cast<const QComboBox*>(w)) {
            QStyleOptionComboBox opt;
            opt.initFrom(c);
            opt.editable = false;
            opt.frame = c->hasFrame();
            const int feld = stil->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c).width();
            for (int i = 0; i < c->count(); ++i)
                melde(c, c->itemText(i), Breite(c, c->itemText(i)), feld);
        }
    }
    return fehler;
}

} // namespace textbreite
