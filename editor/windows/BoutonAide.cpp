#include "BoutonAide.h"

#include "Dialogues.h"
#include "Editeur.h"

#include <QPushButton>

QPushButton* CreerBoutonAide(QWidget* fenetre, Editeur& editeur, const QString& page) {
    auto* aide = new QPushButton(QStringLiteral("?"), fenetre);
    aide->setObjectName(QStringLiteral("cmdHelp"));
    aide->setToolTip(QStringLiteral("Aide contextuelle"));
    aide->setAccessibleName(QStringLiteral("Aide contextuelle"));
    aide->setFixedWidth(36);
    aide->setAutoDefault(false);
    QObject::connect(aide, &QPushButton::clicked, aide, [&editeur, page] {
        editeur.dialogues().ouvrirAvecShell(editeur.dossierProgramme() +
                                            QStringLiteral("/Aide_Contextuelle/") + page);
    });
    return aide;
}
