#include "FichiersCapture.h"

#include "Fichiers.h"
#include "RegleCapture.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <vector>

void DetruireCaptures(const QString& dossier, const QString& extension) {
    for (int n = 1; n <= NbCapturesSupprimees; ++n)
        SupprimerFichier(NomCapture(dossier, n, extension));
}

namespace {

// Renomme sans jamais écraser : un fichier illisible qui porte déjà le numéro visé est gardé.
bool RenommerSansEcraser(const QString& source, const QString& destination) {
    if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink())
        return false;
    return DeplacerFichier(source, destination);
}

} // namespace

int RenumeroterJPEG(const QString& dossier, int nbMax, const std::function<void()>& surEchec) {
    const QString jpg = QStringLiteral(".jpg");
    std::vector<bool> existe(static_cast<size_t>(nbMax) + 1, false);
    int nombre = 0;
    for (int n = 1; n <= nbMax; ++n) {
        existe[n] = Lisible(NomCapture(dossier, n, jpg));
        if (existe[n])
            ++nombre;
    }
    for (int i = 1; i < nbMax; ++i) {
        for (int j = i + 1; j <= nbMax; ++j) {
            if (!existe[i] && existe[j]) {
                if (!RenommerSansEcraser(NomCapture(dossier, j, jpg),
                                         NomCapture(dossier, i, jpg)) &&
                    surEchec)
                    surEchec();
                existe[i] = true;
                existe[j] = false;
                break;
            }
        }
    }
    return nombre;
}

bool EnregistrerBMP(const QImage& image, const QString& chemin) {
    if (image.isNull())
        return false;
    // Sans canal alpha, l'écrivain BMP de Qt produit des pixels 24 bits.
    const QImage pixels =
        image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_RGB32) : image;
    return pixels.save(chemin, "BMP");
}

QString TexteEcritureImpossible(const QString& chemin) {
    return QStringLiteral("La capture n'a pas pu être enregistrée dans le fichier :") +
           QStringLiteral("\r\n") + QDir::toNativeSeparators(chemin);
}
