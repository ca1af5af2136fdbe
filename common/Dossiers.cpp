#include "Dossiers.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

QString DossierProgramme() {
    return QCoreApplication::applicationDirPath();
}

QString DossierSecours() {
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                            QStringLiteral("/secours");
    // Un échec ici se verra à l'écriture de la copie, qui le signalera.
    QDir().mkpath(dossier);
    return dossier;
}
