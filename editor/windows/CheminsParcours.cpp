#include "CheminsParcours.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace CheminsParcours {

QString Normaliser(const QString& chemin) {
    return QDir::cleanPath(QFileInfo(chemin).absoluteFilePath());
}

QString Parent(const QString& chemin) {
    return QFileInfo(chemin).path();
}

bool Contient(const QString& racine, const QString& chemin) {
    if (racine == "/")
        return chemin.startsWith('/');
    return chemin == racine || chemin.startsWith(racine + '/');
}

void Trier(QStringList& noms) {
    QCollator ordre;
    ordre.setCaseSensitivity(Qt::CaseInsensitive);
    ordre.setNumericMode(true);
    std::sort(noms.begin(), noms.end(), [&](const QString& a, const QString& b) {
        const int r = ordre.compare(a, b);
        return r != 0 ? r < 0 : a < b;
    });
}

} // namespace CheminsParcours
