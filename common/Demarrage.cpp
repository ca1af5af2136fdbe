#include "Demarrage.h"

#include "Dialogues.h"
#include "DossierUtilisateur.h"
#include "Dossiers.h"
#include "Programme.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

std::optional<QString> PreparerProgramme(QCoreApplication& application, const QString& nom,
                                         Dialogues& dialogues) {
    QCoreApplication::setApplicationName(nom);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(VersionProgramme));
    auto* traduction = new QTranslator(&application);
    if (traduction->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduction);

    const Emplacements emplacements = EmplacementsProgramme();
    if (emplacements.installe &&
        !PreparerDossierUtilisateur(emplacements.donnees, emplacements.programme, dialogues).pret)
        return std::nullopt;
    if (!QDir::setCurrent(emplacements.programme)) {
        dialogues.message(QStringLiteral("ERREUR"),
                          QStringLiteral("Le dossier du programme ne s'ouvre pas :") + CRLF +
                              QDir::toNativeSeparators(emplacements.programme),
                          Boutons::OK, Icone::Critique);
        return std::nullopt;
    }
    return emplacements.programme;
}
