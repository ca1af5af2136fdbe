#pragma once
// Doublures du moteur de capture pour les essais : un écran fait d'un motif connu, un
// convertisseur qui note ses appels et écrit un « JPEG » de la taille voulue, et une fenêtre des
// réglages sans fenêtre qui joue les cadres de capture préparés par l'essai.

#include "CaptureEcran.h"
#include "Convertisseur.h"
#include "FenetreReglage.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

class ModuleCapture;

// Motif où chaque pixel d'un écran jusqu'à 2048 x 1280 a une couleur unique : une copie
// décalée d'un seul pixel se voit.
QRgb CouleurMotif(int x, int y);
QImage ImageMotif(int largeur, int hauteur, QPoint origine = {});

class FauxEcran : public CaptureEcran {
public:
    bool possible = true;
    int decalageCouleur = 0; // change le contenu de l'écran entre deux captures
    QList<QRect> zones;      // rectangles demandés

    bool disponible(QString* raison) const override;
    QImage saisir(const QRect& zone) override;
    // L'écran entier en pixels réels, le motif compté depuis son coin.
    QImage saisirEcran(QScreen* ecran) override;
    int ecransSaisis = 0;
};

struct AppelConversion {
    QString bmp;
    QString jpg;
    int16_t qualite;
    bool bmpPresent; // le BMP existait au moment de l'appel
};

class FauxConvertisseur : public Convertisseur {
public:
    int16_t statut = 0;
    qint64 tailleJpeg = 45678;
    bool ecrireJpeg = true; // faux : annonce un succès sans rien écrire
    QList<AppelConversion> appels;

    int16_t convertir(const QString& bmp, const QString& jpg, int16_t qualite) override;
};

// Un BMP lu de nouveau, en RGB32 pour comparer pixel à pixel.
QImage LireBMP(const QString& chemin);

// Ce que le module demande à sa fenêtre, noté dans journal : « Escamoter », « Cadre »,
// « Reapparaitre », « Cacher », « Fermer ». Exigeante comme les faux dialogues : un cadre montré
// sans script préparé, ou un script resté sans cadre, fait échouer l'essai.
class FausseFenetre : public FenetreReglage {
public:
    using Cadre = std::function<ResultatCadre(EtatCapture&, CaptureEcran&, const QString&)>;

    FausseFenetre() = default;
    FausseFenetre(const FausseFenetre&) = delete;
    FausseFenetre& operator=(const FausseFenetre&) = delete;
    ~FausseFenetre() override;

    std::deque<Cadre> cadres; // ce que fait chaque prochain cadre, à la place de l'utilisateur
    QStringList journal;
    bool visible = true;
    QList<int16_t> numerosAuCadre; // NumeroCapture quand chaque cadre s'ouvre
    // Prévenu par Fermer(), comme la vraie fenêtre prévient le module quand elle se ferme.
    ModuleCapture* module = nullptr;

    void Escamoter() override;
    void Reapparaitre() override;
    ResultatCadre MontrerCadre(EtatCapture& etat, CaptureEcran& ecran,
                               const QString& dossier) override;
    void Cacher() override;
    void Fermer() override;
};

// Entrée dans le cadre : copie de l'écran sous le trou (3 pixels à droite et 29 plus bas que le
// coin du cadre, placé en LeftDiapo, TopDiapo) et BMP du numéro NumeroCapture.
FausseFenetre::Cadre CadreEntree();
// Échap, après avoir déplacé le cadre de dx pixels.
FausseFenetre::Cadre CadreEchap(int dxPixels = 0);
// Le cadre n'a pas pu copier l'écran et dit pourquoi.
FausseFenetre::Cadre CadreEnEchec(const QString& raison);
