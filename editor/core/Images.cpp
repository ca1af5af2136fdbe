#include "Images.h"

#include <QFile>
#include <QImageReader>

#include <sys/stat.h>

QString SignatureFichier(const QString& chemin) {
    struct stat etat {};
    if (chemin.isEmpty() || ::stat(QFile::encodeName(chemin).constData(), &etat) != 0)
        return {};
    return QStringLiteral("%1:%2:%3:%4")
        .arg(etat.st_ino)
        .arg(etat.st_size)
        .arg(etat.st_mtim.tv_sec)
        .arg(etat.st_mtim.tv_nsec);
}

QSize TailleImage(const QString& chemin) {
    QImageReader lecteur(chemin);
    lecteur.setAutoTransform(true);
    return lecteur.size();
}

QSize TailleAjustee(QSize image, QSize place) {
    if (!image.isValid() || image.isEmpty() || !place.isValid() || place.isEmpty())
        return image;
    if (image.width() <= place.width() && image.height() <= place.height())
        return image;
    return image.scaled(place, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

namespace {
QImage Lire(const QString& chemin, QSize taille) {
    QImageReader lecteur(chemin);
    lecteur.setAutoTransform(true);
    if (taille.isValid() && !taille.isEmpty() && taille != lecteur.size())
        lecteur.setScaledSize(taille);
    return lecteur.read();
}
} // namespace

QImage LireImageEtiree(const QString& chemin, QSize place) {
    return Lire(chemin, place);
}

QImage LireImageAjustee(const QString& chemin, QSize place) {
    return Lire(chemin, TailleAjustee(TailleImage(chemin), place));
}
