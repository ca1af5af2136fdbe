#include "Dossiers.h"
#include "Fichiers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

namespace {

void ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(chemin));
    QCOMPARE(f.write(octets), octets.size());
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

} // namespace

class TestFichiers : public QObject {
    Q_OBJECT
private slots:
    void init();
    void lisible();
    void supprimer();
    void copier();
    void copierSurLuiMemeNeDetruitRien_data();
    void copierSurLuiMemeNeDetruitRien();
    void deplacer();
    void deplacerEntreVolumes();
    void memeEmplacement_data();
    void memeEmplacement();
    void nomsAccentues();
    void sansSeparateurFinal_data();
    void sansSeparateurFinal();
    void dossiers();

private:
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString chemin(const QString& nom) const { return m_tmp->filePath(nom); }
};

// Chaque test part du même décor : un fichier, un dossier, un lien vers le fichier.
void TestFichiers::init() {
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    ecrire(chemin("f"), "contenu f");
    QVERIFY(QDir(m_tmp->path()).mkdir("d"));
    QVERIFY(QFile::link(chemin("f"), chemin("lien")));
}

void TestFichiers::lisible() {
    QVERIFY(Lisible(chemin("f")));
    QVERIFY(Lisible(chemin("lien")));
    QVERIFY(!Lisible(chemin("d")));
    QVERIFY(!Lisible(chemin("absent")));
    QVERIFY(!Lisible(QString()));
    // Un tube nommé bloquerait l'ouverture : il n'est pas un fichier à lire.
    QCOMPARE(mkfifo(QFile::encodeName(chemin("tube")).constData(), 0600), 0);
    QVERIFY(!Lisible(chemin("tube")));
}

void TestFichiers::supprimer() {
    std::error_code ec;
    QVERIFY(!SupprimerFichier(chemin("d"), &ec));
    QVERIFY(ec);
    QVERIFY(QFileInfo(chemin("d")).isDir());

    // Le lien disparaît, pas le fichier qu'il désigne.
    QVERIFY(SupprimerFichier(chemin("lien"), &ec));
    QVERIFY(!ec);
    QVERIFY(!QFileInfo(chemin("lien")).isSymLink());
    QCOMPARE(lire(chemin("f")), QByteArray("contenu f"));

    QVERIFY(QFile::link(chemin("d"), chemin("lien_dossier")));
    QVERIFY(SupprimerFichier(chemin("lien_dossier")));
    QVERIFY(QFileInfo(chemin("d")).isDir());

    QVERIFY(SupprimerFichier(chemin("f")));
    QVERIFY(!QFileInfo::exists(chemin("f")));
    QVERIFY(!SupprimerFichier(chemin("f"), &ec));
    QCOMPARE(ec, std::errc::no_such_file_or_directory);
}

void TestFichiers::copier() {
    std::error_code ec;
    QVERIFY(CopierFichier(chemin("f"), chemin("g"), &ec));
    QCOMPARE(lire(chemin("g")), QByteArray("contenu f"));
    QVERIFY(!ec);

    ecrire(chemin("h"), "un contenu plus long que f");
    QVERIFY(CopierFichier(chemin("f"), chemin("h")));
    QCOMPARE(lire(chemin("h")), QByteArray("contenu f"));

    QVERIFY(!CopierFichier(chemin("absent"), chemin("i"), &ec));
    QVERIFY(ec);
    QVERIFY(!QFileInfo::exists(chemin("i")));
    QVERIFY(!CopierFichier(chemin("f"), chemin("absent/i"), &ec));
    QVERIFY(ec);
}

void TestFichiers::copierSurLuiMemeNeDetruitRien_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::newRow("même chemin") << "f"
                                 << "f";
    QTest::newRow("lien vers la source") << "f"
                                         << "lien";
    QTest::newRow("source par le lien") << "lien"
                                        << "f";
    QTest::newRow("détour par ..") << "f"
                                   << "d/../f";
    QTest::newRow("point") << "./f"
                           << "f";
}

void TestFichiers::copierSurLuiMemeNeDetruitRien() {
    QFETCH(QString, source);
    QFETCH(QString, destination);
    std::error_code ec;
    QVERIFY(!CopierFichier(chemin(source), chemin(destination), &ec));
    QVERIFY(ec);
    QCOMPARE(lire(chemin("f")), QByteArray("contenu f"));
    // Déplacer un fichier sur lui-même ne doit pas non plus le perdre.
    QVERIFY(!DeplacerFichier(chemin(source), chemin(destination), &ec));
    QCOMPARE(lire(chemin("f")), QByteArray("contenu f"));
}

