#pragma once
// Doublures du moteur de capture pour les essais : un écran fait d'un motif connu et un
// convertisseur qui note ses appels et écrit un « JPEG » de la taille voulue.

#include "CaptureEcran.h"
#include "Convertisseur.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

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
