#pragma once
// Le module de capture seul, sans aucune fenêtre, dans un dossier de programme temporaire : faux
// écran, faux convertisseur, faux dialogues et fausse fenêtre des réglages. Les rappels du
// programme (fin de Kestrane, éditeur d'Ostrelle) s'inscrivent dans le journal de la fenêtre,
// pour que l'ordre de tout ce qui se passe en quittant se lise d'un coup.

#include "Fabrique.h"
#include "FauxCapture.h"
#include "FauxDialogues.h"
#include "ModuleCapture.h"
#include "RegleCapture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

struct BancModule {
    QTemporaryDir racine;
    QString dossier = racine.filePath(QStringLiteral("programme"));
    FauxDialogues dialogues;
    FauxEcran ecran;
    FauxConvertisseur convertisseur;
    FausseFenetre fenetre;
    bool avecTerminer = true; // Kestrane : faux, Quitter ferme la fenêtre
    // En dernier : détruit avant les doublures dont il se sert.
    std::unique_ptr<ModuleCapture> module;

    BancModule() { QDir().mkpath(dossier); }

    // Le chargement de la fenêtre : préparer le dossier avant.
    ModuleCapture& charger(Programme programme = Programme::Kestrane) {
        QStringList& journal = fenetre.journal;
        OptionsCapture o = programme == Programme::Kestrane
                               ? OptionsCapture::Kestrane(dossier)
                               : OptionsCapture::Ostrelle(
                                     dossier, [&journal] { journal << QStringLiteral("Editeur"); },
                                     [&journal] { journal << QStringLiteral("IndCapture"); });
        o.terminer = nullptr;
        if (avecTerminer && programme == Programme::Kestrane)
            o.terminer = [&journal] { journal << QStringLiteral("Terminer"); };
        o.captureEcran = &ecran;
        o.convertisseur = &convertisseur;
        module = std::make_unique<ModuleCapture>(o, dialogues, fenetre);
        fenetre.module = module.get();
        module->Charger();
        return *module;
    }

    QString fichier(int n, const QString& ext) const { return NomCapture(dossier, n, ext); }
    bool existe(int n, const QString& ext) const { return QFile::exists(fichier(n, ext)); }

    // Une capture de zone menée au bout (Entrée dans le cadre).
    void capturer() {
        fenetre.cadres.push_back(CadreEntree());
        module->Capturer();
    }
};
