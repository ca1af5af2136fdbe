#include "Fabrique.h"

#include "EcrireGif.h"
#include "FichierTexte.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

QByteArray LireOctets(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void EcrireOctets(const QString& chemin, const QByteArray& octets) {
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(octets);
}

void CreerImage(const QString& chemin, int largeur, int hauteur, QColor couleur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(couleur);
    QPainter p(&image);
    p.fillRect(0, 0, largeur / 2, hauteur / 2, Qt::white);
    p.end();
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    if (chemin.endsWith(QStringLiteral(".gif")))
        EcrireGif(image, chemin);
    else
        image.save(chemin, "JPEG", 90);
}

QMap<QString, QByteArray> Instantane(const QString& dossier) {
    QMap<QString, QByteArray> contenu;
    const QDir d(dossier);
    for (const QString& nom : d.entryList(QDir::Files | QDir::Hidden))
        contenu.insert(nom, LireOctets(d.filePath(nom)));
    return contenu;
}

void Reposer(const QString& dossier, const QMap<QString, QByteArray>& instantane) {
    const QDir d(dossier);
    for (const QString& nom : d.entryList(QDir::Files | QDir::Hidden))
        QFile::remove(d.filePath(nom));
    for (auto it = instantane.begin(); it != instantane.end(); ++it)
        EcrireOctets(d.filePath(it.key()), it.value());
}

QMap<QString, QByteArray> FichiersDeSecours(const QString& dossier) {
    auto c = Instantane(dossier);
    c.remove(QStringLiteral("verrou"));
    c.remove(QStringLiteral("manifeste"));
    return c;
}

Bac::Bac() {
    programme = racine.filePath(QStringLiteral("programme"));
    secours = racine.filePath(QStringLiteral("secours"));
    projets = racine.filePath(QStringLiteral("projets"));
    QDir().mkpath(programme + QStringLiteral("/Restaurer"));
    QDir().mkpath(secours);
    QDir().mkpath(projets);
    const QStringList cin = {QStringLiteral("Nom=Nouveau"), QStringLiteral("Repertoire=."),
                             QStringLiteral("NbSprite=1"), QStringLiteral("Tag=Mon diaporama"),
                             QStringLiteral("Bienvenue<br>")};
    for (const QString& d : {programme, programme + QStringLiteral("/Restaurer")}) {
        EcrireLignes(d + QStringLiteral("/Nouveau.cin"), cin);
        EcrireOctets(d + QStringLiteral("/Nouveau.htm"), "<html>\r\n");
        EcrireOctets(d + QStringLiteral("/Nouveau.js"), "var x;\r\n");
        CreerImage(d + QStringLiteral("/Nouveau0.gif"), 40, 30, Qt::darkGreen);
        CreerImage(d + QStringLiteral("/imgFond.jpg"), 16, 16, Qt::lightGray);
        CreerImage(d + QStringLiteral("/imgFondTable.jpg"), 16, 16, Qt::darkYellow);
        EcrireOctets(d + QStringLiteral("/sohifrm2.wav"), "RIFF....WAVE");
    }
}

QString Bac::CreerProjet(const QString& nom, const QStringList& commentaires,
                         const QStringList& extensions, const QString& entete) {
    const QString rep = projets;
    QStringList lignes = {QStringLiteral("Nom=") + nom, QStringLiteral("Repertoire=") + rep,
                          QStringLiteral("NbSprite=%1").arg(commentaires.size()),
                          QStringLiteral("Tag=") + entete};
    lignes += commentaires;
    EcrireLignes(rep + QLatin1Char('/') + nom + QStringLiteral(".cin"), lignes);
    EcrireOctets(rep + QLatin1Char('/') + nom + QStringLiteral(".htm"), "page " + nom.toUtf8());
    EcrireOctets(rep + QLatin1Char('/') + nom + QStringLiteral(".js"), "script " + nom.toUtf8());
    for (int i = 0; i < extensions.size(); ++i)
        CreerImage(rep + QLatin1Char('/') + nom + QString::number(i) + extensions[i], 30 + i,
                   20 + i, QColor::fromHsv((i * 37) % 360, 200, 200));
    return rep;
}
