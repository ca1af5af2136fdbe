#pragma once
// Opérations sur les fichiers qui signalent l'échec au lieu de lever une exception :
// chaque étape qui peut échouer est vérifiée, l'appelant décide de sauter ou d'arrêter.

#include <QString>
#include <system_error>

// Le fichier existe et peut être ouvert en lecture.
bool Lisible(const QString& chemin);

// Vrai si le fichier a été supprimé ; un fichier absent rend faux.
bool SupprimerFichier(const QString& chemin, std::error_code* erreur = nullptr);

// Copie en écrasant la destination. Copier un fichier sur lui-même échoue sans rien détruire.
bool CopierFichier(const QString& source, const QString& destination,
                   std::error_code* erreur = nullptr);

// Déplace (renomme) en remplaçant la destination ; entre deux volumes, copie puis supprime.
bool DeplacerFichier(const QString& source, const QString& destination,
                     std::error_code* erreur = nullptr);

// Les deux chemins désignent le même fichier ou dossier existant (liens symboliques, « .. »,
// séparateurs de fin résolus).
bool MemeEmplacement(const QString& a, const QString& b);

// Chemin sans le séparateur final (sauf pour la racine « / »).
QString SansSeparateurFinal(const QString& chemin);
