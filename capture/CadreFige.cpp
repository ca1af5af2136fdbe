#include "CadreFige.h"

#include <algorithm>
#include <cmath>

CadreFige::CadreFige(QSize image, QSize zone, double echelle, QPointF origine, int tpp, int bord,
                     int bande)
    : m_image(image), m_zone(zone), m_echelle(echelle > 0 ? echelle : 1.0), m_origine(origine),
      m_tpp(tpp > 0 ? tpp : 15), m_bord(bord), m_bande(bande) {
    Centrer();
}

QPoint CadreFige::Marge() const {
    return QPoint(static_cast<int>(std::lround(m_bord * m_echelle)),
                  static_cast<int>(std::lround(m_bande * m_echelle)));
}

QRectF CadreFige::TrouLogique() const {
    return QRectF(QPointF(m_trou) / m_echelle, QSizeF(m_zone) / m_echelle);
}

QRectF CadreFige::CadreLogique() const {
    const QRectF trou = TrouLogique();
    return trou.adjusted(-m_bord, -m_bande, m_bord, m_bord);
}

void CadreFige::Centrer() {
    const QPoint marge = Marge();
    const QSize exterieur(m_zone.width() + 2 * marge.x(), m_zone.height() + marge.y() + marge.x());
    m_trou = QPoint((m_image.width() - exterieur.width()) / 2,
                    (m_image.height() - exterieur.height()) / 2) +
             marge;
}

void CadreFige::PlacerTwips(int32_t left, int32_t top) {
    // Twips du bureau vers pixels réels de cette image, au plus proche : un pixel réel vaut
    // moins d'un twip tant que l'échelle reste sous 15.
    const double x = (static_cast<double>(left) / m_tpp - m_origine.x()) * m_echelle;
    const double y = (static_cast<double>(top) / m_tpp - m_origine.y()) * m_echelle;
    m_trou = QPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))) + Marge();
}

int32_t CadreFige::LeftTwips() const {
    const double x = (m_trou.x() - Marge().x()) / m_echelle + m_origine.x();
    return static_cast<int32_t>(std::lround(x * m_tpp));
}

int32_t CadreFige::TopTwips() const {
    const double y = (m_trou.y() - Marge().y()) / m_echelle + m_origine.y();
    return static_cast<int32_t>(std::lround(y * m_tpp));
}

void CadreFige::Deplacer(int dx, int dy) {
    m_trou += QPoint(dx, dy);
}

QImage CadreFige::Extraire(const QImage& fige) const {
    QImage zone(m_zone, QImage::Format_RGB32);
    zone.fill(Qt::black);
    const QImage source = fige.convertToFormat(QImage::Format_RGB32);
    const QRect voulu(m_trou, m_zone);
    const QRect visible = voulu.intersected(QRect(QPoint(0, 0), source.size()));
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* cible = reinterpret_cast<QRgb*>(zone.scanLine(y - voulu.y()));
        std::copy(ligne + visible.left(), ligne + visible.left() + visible.width(),
                  cible + (visible.left() - voulu.x()));
    }
    return zone;
}
