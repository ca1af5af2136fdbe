#pragma once
// Le cadre de capture posé sur une image figée d'un écran (écran mis à l'échelle, Wayland) :
// la zone se compte en pixels réels de l'écran, ceux de l'image, quelle que soit l'échelle du
// bureau ; une capture de « 600 x 350 » fait donc toujours 600 x 350 pixels. La position, elle,
// se garde comme celle du cadre transparent : le coin extérieur du cadre, en twips du bureau,
// pour que « Passage » serve aux deux.

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <cstdint>

class CadreFige {
public:
    // image : taille de l'image figée (pixels réels) ; zone : L x H ; echelle : pixels réels
    // par pixel du bureau ; origine : coin de l'écran sur le bureau (pixels du bureau) ; tpp :
    // twips par pixel du bureau ; bord, bande : épaisseurs du cadre en pixels du bureau.
    CadreFige(QSize image, QSize zone, double echelle, QPointF origine, int tpp, int bord,
              int bande);

    // Le trou, en pixels de l'image.
    QRect Trou() const { return QRect(m_trou, m_zone); }
    // Le cadre extérieur en pixels du bureau, relatifs au coin de l'écran (pour le dessiner).
    QRectF CadreLogique() const;
    QRectF TrouLogique() const;

    // Le cadre au milieu de l'écran.
    void Centrer();
    // Le coin extérieur du cadre donné en twips du bureau (« Passage »).
    void PlacerTwips(int32_t left, int32_t top);
    // Le coin extérieur, en twips du bureau.
    int32_t LeftTwips() const;
    int32_t TopTwips() const;
    // Déplace le trou de dx, dy pixels réels.
    void Deplacer(int dx, int dy);

    // Les pixels de l'image sous le trou, L x H ; ce qui déborde de l'image est noir.
    QImage Extraire(const QImage& fige) const;

private:
    QPoint Marge() const; // du coin extérieur au trou, pixels réels

    QSize m_image;
    QSize m_zone;
    double m_echelle;
    QPointF m_origine;
    int m_tpp;
    int m_bord;
    int m_bande;
    QPoint m_trou;
};
