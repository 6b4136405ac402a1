#pragma once

#include <functional>

#include <QWidget>

class QPainter;

// A transparent layer over a whole dialog or page that paints what the
// dialog draws itself (colour swatches). Group boxes shade their inside, so
// a swatch painted by the dialog below them would come out tinted.
class CZeichenflaeche : public QWidget {
public:
    CZeichenflaeche(QWidget* eltern, std::function<void(QPainter&)> zeichnen);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    std::function<void(QPainter&)> m_zeichnen;
};
