#pragma once

// Whether the texts of a surface's controls fit their rectangles: every
// label, option, button, field value, list entry and group title measured
// in the control's font against the room its control leaves it.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "dialogs/steuerflaeche.h"
#include "workplace/umgebung.h"

namespace textbreite {

inline QString Text(const QWidget* w)
{
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return g->title();
    if (auto* c = qobject_cast<const QComboBox*>(w))
        return c->currentText();
    return {};
}

// One line per shown control whose text does not fit: where, name, text and
// the pixels it runs over.
inline std::vector<std::string> ZuBreit(const QWidget* flaeche, const std::string& wo)
{
    std::vector<std::string> fehler;
    for (const QWidget* w : flaeche->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isHidden())
            if (const int ueber = TextUeberhang(w); ueber > 0)
                fehler.push_back(wo + " " + w->objectName().toStdString() + " \"" + Text(w).toStdString() + "\" um " +
                                 std::to_string(ueber));
    return fehler;
}

// Each overflowing text is a failure of its own, so that one run lists them all.
inline void Pruefe(const QWidget* flaeche, const std::string& wo)
{
    for (const std::string& f : ZuBreit(flaeche, wo))
        ADD_FAILURE() << f;
}

// The units with their decimal places that the texts are checked under; the
// last gives the widest numbers.
inline constexpr std::pair<uint32_t, int> kEinheiten[] = {
    {EINHEIT_WINKEL, 1}, {EINHEIT_LAENGE | EINHEIT_MM, 2}, {EINHEIT_PIXEL, 0}, {EINHEIT_ANTEIL | EINHEIT_PROZENT, 3}};

} // namespace textbreite
