// Encodeur GIF : relecture par le lecteur GIF de Qt et par un petit décodeur LZW
// indépendant, pixel à pixel, sur des tailles et des nombres de couleurs variés.

#include "EcrireGif.h"

#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <random>

namespace {

QImage Relire(const QString& chemin) {
    QImageReader lecteur(chemin, "gif");
    const QImage image = lecteur.read();
    if (image.isNull())
        qWarning() << "lecture GIF impossible :" << lecteur.errorString();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Première différence entre deux images (transparent = alpha nul, sa couleur est libre).
QString Difference(const QImage& attendue, const QImage& obtenue) {
    if (attendue.size() != obtenue.size())
        return QStringLiteral("tailles %1x%2 et %3x%4")
            .arg(attendue.width())
            .arg(attendue.height())
            .arg(obtenue.width())
            .arg(obtenue.height());
    const QImage a = attendue.convertToFormat(QImage::Format_ARGB32);
    const QImage b = obtenue.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = a.pixel(x, y);
            const QRgb pb = b.pixel(x, y);
            if (qAlpha(pa) == 0 && qAlpha(pb) == 0)
                continue;
            if (pa != pb)
                return QStringLiteral("pixel (%1,%2) : %3 attendu, %4 obtenu")
                    .arg(x)
                    .arg(y)
                    .arg(pa, 8, 16, QChar('0'))
                    .arg(pb, 8, 16, QChar('0'));
        }
    return {};
}

// Image de nbCouleurs couleurs opaques tirées au hasard (graine fixe), pixels au hasard.
QImage ImageAuHasard(int largeur, int hauteur, int nbCouleurs, unsigned graine) {
    std::mt19937 hasard(graine);
    QList<QRgb> palette;
    QSet<QRgb> deja;
    while (palette.size() < nbCouleurs) {
        const QRgb c = 0xFF000000u | (hasard() & 0xFFFFFFu);
        if (!deja.contains(c)) {
            deja.insert(c);
            palette.append(c);
        }
    }
    // Chaque couleur paraît au moins une fois quand la place le permet.
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x) {
            const int n = y * largeur + x;
            image.setPixel(x, y,
                           palette[n < nbCouleurs ? n : static_cast<int>(hasard() % nbCouleurs)]);
        }
    return image;
}

QImage BruitPlein(int largeur, int hauteur, unsigned graine) {
    std::mt19937 hasard(graine);
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x)
            image.setPixel(x, y, 0xFF000000u | (hasard() & 0xFFFFFFu));
    return image;
}

int NombreDeCouleurs(const QImage& image) {
    const QImage i = image.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> couleurs;
    for (int y = 0; y < i.height(); ++y)
        for (int x = 0; x < i.width(); ++x)
            couleurs.insert(i.pixel(x, y));
    return static_cast<int>(couleurs.size());
}

// Décodeur LZW minimal, écrit d'après le format et non d'après l'encodeur : il suit la
// même règle d'élargissement que les lecteurs courants et compte les codes d'effacement.
struct Decodage {
    QByteArray indices;
    int effacements = 0;
    int tailleMax = 0;
    bool fin = false;
    QString erreur;
};

Decodage DecoderLzw(const QByteArray& gif) {
    Decodage d;
    int pos = 13;
    const int drapeaux = static_cast<uchar>(gif[10]);
    if (drapeaux & 0x80)
        pos += 3 * (1 << ((drapeaux & 7) + 1));
    while (pos < gif.size() && static_cast<uchar>(gif[pos]) == 0x21) {
        pos += 2;
        while (static_cast<uchar>(gif[pos]) != 0)
            pos += 1 + static_cast<uchar>(gif[pos]);
        ++pos;
    }
    if (pos >= gif.size() || static_cast<uchar>(gif[pos]) != 0x2C) {
        d.erreur = QStringLiteral("descripteur d'image absent");
        return d;
    }
    pos += 10;
    const int tailleMin = static_cast<uchar>(gif[pos++]);
    QByteArray flux;
    while (pos < gif.size() && static_cast<uchar>(gif[pos]) != 0) {
        const int n = static_cast<uchar>(gif[pos]);
        flux.append(gif.mid(pos + 1, n));
        pos += 1 + n;
    }
    const int effacement = 1 << tailleMin;
    const int finCode = effacement + 1;
    QList<QByteArray> table;
    auto vider = [&] {
        table.clear();
        for (int i = 0; i < effacement + 2; ++i)
            table.append(QByteArray(1, static_cast<char>(i)));
    };
    vider();
    int taille = tailleMin + 1;
    qint64 bit = 0;
    int precedent = -1;
    while (bit + taille <= flux.size() * 8LL) {
        int code = 0;
        for (int k = 0; k < taille; ++k, ++bit)
            if (static_cast<uchar>(flux[bit / 8]) & (1 << (bit % 8)))
                code |= 1 << k;
        d.tailleMax = std::max(d.tailleMax, taille);
        if (code == effacement) {
            ++d.effacements;
            vider();
            taille = tailleMin + 1;
            precedent = -1;
            continue;
        }
        if (code == finCode) {
            d.fin = true;
            return d;
        }
        QByteArray entree;
        if (code < table.size())
            entree = table[code];
        else if (code == table.size() && precedent >= 0)
            entree = table[precedent] + table[precedent].left(1);
        else {
            d.erreur = QStringLiteral("code %1 hors table (%2)").arg(code).arg(table.size());
            return d;
        }
        d.indices += entree;
        if (precedent >= 0 && table.size() < 4096)
            table.append(table[precedent] + entree.left(1));
        if (table.size() >= (1 << taille) && taille < 12)
            ++taille;
        precedent = code;
    }
    d.erreur = QStringLiteral("code de fin absent");
    return d;
}

} // namespace

