#pragma once
// Parcours des disques à trois listes liées, comme dans les boîtes de dialogue d'origine :
// les lecteurs (Drive1), les dossiers (Dir1) et les fichiers d'un motif (File1).
// Les trois pièces servent aussi seules, par exemple deux paires dossiers + fichiers côte à côte.
// Le contenu est lu directement avec QDir : il est juste dès le retour des appels.

#include "ListeDossiers.h"
#include "ListeFichiers.h"
#include "ListeLecteurs.h"

#include <QStringList>
#include <QWidget>

// Les trois listes réunies et tenues d'accord.
class Parcours : public QWidget {
    Q_OBJECT
public:
    enum class Disposition {
        CoteACote, // lecteurs au-dessus des dossiers, fichiers à droite
        EnColonne  // les trois l'un sous l'autre
    };

    explicit Parcours(QWidget* parent = nullptr, Disposition disposition = Disposition::CoteACote);

    ListeLecteurs* Drive1() { return m_drive1; }
    ListeDossiers* Dir1() { return m_dir1; }
    ListeFichiers* File1() { return m_file1; }

    // Place les trois listes sur ce dossier ; s'il est illisible, sur son plus proche ancêtre
    // lisible (à défaut le dossier personnel) et renvoie faux.
    bool allerA(const QString& dossier);
    QString dossier() const { return m_dir1->chemin(); }
    // Chemin complet du fichier choisi, vide s'il n'y en a pas.
    QString cheminFichier() const;
    // Relit lecteurs, dossiers et fichiers, au retour d'une boîte cachée par exemple.
    void rafraichir();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void LecteurChoisi(const QString& racine);
    void DossierChange(const QString& chemin);

    ListeLecteurs* m_drive1 = nullptr;
    ListeDossiers* m_dir1 = nullptr;
    ListeFichiers* m_file1 = nullptr;
};
