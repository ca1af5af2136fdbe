#pragma once
// Un éditeur prêt pour les tests : dossiers temporaires, faux dialogues.

#include "Editeur.h"
#include "Fabrique.h"
#include "FaussesFenetres.h"
#include "FauxDialogues.h"

#include <QStandardPaths>

// Un commentaire tel que l'éditeur l'écrit : police par défaut, saut de ligne final.
inline QString Html(const QString& corps) {
    return "<font face='MS Sans Serif' size='2' color='#000000'>" + corps + "<br></font>";
}

struct Banc {
    Bac bac;
    FauxDialogues dialogues;
    Editeur editeur{dialogues, bac.programme, bac.secours};
    FaussesFenetres fenetres;

    Banc() {
        QStandardPaths::setTestModeEnabled(true);
        editeur.fenetres = &fenetres;
    }

    // Ouvre projets/nom comme le ferait la fenêtre d'ouverture.
    void Ouvrir(const QString& nom, const QString& dossier = {}) {
        editeur.NomProjet = nom;
        editeur.RepertoireProjet = dossier.isEmpty() ? bac.projets : dossier;
        editeur.OuvrirProjet();
    }
    QString Projet(const QString& suffixe) const { return bac.projets + "/" + suffixe; }
    QString Secours(const QString& suffixe) const { return bac.secours + "/aaaa" + suffixe; }
};
