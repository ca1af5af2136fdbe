#pragma once
// Le motif des essais sous Wayland : chaque pixel réel dit d'où il vient (x et y en clair, 12 bits
// chacun), pour qu'un décalage, une mise à l'échelle ou un flou se voie au premier pixel.

#include <QImage>

inline QRgb CouleurMotif(int x, int y) {
    const int r = x & 0xff;
    const int g = y & 0xff;
    const int b = ((x >> 8) & 0x0f) << 4 | ((y >> 8) & 0x0f);
    return qRgb(r, g, b);
}

inline QImage ImageMotif(int largeur, int hauteur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    for (int y = 0; y < hauteur; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < largeur; ++x)
            ligne[x] = CouleurMotif(x, y);
    }
    return image;
}
