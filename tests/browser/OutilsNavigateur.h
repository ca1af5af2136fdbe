#pragma once
// Ce qu'il faut pour piloter un navigateur depuis les essais et les mesures de la page :
// le navigateur, node et playwright-core (installés par scripts/install-deps).

#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Ce qui manque parmi le navigateur, node et les modules node de dossierEssais ; vide quand
// tout est là.
inline QString OutilsNavigateurManquants(const QString& navigateur, const QString& dossierEssais) {
    QStringList manques;
    if (!QFileInfo(navigateur).isExecutable())
        manques << navigateur;
    if (QStandardPaths::findExecutable(QStringLiteral("node")).isEmpty())
        manques << QStringLiteral("node");
    if (!QFileInfo::exists(dossierEssais +
                           QStringLiteral("/node_modules/playwright-core/package.json")))
        manques << dossierEssais + QStringLiteral("/node_modules/playwright-core");
    return manques.join(QStringLiteral(", "));
}
