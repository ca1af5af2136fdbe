#include "FauxCapture.h"

#include <QFile>
#include <QFileInfo>

QRgb CouleurMotif(int x, int y) {
    const int bloc = ((x >> 8) & 7) | (((y >> 8) & 7) << 3);
    return qRgb(x & 255, y & 255, (bloc * 4) & 255);
}

QImage ImageMotif(int largeur, int hauteur, QPoint origine) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    for (int y = 0; y < hauteur; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < largeur; ++x)
            ligne[x] = CouleurMotif(origine.x() + x, origine.y() + y);
    }
    return image;
}

bool FauxEcran::disponible(QString* raison) const {
    if (!possible && raison)
        *raison = TexteCaptureImpossible();
    return possible;
}

QImage FauxEcran::saisir(const QRect& zone) {
    zones.append(zone);
    QImage image = ImageMotif(zone.width(), zone.height(), zone.topLeft());
    if (decalageCouleur)
        image.invertPixels();
    return image;
}

int16_t FauxConvertisseur::convertir(const QString& bmp, const QString& jpg, int16_t qualite) {
    appels.append({bmp, jpg, qualite, QFileInfo(bmp).isFile()});
    if (statut != 0 || !ecrireJpeg)
        return statut;
    QFile f(jpg);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 11;
    QByteArray octets(tailleJpeg, '\0');
    if (tailleJpeg >= 2) {
        octets[0] = char(0xFF);
        octets[1] = char(0xD8);
    }
    f.write(octets);
    return 0;
}

QImage LireBMP(const QString& chemin) {
    QImage image(chemin, "BMP");
    return image.convertToFormat(QImage::Format_RGB32);
}