class TestGif : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(QImageReader::supportedImageFormats().contains("gif"),
                 "le greffon GIF de Qt est nécessaire pour relire les fichiers");
        QVERIFY(dossier.isValid());
    }

    void peuDeCouleursReluesALIdentique_data() {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<int>("couleurs");
        QTest::newRow("1x1") << 1 << 1 << 1;
        QTest::newRow("7x5, 2 couleurs") << 7 << 5 << 2;
        QTest::newRow("7x5, 3 couleurs") << 7 << 5 << 3;
        QTest::newRow("7x5, 17 couleurs") << 7 << 5 << 17;
        QTest::newRow("colonne 1x300") << 1 << 300 << 5;
        QTest::newRow("ligne 300x1") << 300 << 1 << 9;
        QTest::newRow("65x33, 128 couleurs") << 65 << 33 << 128;
        QTest::newRow("640x480, 256 couleurs") << 640 << 480 << 256;
        QTest::newRow("640x480, 1 couleur") << 640 << 480 << 1;
    }
    void peuDeCouleursReluesALIdentique() {
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(int, couleurs);
        const QImage source = ImageAuHasard(largeur, hauteur, couleurs, 1000u + couleurs);
        QCOMPARE(NombreDeCouleurs(source), std::min(couleurs, largeur * hauteur));
        const QString chemin = dossier.filePath(QStringLiteral("exacte.gif"));
        QVERIFY(EcrireGif(source, chemin));
        const QString diff = Difference(source, Relire(chemin));
        QVERIFY2(diff.isEmpty(), qPrintable(diff));

        const Decodage d = DecoderLzw(EncoderGif(source));
        QVERIFY2(d.erreur.isEmpty(), qPrintable(d.erreur));
        QCOMPARE(d.indices.size(), qsizetype(largeur) * hauteur);
    }

    void bruitRemplitLaTableEtLEfface() {
        const QImage source = BruitPlein(640, 480, 42);
        const QImage quantifiee = QuantifierGif(source);
        QCOMPARE(quantifiee.format(), QImage::Format_Indexed8);
        QVERIFY(quantifiee.colorCount() <= 256);
        QVERIFY2(quantifiee.colorCount() > 200, "la palette doit servir presque en entier");

        const QString chemin = dossier.filePath(QStringLiteral("bruit.gif"));
        QVERIFY(EcrireGif(source, chemin));
        const QString diff = Difference(quantifiee, Relire(chemin));
        QVERIFY2(diff.isEmpty(), qPrintable(diff));

        QFile fichier(chemin);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const Decodage d = DecoderLzw(fichier.readAll());
        QVERIFY2(d.erreur.isEmpty(), qPrintable(d.erreur));
        QVERIFY(d.fin);
        QCOMPARE(d.tailleMax, 12);
        // Le bruit ne se répète pas : la table se remplit des dizaines de fois.
        QVERIFY2(d.effacements > 20, qPrintable(QString::number(d.effacements)));
        QCOMPARE(d.indices.size(), qsizetype(640) * 480);
        for (int y = 0; y < 480; y += 37)
            for (int x = 0; x < 640; x += 13)
                QCOMPARE(static_cast<uchar>(d.indices[y * 640 + x]), quantifiee.pixelIndex(x, y));
    }

    void degradeQuantifieFidelement() {
        QImage source(256, 256, QImage::Format_RGB32);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                source.setPixel(x, y, qRgb(x, y, (x + 3 * y) / 4));
        const QImage q = QuantifierGif(source).convertToFormat(QImage::Format_RGB32);
        double somme = 0;
        int pire = 0;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const QRgb a = source.pixel(x, y);
                const QRgb b = q.pixel(x, y);
                const int e =
                    std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
                somme += e;
                pire = std::max(pire, e);
            }
        const double moyenne = somme / (256.0 * 256.0);
        QVERIFY2(moyenne < 8.0, qPrintable(QString::number(moyenne)));
        QVERIFY2(pire < 32, qPrintable(QString::number(pire)));
        QVERIFY(NombreDeCouleurs(q) > 200);
    }

    void plusDe256CouleursProchesDeLaSource() {
        // 300 couleurs : juste trop pour une palette exacte.
        const QImage source = ImageAuHasard(60, 50, 300, 7);
        QVERIFY(NombreDeCouleurs(source) > 256);
        const QString chemin = dossier.filePath(QStringLiteral("trois-cents.gif"));
        QVERIFY(EcrireGif(source, chemin));
        const QImage relue = Relire(chemin);
        const QString diff = Difference(QuantifierGif(source), relue);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        QVERIFY(NombreDeCouleurs(relue) <= 256);
    }

    void transparenceConservee() {
        QImage source(20, 10, QImage::Format_ARGB32);
        source.fill(Qt::transparent);
        for (int y = 0; y < 10; ++y)
            for (int x = 10; x < 20; ++x)
                source.setPixel(x, y, (x + y) % 2 ? qRgb(200, 30, 40) : qRgb(10, 90, 250));
        source.setPixel(3, 3, qRgba(0, 255, 0, 200)); // assez opaque pour compter
        source.setPixel(4, 4, qRgba(0, 0, 255, 100)); // trop peu : transparent

        const QString chemin = dossier.filePath(QStringLiteral("transparent.gif"));
        QVERIFY(EcrireGif(source, chemin));
        const QImage relue = Relire(chemin);
        QCOMPARE(qAlpha(relue.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(relue.pixel(4, 4)), 0);
        QCOMPARE(relue.pixel(3, 3), qRgb(0, 255, 0));
        QCOMPARE(relue.pixel(10, 0), qRgb(10, 90, 250));
        QCOMPARE(relue.pixel(11, 0), qRgb(200, 30, 40));
    }

    void transparenceAvec256Couleurs() {
        // 256 couleurs opaques plus la transparence : une entrée de trop, il faut quantifier.
        QImage source = ImageAuHasard(64, 64, 256, 9).convertToFormat(QImage::Format_ARGB32);
        source.setPixel(0, 0, qRgba(0, 0, 0, 0));
        const QImage q = QuantifierGif(source);
        QVERIFY(q.colorCount() <= 256);
        const QString chemin = dossier.filePath(QStringLiteral("transparent-256.gif"));
        QVERIFY(EcrireGif(source, chemin));
        const QImage relue = Relire(chemin);
        QCOMPARE(qAlpha(relue.pixel(0, 0)), 0);
        const QString diff = Difference(q, relue);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }

    void uneCouleurUnieSeCompresse() {
        QImage source(640, 480, QImage::Format_RGB32);
        source.fill(qRgb(90, 140, 200));
        const QByteArray gif = EncoderGif(source);
        // Sans LZW, 307200 codes d'au moins 3 bits feraient plus de 100 Ko.
        QVERIFY2(gif.size() < 4000, qPrintable(QString::number(gif.size())));
        const Decodage d = DecoderLzw(gif);
        QVERIFY2(d.erreur.isEmpty(), qPrintable(d.erreur));
        QCOMPARE(d.indices, QByteArray(640 * 480, '\0'));
    }

    void enTeteEtFin() {
        const QByteArray gif = EncoderGif(ImageAuHasard(300, 2, 5, 3));
        QVERIFY(gif.startsWith("GIF89a"));
        QCOMPARE(static_cast<uchar>(gif[6]) | static_cast<uchar>(gif[7]) << 8, 300);
        QCOMPARE(static_cast<uchar>(gif[8]) | static_cast<uchar>(gif[9]) << 8, 2);
        QVERIFY(static_cast<uchar>(gif[10]) & 0x80);
        QCOMPARE(1 << ((static_cast<uchar>(gif[10]) & 7) + 1), 8); // 5 couleurs -> table de 8
        QCOMPARE(static_cast<uchar>(gif.back()), uchar(0x3B));
    }

    void ecritureRemplaceLAncienFichier() {
        const QString chemin = dossier.filePath(QStringLiteral("remplace.gif"));
        QFile ancien(chemin);
        QVERIFY(ancien.open(QIODevice::WriteOnly));
        ancien.write(QByteArray(100000, 'x'));
        ancien.close();
        const QImage source = ImageAuHasard(8, 8, 4, 5);
        QVERIFY(EcrireGif(source, chemin));
        QCOMPARE(QFileInfo(chemin).size(), EncoderGif(source).size());
        QVERIFY(Difference(source, Relire(chemin)).isEmpty());
    }

    void echecsSignales() {
        const QString absent = dossier.filePath(QStringLiteral("absent/image.gif"));
        QVERIFY(!EcrireGif(ImageAuHasard(4, 4, 2, 1), absent));
        QVERIFY(!QFileInfo::exists(absent));
        const QString nulle = dossier.filePath(QStringLiteral("nulle.gif"));
        QVERIFY(!EcrireGif(QImage(), nulle));
        QVERIFY(!QFileInfo::exists(nulle));
        QVERIFY(EncoderGif(QImage(70000, 1, QImage::Format_RGB32)).isEmpty());
    }

private:
    QTemporaryDir dossier;
};

QTEST_GUILESS_MAIN(TestGif)
#include "test_gif.moc"
