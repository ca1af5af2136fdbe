// Ostrelle : l'éditeur de diaporamas.

#include "CopieSecours.h"
#include "Demarrage.h"
#include "DialoguesQt.h"
#include "Dossiers.h"
#include "Editeur.h"
#include "frmPrincipal.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // ID_BUREAU, donné par packaging/CMakeLists.txt : le nom de l'entrée de menu du programme
    // sans « .desktop ». Le bureau y rattache la fenêtre et son icône.
    QGuiApplication::setDesktopFileName(QStringLiteral(ID_BUREAU));
    DialoguesQt dialogues;
    const std::optional<QString> dossier =
        PreparerProgramme(application, QStringLiteral("Ostrelle"), dialogues);
    if (!dossier)
        return 1;

    Editeur editeur(dialogues, *dossier, DossierSecours());
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
    // Une séance arrêtée brutalement a pu laisser une copie de secours : on s'en occupe une fois
    // la fenêtre montrée, pour que la question paraisse devant elle.
    QTimer::singleShot(0, &fenetre, [&editeur] { editeur.RecupererCopieSecours(); });
    return application.exec();
}
