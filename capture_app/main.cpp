// Kestrane : capture d'une zone de l'écran ou de l'écran entier, en BMP et en JPEG.

#include "Demarrage.h"
#include "DialoguesQt.h"
#include "OptionsCapture.h"
#include "frmReglage.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // ID_BUREAU, donné par packaging/CMakeLists.txt : le nom de l'entrée de menu du programme
    // sans « .desktop ». Le bureau y rattache la fenêtre et son icône.
    QGuiApplication::setDesktopFileName(QStringLiteral(ID_BUREAU));
    DialoguesQt dialogues;
    const std::optional<QString> dossier =
        PreparerProgramme(application, QStringLiteral("Kestrane"), dialogues);
    if (!dossier)
        return 1;

    frmReglage fenetre(OptionsCapture::Kestrane(*dossier), dialogues);
    dialogues.definirParent(&fenetre);
    fenetre.show();
    return application.exec();
}
