#include "ZoneImage.h"

#include "Images.h"

#include <QPainter>

ZoneImage::ZoneImage(QWidget* parent) : QWidget(parent) {
    setMinimumSize(160, 120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ZoneImage::montrer(const QString& chemin, const QString& signature) {
    m_chemin = chemin;
    m_signature = signature;
    Charger();
}

void ZoneImage::Charger() {
    const QSize place = contentsRect().size() * devicePixelRatioF();
    m_placeChargee = contentsRect().size();
    m_image = m_chemin.isEmpty() ? QImage() : LireImageAjustee(m_chemin, place);
    m_image.setDevicePixelRatio(devicePixelRatioF());
    update();
}

void ZoneImage::resizeEvent(QResizeEvent*) {
    if (contentsRect().size() != m_placeChargee && !m_chemin.isEmpty())
        Charger();
}

void ZoneImage::paintEvent(QPaintEvent*) {
    if (m_image.isNull())
        return;
    QPainter p(this);
    const QSizeF taille = m_image.deviceIndependentSize();
    const QPointF coin((width() - taille.width()) / 2.0, (height() - taille.height()) / 2.0);
    // Un léger cadre détache la photo du fond.
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.drawRect(QRectF(coin - QPointF(1, 1), taille + QSizeF(1, 1)));
    p.drawImage(coin, m_image);
}
