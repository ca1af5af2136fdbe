#pragma once
// File1 : la liste des fichiers du parcours (Parcours.h).

#include <QListWidget>
#include <QString>

// Liste des fichiers d'un dossier qui répondent au motif, par exemple « *.jpg;*.gif ».
class ListeFichiers : public QListWidget {
    Q_OBJECT
public:
    explicit ListeFichiers(QWidget* parent = nullptr);

    void definirMotif(const QString& motif);
    QString motif() const { return m_motif; }
    // Faux, sans rien changer, si le dossier n'existe pas ou ne peut être lu.
    bool definirChemin(const QString& chemin);
    QString chemin() const { return m_chemin; }
    // Nom du fichier choisi, vide s'il n'y en a pas.
    QString nomFichier() const;
    // Choisit le fichier nommé (aucun si absent), sans émettre fichierClique.
    void selectionnerFichier(const QString& nom);
    // Relit le dossier en gardant le fichier choisi s'il existe encore.
    void rafraichir();

signals:
    void fichierClique(const QString& nom);
    void fichierDoubleClique(const QString& nom);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void Remplir();

    QString m_chemin;
    QString m_motif;
    bool m_enRemplissage = false;
    QListWidgetItem* m_avantClic = nullptr;
};
