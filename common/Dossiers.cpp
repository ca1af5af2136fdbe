#include "Dossiers.h"

#include "Programme.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString Sous(const QString& dossier, const char* relatif) {
    return QDir::cleanPath(dossier + QLatin1Char('/') + QString::fromUtf8(relatif));
}

} // namespace

bool DossierAutonome(const QString& dossier) {
    const QFileInfo info(dossier);
    return info.isDir() && info.isWritable() &&
           QFileInfo(dossier + QStringLiteral("/Nouveau.htm")).isFile() &&
           QFileInfo(dossier + QStringLiteral("/Restaurer")).isDir();
}

Emplacements EmplacementsPour(const QString& dossierExecutables,
                              const QString& dossierUtilisateurs) {
    Emplacements e;
    if (DossierAutonome(dossierExecutables)) {
        e.programme = dossierExecutables;
        e.bibliotheques = dossierExecutables;
        return e;
    }
    e.installe = true;
    e.donnees = Sous(dossierExecutables, DonneesInstallees);
    e.bibliotheques = Sous(dossierExecutables, BibliothequesInstallees);
    // Sans dossier des données de l'utilisateur, le dossier de travail reste vide : la
    // préparation du dossier le dira.
    if (!dossierUtilisateurs.isEmpty())
        e.programme = QDir::cleanPath(dossierUtilisateurs + QStringLiteral("/Ostrelle"));
    return e;
}

QString DossierExecutables() {
    return QCoreApplication::applicationDirPath();
}

Emplacements EmplacementsProgramme() {
    return EmplacementsPour(DossierExecutables(),
                            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString DossierProgramme() {
    return EmplacementsProgramme().programme;
}

QString DossierBibliotheques() {
    return EmplacementsProgramme().bibliotheques;
}

QString DossierSecours() {
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                            QStringLiteral("/secours");
    // Un échec ici se verra à l'écriture de la copie, qui le signalera.
    QDir().mkpath(dossier);
    return dossier;
}
