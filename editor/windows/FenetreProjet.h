#pragma once
// Ce qu'ont en commun « EnregistrerSous » et « Ouvrir un projet » : le parcours des lecteurs,
// dossiers et fichiers « *.cin », les boutons OK, Annuler et l'aide. La fenêtre est créée une
// fois puis cachée et montrée : ses listes gardent leur dossier d'une fois sur l'autre.

#include <QDialog>

class Editeur;
class Parcours;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

class FenetreProjet : public QDialog {
    Q_OBJECT
public:
    Parcours* parcours() { return m_parcours; }
    QPushButton* cmdOK() { return m_cmdOK; }
    // Le bouton OK : ce que la fenêtre en fait (Valider) décide si elle se ferme.
    void OK();

protected:
    FenetreProjet(Editeur& editeur, const QString& nom, const QString& titre,
                  const QString& pageAide, QWidget* parent);

    // Rend vrai quand la fenêtre doit se fermer après OK.
    virtual bool Valider() = 0;
    // La colonne sous le parcours, pour les contrôles propres à la fenêtre.
    QVBoxLayout* colonne() { return m_colonne; }

    void showEvent(QShowEvent* e) override;

    Editeur& m_editeur;

private:
    Parcours* m_parcours = nullptr;
    QVBoxLayout* m_colonne = nullptr;
    QPushButton* m_cmdOK = nullptr;
};
