#pragma once
// « Modèle » : le choix d'un nouveau modèle de page dans le dossier « Modeles » du programme,
// avec, pour « Image.htm », le choix de son image de fond de cadre. Toute la logique est dans
// ChangementModele ; la fenêtre montre et transmet. Créée une fois, puis cachée et montrée :
// ses listes gardent leurs dossiers.

#include "ChangementModele.h"

#include <QDialog>

class Editeur;
class ListeDossiers;
class ListeFichiers;
class QLabel;
class QPushButton;

class frmChangerModele : public QDialog {
    Q_OBJECT
public:
    explicit frmChangerModele(Editeur& editeur, QWidget* parent = nullptr);

    ListeDossiers* Dir1() { return m_dir1; }
    ListeFichiers* File1() { return m_file1; }
    ListeDossiers* Dir2() { return m_dir2; }
    ListeFichiers* File2() { return m_file2; }
    QLabel* imgVisu() { return m_imgVisu; }
    const ChangementModele& logique() const { return m_logique; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Ouvrir();
    void DossierModeles(const QString& dossier);
    void ModeleClique(const QString& nom);
    void CadreClique(const QString& nom);
    void MontrerCadre(bool visible);
    void Command1();

    Editeur& m_editeur;
    ChangementModele m_logique;
    bool m_listeOuverte = false;
    bool m_centree = false;
    QLabel* m_lblAccueil = nullptr;
    ListeDossiers* m_dir1 = nullptr;
    ListeFichiers* m_file1 = nullptr;
    QLabel* m_label2 = nullptr;
    ListeDossiers* m_dir2 = nullptr;
    ListeFichiers* m_file2 = nullptr;
    QLabel* m_imgVisu = nullptr;
};
