#include "dialogs/zeichenflaeche.h"

#include <QEvent>
#include <QPainter>

CZeichenflaeche::CZeichenflaeche(QWidget* eltern, std::function<void(QPainter&)> zeichnen)
    : QWidget(eltern), m_zeichnen(std::move(zeichnen))
{
    setObjectName("zeichenflaeche");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(eltern->rect());
    eltern->installEventFilter(this);
    raise();
    show();
}

void CZeichenflaeche::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_zeichnen)
        m_zeichnen(painter);
}

bool CZeichenflaeche::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == parent() && ereignis->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}
