#pragma once
// Le vocabulaire RTF que le lecteur reconnaît par son nom.

#include <QStringView>

namespace InterneRTF {

// Groupes d'autres programmes dont le texte n'est pas à montrer.
bool DestinationIgnoree(QStringView nom);

// Caractères qu'un seul mot de contrôle désigne ; 0 pour les autres mots.
char16_t CaractereNomme(QStringView nom);

// Les mots de toutes les sortes de soulignement.
bool EstSoulignement(QStringView nom);

} // namespace InterneRTF
