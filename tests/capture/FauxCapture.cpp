#include "FauxCapture.h"

#include "EtatCapture.h"
#include "FichiersCapture.h"
#include "ModuleCapture.h"
#include "RegleCapture.h"
#include "Twips.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

QRgb CouleurMotif(int x, int y) {
    const int bloc = ((x >> 8) & 7) | (((y >> 8) & 7) << 3);
    return qRgb(x & 255, y & 255, (bloc * 4) & 255);
}

QImage ImageMotif(int largeur, int hauteur, QPoint origine) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    for (int y = 0; y < hauteur; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < largeur; ++x)
            ligne[x] = CouleurMotif(origine.x() + x, origine.y() + y);
    }
    return image;
}

bool FauxEcran::disponible(QString* raison) const {
    if (!possible && raison)
        *raison = TexteCaptureImpossible();
    return possible;
}

QImage FauxEcran::saisirEcran(QScreen* ecran) {
    ++ecransSaisis;
    if (!possible || !ecran)
        return {};
    const QSize taille = TailleReelle(ecran);
    QImage image = ImageMotif(taille.width(), taille.height());
    if (decalageCouleur)
        image.invertPixels();
    return image;
}

QImage FauxEcran::saisir(const QRect& zone) {
    zones.append(zone);
    QImage image = ImageMotif(zone.width(), zone.height(), zone.topLeft());
    if (decalageCouleur)
        image.invertPixels();
    return image;
}

int16_t FauxConvertisseur::convertir(const QString& bmp, const QString& jpg, int16_t qualite) {
    appels.append({bmp, jpg, qualite, QFileInfo(bmp).isFile()});
    if (statut != 0 || !ecrireJpeg)
        return statut;
    QFile f(jpg);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 11;
    QByteArray octets(tailleJpeg, '\0');
    if (tailleJpeg >= 2) {
        octets[0] = char(0xFF);
        octets[1] = char(0xD8);
    }
    f.write(octets);
    return 0;
}

QImage LireBMP(const QString& chemin) {
    QImage image(chemin, "BMP");
    return image.convertToFormat(QImage::Format_RGB32);
}

FausseFenetre::~FausseFenetre() {
    if (!cadres.empty())
        QTest::qFail(
            qPrintable(
                QStringLiteral("%1 cadre(s) préparé(s) jamais montré(s)").arg(cadres.size())),
            __FILE__, __LINE__);
}

void FausseFenetre::Escamoter() {
    journal << QStringLiteral("Escamoter");
    visible = false;
}

void FausseFenetre::Reapparaitre() {
    journal << QStringLiteral("Reapparaitre");
    visible = true;
}

ResultatCadre FausseFenetre::MontrerCadre(EtatCapture& etat, CaptureEcran& ecran,
                                          const QString& dossier) {
    journal << QStringLiteral("Cadre");
    numerosAuCadre << etat.NumeroCapture;
    if (cadres.empty()) {
        QTest::qFail("cadre de capture imprévu", __FILE__, __LINE__);
        return {};
    }
    const Cadre cadre = cadres.front();
    cadres.pop_front();
    return cadre(etat, ecran, dossier);
}

void FausseFenetre::Cacher() {
    journal << QStringLiteral("Cacher");
    visible = false;
}

void FausseFenetre::Fermer() {
    journal << QStringLiteral("Fermer");
    visible = false;
    if (module)
        module->FenetreFermee();
}

FausseFenetre::Cadre CadreEntree() {
    return [](EtatCapture& e, CaptureEcran& ecran, const QString& dossier) {
        const int tpp = TwipsParPixel();
        const QRect zone(e.LeftDiapo / tpp + 3, e.TopDiapo / tpp + 29, e.LargeurDiapo,
                         e.HauteurDiapo);
        e.Pic = ecran.saisir(zone);
        const QString chemin = NomCapture(dossier, e.NumeroCapture, QStringLiteral(".bmp"));
        if (!EnregistrerBMP(e.Pic, chemin))
            return ResultatCadre{false, TexteEcritureImpossible(chemin)};
        return ResultatCadre{true, {}};
    };
}

FausseFenetre::Cadre CadreEchap(int dxPixels) {
    return [dxPixels](EtatCapture& e, CaptureEcran&, const QString&) {
        e.LeftDiapo += dxPixels * TwipsParPixel();
        return ResultatCadre{};
    };
}

FausseFenetre::Cadre CadreEnEchec(const QString& raison) {
    return [raison](EtatCapture&, CaptureEcran&, const QString&) {
        return ResultatCadre{false, raison};
    };
}
