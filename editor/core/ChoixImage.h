#pragma once
// Ce que font les deux fenêtres de choix d'image quand l'utilisateur valide, sans widget :
// « Ajouter une image » (nouvelle diapo avec son commentaire) et « Changer une image » (image de
// la diapo en cours). Le résultat passe par l'état de l'éditeur : NbSprite augmenté,
// InsertTexte, InsertTypeImage, ou « ABORT ».

#include <QString>

class Editeur;

inline const QString TexteAttenteCommentaire =
    QStringLiteral("Insérez ici le texte accompagnant la photo");
inline const QString Abandon = QStringLiteral("ABORT");

// Le bouton OK d'une fenêtre de choix. dossier est le dossier de la liste des fichiers, fichier
// le nom choisi (vide si aucun). Rend vrai quand la fenêtre doit se fermer.
bool ValiderAjout(Editeur& editeur, const QString& dossier, const QString& fichier,
                  const QString& commentaire);
bool ValiderChangement(Editeur& editeur, const QString& dossier, const QString& fichier);

// Extension d'image d'un fichier : ses quatre derniers caractères en minuscules.
QString TypeDuFichier(const QString& fichier);
