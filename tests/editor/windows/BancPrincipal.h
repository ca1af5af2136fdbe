#pragma once
// La fenêtre principale pour les essais des fenêtres : dossiers temporaires, faux dialogues, un
// projet « P » ouvert comme par la fenêtre d'ouverture ; chaque fenêtre modale est jouée par une
// action au lieu d'attendre l'utilisateur.

#include "BoutonImage.h"
#include "Editeur.h"
#include "Fabrique.h"
#include "FauxDialogues.h"
#include "ListeFichiers.h"
#include "frmPrincipal.h"

#include <QDialog>
#include <QtTest>

struct BancPrincipal {
    Bac bac;
    FauxDialogues dialogues;
    Editeur editeur{dialogues, bac.programme, bac.secours};
    frmPrincipal fenetre{editeur};

    void OuvrirP(const QStringList& commentaires, const QStringList& extensions) {
        bac.CreerProjet("P", commentaires, extensions);
        editeur.NomProjet = "P";
        editeur.RepertoireProjet = bac.projets;
        editeur.OuvrirProjet();
    }
    // La prochaine fenêtre modale est jouée par action, montrée pour de vrai si montrer ; son
    // résultat est celui de la fenêtre.
    template <typename F> void Jouer(F action, bool montrer = true) {
        dialogues.fenetres.push_back([action, montrer](QDialog& d) {
            d.setResult(QDialog::Rejected);
            if (montrer)
                d.show();
            action(d);
            d.hide();
            return d.result();
        });
    }
    // Un bouton de la barre d'outils, pressé puis relâché à la souris.
    void Relacher(const QString& bouton) {
        auto* b = fenetre.findChild<BoutonImage*>(bouton);
        QVERIFY2(b, qPrintable(bouton));
        QTest::mousePress(b, Qt::LeftButton);
        QTest::mouseRelease(b, Qt::LeftButton);
    }
};

// Un clic sur un fichier de la liste, comme une vraie souris ; double_ : puis le second appui
// qui fait le double clic.
inline void CliquerFichier(ListeFichiers* liste, const QString& nom, bool double_ = false) {
    const auto trouves = liste->findItems(nom, Qt::MatchExactly);
    QCOMPARE(trouves.size(), 1);
    const QPoint ici = liste->visualItemRect(trouves[0]).center();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, ici);
    if (double_)
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, ici);
}
