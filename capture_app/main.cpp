// Kestrane : capture d'une zone de l'écran ou de l'écran entier, en BMP et en JPEG.

#include "DialoguesQt.h"
#include "Dossiers.h"
#include "OptionsCapture.h"
#include "frmReglage.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrane"));
    QApplication::setApplicationVersion(QStringLiteral("2.1"));

    // Boutons standard en français (« Oui », « Non »).
    QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);

    // « Passage », les captures et l'aide sont à côté du programme.
    const QString dossier = DossierProgramme();
    QDir::setCurrent(dossier);

    DialoguesQt dialogues;
    frmReglage fenetre(OptionsCapture::Kestrane(dossier), dialogues);
    dialogues.definirParent(&fenetre);
    fenetre.show();
    return application.exec();
}
