#pragma once
// Les chemins tels que les trois listes du parcours les comparent et les rangent.

#include <QString>
#include <QStringList>

namespace CheminsParcours {

// Chemin absolu, sans « . », « .. » ni barre en trop.
QString Normaliser(const QString& chemin);
// Le dossier qui contient chemin ; la racine est son propre parent.
QString Parent(const QString& chemin);
// Vrai si chemin est racine elle-même ou se trouve dessous (« /media/a » ne contient pas
// « /media/ab »).
bool Contient(const QString& racine, const QString& chemin);
// Ordre alphabétique sans égard à la casse ; à égalité, l'ordre strict pour rester stable.
void Trier(QStringList& noms);

} // namespace CheminsParcours
