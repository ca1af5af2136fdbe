#pragma once
// La fenêtre des réglages de capture : fenêtre principale de Kestrane (frmPrincipal), fenêtre
// de capture d'Ostrelle (frmReglage). Elle construit ses contrôles, transmet clics, touches et
// saisies au module de capture et montre son état ; elle fait pour lui ce qui demande une
// fenêtre (s'effacer le temps d'une capture, montrer le cadre, se fermer).

#include "ControlesReglage.h"
#include "FenetreReglage.h"
#include "ModuleCapture.h"
#include "OptionsCapture.h"

#include <QDialog>
#include <QPoint>

class Dialogues;
class QScreen;

class frmReglage : public QDialog, private FenetreReglage, private ControlesReglage {
    Q_OBJECT
public:
    // Le chargement (lecture de « Passage », alerte des fichiers restants...) se fait ici,
    // avant tout affichage.
    frmReglage(OptionsCapture options, Dialogues& dialogues, QWidget* parent = nullptr);
    ~frmReglage() override;

    ModuleCapture& Module() { return m_module; }
    const ModuleCapture& Module() const { return m_module; }

    // Ostrelle : toute fermeture de la fenêtre lève IndCapture de l'éditeur.
    void done(int resultat) override;

    // Le cadre se pose sur une image figée de l'écran plutôt que d'être transparent.
    static bool CadreFigeNecessaire(const QScreen* ecran);
    // Le temps laissé à l'écran pour se redessiner sans la fenêtre avant la photo, en ms : sous
    // X11 les autres fenêtres se repeignent elles-mêmes ; sous Wayland le bureau recompose
    // l'écran bien avant que la photo demandée au portail ne soit prise.
    static int DelaiAvantPhoto();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void Construire();
    // Les contrôles reprennent l'état du module.
    void Rafraichir();
    bool FiltrerDimension(QObject* objet, QEvent* e);

    // FenetreReglage
    void Escamoter() override;
    void Reapparaitre() override;
    ResultatCadre MontrerCadre(EtatCapture& etat, CaptureEcran& ecran,
                               const QString& dossier) override;
    void Cacher() override;
    void Fermer() override;

    Dialogues& m_dialogues;
    ModuleCapture m_module;
    QPoint m_coin;
    // Pendant Rafraichir, les changements des contrôles viennent du module : ne pas les lui
    // renvoyer.
    bool m_rafraichissement = false;
};
