// Vérifie les icônes PNG faites à la construction : chacune est un vrai PNG, de la taille exacte
// de son dossier, et montre un dessin (ni vide, ni transparente, ni d'une seule couleur).
//
//   verifier_icone TAILLE=FICHIER.png [TAILLE=FICHIER.png...]
//
// Nomme chaque icône fautive et sort en erreur s'il y en a une.

#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

// Part minimale de pixels bien visibles (alpha d'au moins la moitié) : les deux icônes en
// couvrent plus des trois quarts ; une icône presque transparente ne se verrait pas dans un menu.
constexpr double PartVisibleMinimale = 0.25;

// Les défauts de l'icône, vide si elle est bonne.
QStringList Defauts(const QString& chemin, int taille) {
    QStringList defauts;
    QImageReader lecteur(chemin);
    if (lecteur.format() != "png") {
        defauts << QStringLiteral("n'est pas un PNG lisible (%1)").arg(lecteur.errorString());
        return defauts;
    }
    const QImage lue = lecteur.read();
    if (lue.isNull()) {
        defauts << QStringLiteral("ne se décode pas (%1)").arg(lecteur.errorString());
        return defauts;
    }
    if (lue.width() != taille || lue.height() != taille)
        defauts << QStringLiteral("fait %1 x %2 pixels au lieu de %3 x %3")
                       .arg(lue.width())
                       .arg(lue.height())
                       .arg(taille);

    const QImage image = lue.convertToFormat(QImage::Format_ARGB32);
    qsizetype visibles = 0;
    QSet<QRgb> couleurs;
    for (int y = 0; y < image.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(ligne[x]) >= 128) {
                ++visibles;
                couleurs.insert(ligne[x] | 0xFF000000u);
            }
        }
    }
    const qsizetype total = qsizetype(image.width()) * image.height();
    if (visibles == 0)
        defauts << QStringLiteral("est entièrement transparente");
    else if (double(visibles) < PartVisibleMinimale * double(total))
        defauts
            << QStringLiteral("ne montre que %1 pixels visibles sur %2").arg(visibles).arg(total);
    if (visibles > 0 && couleurs.size() < 2)
        defauts << QStringLiteral("n'a qu'une seule couleur");
    return defauts;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage : verifier_icone TAILLE=FICHIER.png [TAILLE=FICHIER.png...]\n");
        return 2;
    }
    int fautives = 0;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const qsizetype egal = argument.indexOf(u'=');
        bool nombre = false;
        const int taille = egal > 0 ? argument.left(egal).toInt(&nombre) : 0;
        if (!nombre || taille <= 0) {
            std::fprintf(stderr, "argument mal formé : %s (attendu TAILLE=FICHIER.png)\n", argv[i]);
            return 2;
        }
        const QString chemin = argument.mid(egal + 1);
        const QStringList defauts = Defauts(chemin, taille);
        if (defauts.isEmpty()) {
            std::printf("%s : %d x %d, bonne\n", qPrintable(chemin), taille, taille);
            continue;
        }
        ++fautives;
        for (const QString& defaut : defauts)
            std::printf("%s %s\n", qPrintable(chemin), qPrintable(defaut));
    }
    if (fautives > 0) {
        std::printf("%d icône(s) fautive(s) sur %d\n", fautives, argc - 1);
        return 1;
    }
    return 0;
}