void TestFichiers::deplacer() {
    ecrire(chemin("g"), "ancien g");
    std::error_code ec;
    QVERIFY(DeplacerFichier(chemin("f"), chemin("g"), &ec));
    QVERIFY(!ec);
    QCOMPARE(lire(chemin("g")), QByteArray("contenu f"));
    QVERIFY(!QFileInfo::exists(chemin("f")));

    QVERIFY(!DeplacerFichier(chemin("f"), chemin("h"), &ec));
    QCOMPARE(ec, std::errc::no_such_file_or_directory);
    QVERIFY(DeplacerFichier(chemin("g"), chemin("d/g")));
    QCOMPARE(lire(chemin("d/g")), QByteArray("contenu f"));
}

void TestFichiers::deplacerEntreVolumes() {
    QTemporaryDir ailleurs(QStringLiteral("/dev/shm/ostrelle-XXXXXX"));
    struct stat a {
    }, b{};
    if (!ailleurs.isValid() || stat(QFile::encodeName(ailleurs.path()).constData(), &a) != 0 ||
        stat(QFile::encodeName(m_tmp->path()).constData(), &b) != 0 || a.st_dev == b.st_dev)
        QSKIP("Pas de second volume disponible.");
    const QString dest = ailleurs.filePath("déplacé");
    ecrire(dest, "à remplacer");
    std::error_code ec;
    QVERIFY(DeplacerFichier(chemin("f"), dest, &ec));
    QVERIFY(!ec);
    QCOMPARE(lire(dest), QByteArray("contenu f"));
    QVERIFY(!QFileInfo::exists(chemin("f")));
}

void TestFichiers::memeEmplacement_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("meme");
    QTest::newRow("identiques") << "f"
                                << "f" << true;
    QTest::newRow("..") << "f"
                        << "d/../f" << true;
    QTest::newRow("lien") << "lien"
                          << "f" << true;
    QTest::newRow("séparateur final") << "d"
                                      << "d/" << true;
    QTest::newRow("séparateurs doublés") << "d//"
                                         << "./d" << true;
    QTest::newRow("différents") << "f"
                                << "d" << false;
    QTest::newRow("absents") << "x"
                             << "x" << false;
    QTest::newRow("fichier suivi de /") << "f/"
                                        << "f" << false;
}

void TestFichiers::memeEmplacement() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, meme);
    QCOMPARE(MemeEmplacement(chemin(a), chemin(b)), meme);
    QCOMPARE(MemeEmplacement(chemin(b), chemin(a)), meme);
}

void TestFichiers::nomsAccentues() {
    const QString nom = chemin(QStringLiteral("Été à Noël"));
    const QString copie = chemin(QStringLiteral("d/copie ŒÇ €.txt"));
    ecrire(nom, "accents");
    QVERIFY(Lisible(nom));
    QVERIFY(CopierFichier(nom, copie));
    QVERIFY(QDir(chemin("d")).entryList(QDir::Files).contains(QStringLiteral("copie ŒÇ €.txt")));
    QVERIFY(MemeEmplacement(copie, chemin(QStringLiteral("d/../d/copie ŒÇ €.txt"))));
    QVERIFY(DeplacerFichier(copie, chemin(QStringLiteral("déplacé"))));
    QCOMPARE(lire(chemin(QStringLiteral("déplacé"))), QByteArray("accents"));
    QVERIFY(SupprimerFichier(nom));
    QVERIFY(!QFileInfo::exists(nom));
}

void TestFichiers::sansSeparateurFinal_data() {
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("racine") << "/"
                            << "/";
    QTest::newRow("racine répétée") << "///"
                                    << "/";
    QTest::newRow("dossier") << "/a/b/"
                             << "/a/b";
    QTest::newRow("relatif doublé") << "a//"
                                    << "a";
    QTest::newRow("sans") << "/a/b"
                          << "/a/b";
    QTest::newRow("vide") << ""
                          << "";
}

void TestFichiers::sansSeparateurFinal() {
    QFETCH(QString, chemin);
    QFETCH(QString, attendu);
    QCOMPARE(SansSeparateurFinal(chemin), attendu);
}

void TestFichiers::dossiers() {
    QVERIFY(QFileInfo(DossierExecutables() + "/test_fichiers").isExecutable());

    qputenv("XDG_DATA_HOME", QFile::encodeName(m_tmp->path()));
    const QString secours = DossierSecours();
    qunsetenv("XDG_DATA_HOME");
    QVERIFY2(secours.startsWith(m_tmp->path()) && secours.endsWith("/secours"),
             qPrintable(secours));
    QVERIFY(QFileInfo(secours).isDir());
}

QTEST_GUILESS_MAIN(TestFichiers)
#include "test_fichiers.moc"
