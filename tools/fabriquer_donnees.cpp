// Fabrique, à la construction, les images, le son et le fichier de projet par défaut du
// dossier du programme : fabriquer_donnees DOSSIER_DE_SORTIE

#include "DonneesProgramme.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Le titre de la diapositive d'accueil est du texte dessiné : il faut une plateforme,
    // et la construction n'a pas d'écran.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "Usage : fabriquer_donnees DOSSIER_DE_SORTIE\n");
        return 2;
    }
    QString fautif;
    if (!EcrireDonnees(arguments.at(1), &fautif)) {
        std::fprintf(stderr, "fabriquer_donnees : impossible d'écrire %s\n", qPrintable(fautif));
        return 1;
    }
    return 0;
}
