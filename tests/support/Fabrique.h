#pragma once
// Fabrique des dossiers et des fichiers des tests : tout vit dans un QTemporaryDir.

#include <QByteArray>
#include <QColor>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

QByteArray LireOctets(const QString& chemin);
void EcrireOctets(const QString& chemin, const QByteArray& octets);

// Image de l'extension du chemin (.jpg ou .gif), d'une couleur et d'un motif qui la distinguent.
void CreerImage(const QString& chemin, int largeur, int hauteur, QColor couleur = Qt::darkCyan);

// Nom -> contenu de chaque fichier d'un dossier (sans les sous-dossiers).
QMap<QString, QByteArray> Instantane(const QString& dossier);
// Remet un dossier exactement dans l'état d'un instantané (fichiers en trop effacés).
void Reposer(const QString& dossier, const QMap<QString, QByteArray>& instantane);
// Les fichiers d'une copie de secours, sans le verrou ni le manifeste.
QMap<QString, QByteArray> FichiersDeSecours(const QString& dossier);

// Un dossier de programme (projet par défaut et sa réserve « Restaurer »), un dossier de copie
// de secours et un dossier pour les projets, tous temporaires.
struct Bac {
    QTemporaryDir racine;
    QString programme;
    QString secours;
    QString projets;

    Bac();
    // Un projet de n diapos dans projets/ ; extensions[i] vaut ".gif" ou ".jpg".
    QString CreerProjet(const QString& nom, const QStringList& commentaires,
                        const QStringList& extensions, const QString& entete = "Titre");
};
