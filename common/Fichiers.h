#pragma once
// Opérations sur les fichiers qui signalent l'échec au lieu de lever une exception :
// chaque étape qui peut échouer est vérifiée, l'appelant décide de sauter ou d'arrêter.

#include <QString>
#include <system_error>

// Le fichier existe et peut être ouvert en lecture.
bool Lisible(const QString& chemin);

// Vrai si le fichier a été supprimé ; un fichier absent rend faux.
bool SupprimerFichier(const QString& chemin, std::error_code* erreur = nullptr);

// Faut-il attendre que les octets soient sur le disque avant de mettre le fichier en place ?
enum class Synchroniser { Non, Oui };

// Copie en remplaçant la destination, sans jamais l'abîmer : la copie est écrite à côté d'elle
// sous un nom caché, puis renommée par-dessus. Un échec (disque plein...) laisse l'ancienne
// destination intacte et ne laisse rien derrière lui. Copier un fichier sur lui-même échoue
// sans rien détruire.
bool CopierFichier(const QString& source, const QString& destination,
                   std::error_code* erreur = nullptr, Synchroniser sync = Synchroniser::Non);

// Copie vers un fichier qui n'existe pas encore (il n'y a rien à protéger : pas de détour par
// un nom caché). Échoue si la destination existe ; une copie manquée est effacée.
bool CopierVersNouveau(const QString& source, const QString& destination,
                       std::error_code* erreur = nullptr);

// Donne au fichier un second nom (lien physique) quand le système de fichiers le permet, sinon
// le copie ; la destination ne doit pas exister. Les deux noms désignent alors le même contenu :
// à n'employer que quand l'un des deux sera remplacé par renommage, jamais réécrit en place.
bool LierOuCopier(const QString& source, const QString& destination,
                  std::error_code* erreur = nullptr);

// Déplace (renomme) en remplaçant la destination d'un coup. Entre deux volumes : copie à côté
// de la destination, renommage par-dessus, puis seulement suppression de la source.
bool DeplacerFichier(const QString& source, const QString& destination,
                     std::error_code* erreur = nullptr);

// Renomme dans un même volume sans jamais remplacer la destination : échoue (file_exists) si
// elle existe, quoi qu'elle soit. Le noyau en décide d'un seul geste quand le système de
// fichiers le permet.
bool RenommerSansRemplacer(const QString& source, const QString& destination,
                           std::error_code* erreur = nullptr);

// Met la source à la place de la destination d'un coup : renommage sur le même volume (la
// source disparaît) ; entre deux volumes, copie à côté de la destination puis renommage (la
// source reste, à l'appelant de l'effacer quand tout est en place). Sans synchronisation, un
// appelant qui en met beaucoup en place synchronise le disque une fois à la fin.
bool MettreEnPlace(const QString& source, const QString& destination,
                   std::error_code* erreur = nullptr, Synchroniser sync = Synchroniser::Oui);

// Attend que tout ce qui a été écrit sur le disque de ce dossier y soit vraiment.
bool SynchroniserDisque(const QString& dossier);

// Le nom caché sous lequel une copie s'écrit à côté de sa destination.
QString NomProvisoire(const QString& destination);

// Les deux chemins désignent le même fichier ou dossier existant (liens symboliques, « .. »,
// séparateurs de fin résolus).
bool MemeEmplacement(const QString& a, const QString& b);

// L'échec d'une opération sur un fichier, dit en français pour un message.
QString TexteErreurFichier(const std::error_code& erreur);

// Chemin sans le séparateur final (sauf pour la racine « / »).
QString SansSeparateurFinal(const QString& chemin);
