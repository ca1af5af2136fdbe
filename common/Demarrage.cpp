#include "Demarrage.h"

#include "Dossiers.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

QString PreparerProgramme(QApplication& application, const QString& nom) {
    QApplication::setApplicationName(nom);
    QApplication::setApplicationVersion(QStringLiteral("2.1"));
    auto* traduction = new QTranslator(&application);
    if (traduction->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traduction);
    const QString dossier = DossierProgramme();
    QDir::setCurrent(dossier);
    return dossier;
}
