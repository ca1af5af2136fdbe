#include "Diapos.h"

#include "ChoixImage.h"
#include "Dialogues.h"
#include "Editeur.h"
#include "Fenetres.h"
#include "Fichiers.h"
#include "UneLigne.h"

#include <QFileInfo>
#include <algorithm>

namespace Diapos {

void Naviguer(Editeur& e, int index) {
    if (!e.IndOuverture || e.NbSprite == 0)
        return;
    e.IndChangerDiapo = false;
    e.RichVersHTML();
    switch (index) {
    case 0:
        e.NumeroDiapo = 0;
        break;
    case 1:
        --e.NumeroDiapo;
        break;
    case 2:
        ++e.NumeroDiapo;
        break;
    case 3:
        e.NumeroDiapo = e.NbSprite - 1;
        break;
    default:
        break;
    }
    if (e.NumeroDiapo < 0 || e.NumeroDiapo >= e.NbSprite) {
        e.NumeroDiapo = std::clamp(e.NumeroDiapo, 0, e.NbSprite - 1);
        e.IndChangerDiapo = true;
        return;
    }
    e.AfficherDiapo();
    e.IndChangerDiapo = true;
}

void Ajouter(Editeur& e) {
    if (!e.IndOuverture || e.NbSprite >= NbDiaposMax || !e.fenetres)
        return;
    const int avant = e.NbSprite;
    e.fenetres->MontrerAjout(QStringLiteral("Ajouter une diapo"), TexteAttenteCommentaire);
    if (e.NbSprite == avant)
        return;
    e.NumeroDiapo = e.NbSprite - 1;
    e.TypeImage[e.NumeroDiapo] = e.InsertTypeImage;
    // Le commentaire tient sur une ligne : les fins de ligne tapées deviennent des « <br> ».
    e.Info[e.NumeroDiapo] = SurUneLigne(e.InsertTexte, QStringLiteral("<br>"));
    e.lblNbDiapo = QString::number(e.NbSprite);
    e.IndEnregistrer = false;
    e.IndHTML = false;
    e.AfficherDiapo();
}

void Changer(Editeur& e) {
    if (!e.IndOuverture || !e.fenetres)
        return;
    // Une fenêtre fermée sans rien dire vaut abandon, jamais un ancien choix.
    e.InsertTypeImage = Abandon;
    e.fenetres->MontrerChangement();
    if (e.InsertTypeImage == Abandon)
        return;
    e.TypeImage[e.NumeroDiapo] = e.InsertTypeImage;
    const QString autre = e.InsertTypeImage == QStringLiteral(".gif") ? QStringLiteral(".jpg")
                                                                      : QStringLiteral(".gif");
    SupprimerFichier(CheminImageDiapo(e.RepImage, e.NumeroDiapo, autre));
    e.copieSecours().NoterModification();
    e.AfficherDiapo();
}

namespace {
// Décaler plus loin mettrait des images sous les commentaires d'autres diapos : on s'arrête, la
// place i reste une diapo vide et les suivantes ne bougent pas.
void ArreterLeDecalage(Editeur& e, int i, const std::error_code& erreur) {
    e.Info[i].clear();
    e.TypeImage[i] = QStringLiteral(".jpg");
    e.dialogues().message(
        QStringLiteral("ALERTE"),
        QStringLiteral("L'image de la diapo %1 n'a pas pu être déplacée à la place %2 :")
                .arg(i + 1)
                .arg(i) +
            CRLF + TexteErreurFichier(erreur) + CRLF + CRLF +
            QStringLiteral("La diapo %1 reste vide et les diapos suivantes gardent leur numéro. "
                           "Supprimez la diapo %1 une fois le problème réglé.")
                .arg(i),
        Boutons::OK, Icone::Critique);
    e.lblNbDiapo = QString::number(e.NbSprite);
    e.IndEnregistrer = false;
    e.IndHTML = false;
    e.NumeroDiapo = i;
    e.AfficherDiapo();
}
} // namespace

void Supprimer(Editeur& e) {
    if (!e.IndOuverture || e.NbSprite < 1)
        return;
    if (e.NbSprite == 1) {
        e.dialogues().message(QStringLiteral("ALERTE"),
                              QStringLiteral("Impossible de supprimer la dernière diapo !"),
                              Boutons::OK, Icone::Critique);
        return;
    }
    if (!e.dialogues().question(QStringLiteral("ATTENTION"),
                                QStringLiteral("Voulez-vous supprimer la diapo en cours ?"),
                                Icone::Critique))
        return;
    const int n = e.NumeroDiapo;
    SupprimerFichier(e.CheminImage(n));
    if (n < e.NbSprite - 1) {
        for (int i = n; i <= e.NbSprite - 2; ++i) {
            const QString ext = e.TypeImage[i + 1];
            const QString suivante = CheminImageDiapo(e.RepImage, i + 1, ext);
            std::error_code erreur;
            if (!DeplacerFichier(suivante, CheminImageDiapo(e.RepImage, i, ext), &erreur) &&
                QFileInfo::exists(suivante)) {
                ArreterLeDecalage(e, i, erreur);
                return;
            }
            e.Info[i] = e.Info[i + 1];
            e.TypeImage[i] = ext;
        }
        --e.NbSprite;
    } else {
        --e.NbSprite;
        e.NumeroDiapo = e.NbSprite - 1;
    }
    e.lblNbDiapo = QString::number(e.NbSprite);
    e.IndEnregistrer = false;
    e.IndHTML = false;
    e.AfficherDiapo();
}

} // namespace Diapos
