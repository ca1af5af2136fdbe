#include "Demarrage.h"

#include "Dossiers.h"
#include "Programme.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

QString PreparerProgramme(QCoreApplication& application, const QString& nom) {
    QCoreApplication::setApplicationName(nom);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(VersionProgramme));
    auto* traduction = new QTranslator(&application);
    if (traduction->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduction);
    const QString dossier = DossierProgramme();
    QDir::setCurrent(dossier);
    return dossier;
}
