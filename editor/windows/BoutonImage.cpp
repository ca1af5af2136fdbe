#include "BoutonImage.h"

#include "Feuilles.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

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

QString BoutonImage::texteBulle() const {
    if (m_raccourci.isEmpty())
        return toolTip();
    // Les noms des touches en français, que la traduction de Qt soit chargée ou non.
    QString touches = m_raccourci.toString(QKeySequence::PortableText);
    touches.replace(QStringLiteral("Shift"), QStringLiteral("Maj"));
    touches.replace(QStringLiteral("Del"), QStringLiteral("Suppr"));
    return toolTip() + QStringLiteral("  (") + touches + QLatin1Char(')');
}

bool BoutonImage::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), texteBulle(), this);
        return true;
    }
    return QWidget::event(e);
}

void BoutonImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPixmap& image = m_enfonce ? m_enfonce_image : m_relache;
    const QSize taille = image.deviceIndependentSize().toSize();
    // Une commande indisponible (aucun diaporama ouvert) se voit à peine.
    if (!isEnabled())
        p.setOpacity(0.35);
    p.drawPixmap((width() - taille.width()) / 2, (height() - taille.height()) / 2, image);
    p.setOpacity(1.0);
    if (hasFocus()) {
        // Un anneau bien visible pour qui parcourt la barre au clavier.
        p.setPen(QPen(CouleurFocus(), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
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
