#pragma once
// Une fenêtre des réglages dans un dossier de programme temporaire, avec un faux écran, un faux
// convertisseur et les faux dialogues ; le cadre de capture est piloté par script.

#include "Fabrique.h"
#include "FauxCapture.h"
#include "FauxDialogues.h"
#include "RegleCapture.h"
#include "frmCapture.h"
#include "frmReglage.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

struct BancCapture {
    QTemporaryDir racine;
    QString dossier = racine.filePath(QStringLiteral("programme"));
    FauxDialogues dialogues;
    FauxEcran ecran;
    FauxConvertisseur convertisseur;
    Convertisseur* autreConvertisseur = nullptr; // remplace le faux quand il est donné
    int terminaisons = 0;
    int editeurMontre = 0;
    int indCapture = 0;
    std::unique_ptr<frmReglage> fenetre;

    BancCapture() { QDir().mkpath(dossier); }

    // Le chargement de la fenêtre : préparer le dossier avant.
    frmReglage& charger(Programme programme = Programme::Kestrane) {
        OptionsCapture o =
            programme == Programme::Kestrane
                ? OptionsCapture::Kestrane(dossier)
                : OptionsCapture::Ostrelle(
                      dossier, [this] { ++editeurMontre; }, [this] { ++indCapture; });
        o.terminer = [this] { ++terminaisons; };
        o.captureEcran = &ecran;
        o.convertisseur = autreConvertisseur ? autreConvertisseur : &convertisseur;
        fenetre = std::make_unique<frmReglage>(o, dialogues);
        return *fenetre;
    }

    template <typename T = QWidget> T* controle(const QString& nom) const {
        return fenetre->findChild<T*>(nom);
    }
    QLineEdit* texte(const QString& nom) const { return controle<QLineEdit>(nom); }
    QAbstractButton* bouton(const QString& nom) const { return controle<QAbstractButton>(nom); }
    QString fichier(int n, const QString& ext) const { return NomCapture(dossier, n, ext); }
    bool existe(int n, const QString& ext) const { return QFile::exists(fichier(n, ext)); }

    // Le prochain cadre copie la zone et se ferme, sans clignoter.
    void prochainCadreCapture() {
        dialogues.fenetres.push_back([](QDialog& d) {
            auto& cadre = static_cast<frmCapture&>(d);
            cadre.SaisirZone();
            cadre.accept();
            return int(QDialog::Accepted);
        });
    }
    // Le prochain cadre est abandonné par Échap.
    void prochainCadreEchap() {
        dialogues.fenetres.push_back([](QDialog& d) {
            QTest::keyClick(&d, Qt::Key_Escape);
            return d.result();
        });
    }
    // Une capture de zone complète, par le bouton.
    void capturer() {
        prochainCadreCapture();
        bouton("Command1_0")->click();
    }
};

inline QColor CouleurBouton(QWidget* w) {
    return w->palette().color(QPalette::Button);
}
