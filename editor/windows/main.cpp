// Ostrelle : l'éditeur de diaporamas.

#include "CopieSecours.h"
#include "DialoguesQt.h"
#include "Dossiers.h"
#include "Editeur.h"
#include "frmPrincipal.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ostrelle"));
    QApplication::setApplicationVersion(QStringLiteral("2.1"));

    // Boutons standard en français (« Oui », « Non », « Annuler »).
    QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);

    // Les modèles et le son sont ouverts par leur simple nom : on travaille dans notre dossier.
    const QString dossier = DossierProgramme();
    QDir::setCurrent(dossier);

    DialoguesQt dialogues;
    Editeur editeur(dialogues, dossier, DossierSecours());
    if (!editeur.copieSecours().Verrouiller()) {
        dialogues.message(QStringLiteral("ALERTE"),
                          QStringLiteral("Ostrelle est déjà ouvert.") + CRLF +
                              QStringLiteral("Une seule copie du programme peut fonctionner à la "
                                             "fois, pour protéger la copie de secours de vos "
                                             "projets."),
                          Boutons::OK, Icone::Exclamation);
        return 1;
    }

    frmPrincipal fenetre(editeur);
    dialogues.definirParent(&fenetre);
    fenetre.showMaximized();
    return application.exec();
}
