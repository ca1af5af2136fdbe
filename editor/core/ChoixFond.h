#pragma once
// « Changer le fond d'un diaporama » : les textures du dossier « Textures » du programme, celle
// que montre la barre de défilement de la fenêtre « Changer le fond d'écran » (frmFondEcran), et
// la copie de la texture choisie sur le fond « imgFond.jpg » du projet.
//
// NomFond (dans l'éditeur) garde la texture choisie d'une ouverture à l'autre : la fenêtre
// repart de celle-là, reconnue à l'identique (majuscules comprises).

#include <QString>
#include <QStringList>

class Editeur;

class ChoixFond {
public:
    explicit ChoixFond(QString dossierProgramme);

    QString dossierTextures() const;
    // L'ouverture de la fenêtre : les textures relues, la position sur NomFond s'il en est une,
    // sinon sur la première.
    void Ouvrir(const QString& nomFond);
    // La barre de défilement.
    void Defiler(int position);

    const QStringList& textures() const { return m_textures; }
    int position() const { return m_position; }
    // Le dernier indice de la barre (0 sans texture).
    int maximum() const { return std::max(0, static_cast<int>(m_textures.size()) - 1); }
    // La texture montrée : son nom de fichier, son chemin, son nom sans extension.
    QString nom() const;
    QString chemin() const;
    QString libelle() const;

private:
    QString m_programme;
    QStringList m_textures;
    int m_position = 0;
};

namespace Fond {

// Le bouton de la barre d'outils : la fenêtre, puis la texture copiée sur le fond du projet.
void CommandeChangerFond(Editeur& e);

} // namespace Fond
