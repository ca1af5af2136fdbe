#include "BoutonImage.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

BoutonImage::BoutonImage(const QString& nom, QPixmap relache, QPixmap enfonce, const QString& bulle,
                         std::function<void()> commande, QWidget* parent)
    : QWidget(parent), m_relache(std::move(relache)), m_enfonce_image(std::move(enfonce)),
      m_commande(std::move(commande)) {
    setObjectName(nom);
    setToolTip(bulle);
    setAccessibleName(bulle);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize BoutonImage::sizeHint() const {
    const QSize image = m_relache.deviceIndependentSize().toSize();
    return image.isEmpty() ? QSize(44, 44) : image + QSize(4, 4);
}

void BoutonImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPixmap& image = m_enfonce ? m_enfonce_image : m_relache;
    const QSize taille = image.deviceIndependentSize().toSize();
    p.drawPixmap((width() - taille.width()) / 2, (height() - taille.height()) / 2, image);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

void BoutonImage::Enfoncer() {
    m_enfonce = true;
    update();
}

void BoutonImage::Relacher() {
    if (!m_enfonce)
        return;
    m_enfonce = false;
    repaint();
    // La commande peut ouvrir une fenêtre modale ou fermer le programme : rien après elle.
    if (m_commande)
        m_commande();
}

void BoutonImage::mousePressEvent(QMouseEvent*) {
    Enfoncer();
}

void BoutonImage::mouseReleaseEvent(QMouseEvent* e) {
    // Le widget garde la souris depuis l'appui : le relâchement arrive ici même hors du bouton.
    if (e->buttons() == Qt::NoButton)
        Relacher();
}

void BoutonImage::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        !e->isAutoRepeat())
        Enfoncer();
    else
        QWidget::keyPressEvent(e);
}

void BoutonImage::keyReleaseEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        !e->isAutoRepeat())
        Relacher();
    else
        QWidget::keyReleaseEvent(e);
}
