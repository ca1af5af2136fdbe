#pragma once
// Ce qu'ont en commun les deux fenêtres de choix d'image : parcours des lecteurs, dossiers et
// fichiers GIF/JPEG, aperçu étiré à la taille de sa zone, bouton OK et aide.

#include <QDialog>

class Editeur;
class Parcours;
class QLabel;
class QPushButton;

class FenetreChoixImage : public QDialog {
    Q_OBJECT
public:
    Parcours* parcours() { return m_parcours; }
    // Taille de l'aperçu décodé (vide sans aperçu).
    QSize tailleApercu() const { return m_tailleApercu; }
    // L'autre fenêtre de choix, qui reprendra le dossier de celle-ci après un OK.
    void definirJumelle(FenetreChoixImage* jumelle) { m_jumelle = jumelle; }
    // Le bouton OK (cmdStop).
    void Valider();

protected:
    FenetreChoixImage(Editeur& editeur, const QString& nom, const QString& titre,
                      const QString& pageAide, QWidget* parent);

    // Ce que fait OK pour cette fenêtre ; rend vrai quand elle doit se fermer.
    virtual bool Accepter(const QString& dossier, const QString& fichier) = 0;
    // Place pour des contrôles propres à la fenêtre, sous l'aperçu.
    void ajouterSousApercu(QWidget* controle);

    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

    Editeur& m_editeur;

private:
    void MontrerApercu(const QString& fichier);

    Parcours* m_parcours = nullptr;
    QLabel* m_imgDiapo = nullptr;
    QPushButton* m_cmdStop = nullptr;
    QSize m_tailleApercu;
    QString m_fichierApercu;
    FenetreChoixImage* m_jumelle = nullptr;
    class QVBoxLayout* m_colonneApercu = nullptr;
};
