#include "BarreDefilement.h"

#include "Feuilles.h"

#include <QKeyEvent>
#include <QPainter>

BarreDefilement::BarreDefilement(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void BarreDefilement::Avancer(int pas) {
    setValue(std::clamp(value() + pas, minimum(), maximum()));
}

void BarreDefilement::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Left:
        Avancer(-1);
        break;
    case Qt::Key_Right:
        Avancer(1);
        break;
    case Qt::Key_PageUp:
        Avancer(-m_page);
        break;
    case Qt::Key_PageDown:
        Avancer(m_page);
        break;
    case Qt::Key_Home:
        setValue(minimum());
        break;
    case Qt::Key_End:
        setValue(maximum());
        break;
    default:
        QScrollBar::keyPressEvent(e);
    }
}

void BarreDefilement::paintEvent(QPaintEvent* e) {
    QScrollBar::paintEvent(e);
    if (!hasFocus())
        return;
    QPainter p(this);
    p.setPen(QPen(CouleurFocus(), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}
