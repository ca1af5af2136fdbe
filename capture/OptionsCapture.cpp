#include "OptionsCapture.h"

#include <QCoreApplication>

OptionsCapture OptionsCapture::Kestrane(const QString& dossier) {
    OptionsCapture o;
    o.programme = Programme::Kestrane;
    o.dossier = dossier;
    o.terminer = [] { QCoreApplication::exit(0); };
    return o;
}

OptionsCapture OptionsCapture::Ostrelle(const QString& dossier,
                                        std::function<void()> montrerEditeur,
                                        std::function<void()> leverIndCapture) {
    OptionsCapture o;
    o.programme = Programme::Ostrelle;
    o.dossier = dossier;
    o.montrerEditeur = std::move(montrerEditeur);
    o.leverIndCapture = std::move(leverIndCapture);
    return o;
}

QString OptionsCapture::nomFenetre() const {
    return ostrelle() ? QStringLiteral("frmReglage") : QStringLiteral("frmPrincipal");
}

QString OptionsCapture::texteQuitter() const {
    return ostrelle() ? QStringLiteral("Vous avez choisi de quitter le module de capture.")
                      : QStringLiteral("Vous avez choisi de quitter ce logiciel.");
}

QString OptionsCapture::qualiteInitiale() const {
    return ostrelle() ? QStringLiteral("95") : QStringLiteral("100");
}

int OptionsCapture::nbMaxCaptures() const {
    return ostrelle() ? 200 : 100;
}

QString OptionsCapture::texteErreurFichier() const {
    return ostrelle() ? QStringLiteral("Erreur de transformation de fichier")
                      : QStringLiteral("Erreur anormale");
}
