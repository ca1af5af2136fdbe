#pragma once
// Les pages d'essai des navigateurs : le même voyage de trois diapos, généré par l'éditeur avec
// les modèles du dossier du programme construit. Partagé par les essais dans Chromium et Firefox.

#include "Banc.h"

#include <QColor>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtTest>

inline const QString DossierProgramme = QStringLiteral(DOSSIER_PROGRAMME);

struct Diapo {
    QString extension;
    int largeur;
    int hauteur;
    QColor couleur;
    QString commentaire; // HTML tel que l'éditeur l'enregistre
    QStringList lignes;  // ce que le visiteur doit lire, ligne par ligne
    QString gras;
    QString couleurTexte;
};

// Trois diapos de formes différentes ; la deuxième porte tout ce qui doit être échappé.
inline QList<Diapo> DiaposVoyage() {
    return {
        {QStringLiteral(".gif"),
         800,
         600,
         QColor(70, 130, 160),
         QStringLiteral("<font face='DejaVu Sans' size='3' color='#1F3A5F'>Le <b>port</b> au "
                        "matin<br>sous la brume</font><br>"),
         {QStringLiteral("Le port au matin"), QStringLiteral("sous la brume")},
         QStringLiteral("port"),
         QStringLiteral("#1F3A5F")},
        {QStringLiteral(".jpg"),
         1600,
         1000,
         QColor(200, 150, 60),
         QStringLiteral(
             "<font face='MS Sans Serif' size='2' color='#000000'><b>Il a dit</b> "
             "\"bonjour\" depuis C:\\dossier\\ | puis à côté : é è ê ç œ € 😀</font><br>"),
         {QStringLiteral("Il a dit \"bonjour\" depuis C:\\dossier\\"),
          QStringLiteral("puis à côté : é è ê ç œ € 😀")},
         QStringLiteral("Il a dit"),
         QStringLiteral("#000000")},
        {QStringLiteral(".jpg"),
         900,
         1200,
         QColor(120, 90, 150),
         QStringLiteral(
             "<font face='Georgia' size='4' color='#7A2E1F'><b>Fin</b> du voyage</font>"),
         {QStringLiteral("Fin du voyage")},
         QStringLiteral("Fin"),
         QStringLiteral("#7A2E1F")},
    };
}

inline const QString EnteteVoyage = QStringLiteral("Carnet d'été en Provence");

inline bool Copier(const QString& source, const QString& destination) {
    QFile::remove(destination);
    return QFile::copy(source, destination);
}

// Le dossier du programme du banc reçoit les vrais modèles, le vrai son et le vrai fond.
inline void InstallerModeles(Banc& b, const QString& modelePage) {
    for (const QString& nom : {QStringLiteral("Nouveau.js"), QStringLiteral("sohifrm2.wav"),
                               QStringLiteral("imgFond.jpg")})
        QVERIFY2(Copier(DossierProgramme + QLatin1Char('/') + nom,
                        b.bac.programme + QLatin1Char('/') + nom),
                 qPrintable(nom));
    QVERIFY2(Copier(DossierProgramme + QLatin1Char('/') + modelePage,
                    b.bac.programme + QStringLiteral("/Nouveau.htm")),
             qPrintable(modelePage));
}

// Ouvre, enregistre et génère le projet comme le ferait l'utilisateur ; rend la page.
inline QString Generer(Banc& b, const QString& nom, const QList<Diapo>& diapos,
                       const QString& entete) {
    QStringList commentaires, extensions;
    for (const Diapo& d : diapos) {
        commentaires << d.commentaire;
        extensions << d.extension;
    }
    b.bac.CreerProjet(nom, commentaires, extensions, entete);
    for (int i = 0; i < diapos.size(); ++i)
        CreerImage(b.Projet(nom + QString::number(i) + diapos[i].extension), diapos[i].largeur,
                   diapos[i].hauteur, diapos[i].couleur);
    Copier(b.bac.programme + QStringLiteral("/imgFond.jpg"),
           b.Projet(QStringLiteral("imgFond.jpg")));

    b.Ouvrir(nom);
    b.editeur.CommandeEnregistrer();
    b.editeur.CreerHTML();
    const QString page = b.Projet(nom + QStringLiteral(".htm"));
    if (!b.dialogues.ouvertures.contains(page)) {
        QStringList vus;
        for (const MessageVu& m : b.dialogues.messages)
            vus << m.titre + QStringLiteral(" : ") + m.texte;
        qWarning("Page non générée ; messages : %s", qPrintable(vus.join(QStringLiteral(" | "))));
        return {};
    }
    return page;
}
