#include "FichierTexte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

void ecrireOctets(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(octets), octets.size());
}

QByteArray lireOctets(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

} // namespace

class TestFichierTexte : public QObject {
    Q_OBJECT
private slots:
    void lecture_data();
    void lecture();
    void refus_data();
    void refus();
    void limiteDeTaille();
    void ecritureOctetParOctet();
    void ecritureImpossible();
    void ancienFichierIntactSiEcritureEchoue_data();
    void ancienFichierIntactSiEcritureEchoue();

private:
    QTemporaryDir m_dossier;
};

void TestFichierTexte::lecture_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QStringList>("lignes");
    QTest::newRow("vide") << QByteArray() << QStringList();
    QTest::newRow("CR LF final") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("dernière sans fin") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("LF et CR seuls") << QByteArray("a\nb\rc") << QStringList{"a", "b", "c"};
    QTest::newRow("lignes vides") << QByteArray("\r\na\r\n\r\nb") << QStringList{"", "a", "", "b"};
    QTest::newRow("CR puis CR LF") << QByteArray("a\r\r\n") << QStringList{"a", ""};
    QTest::newRow("LF puis CR") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("Windows-1252") << QByteArray("\xE9t\xE9 \x80\r\n&#937; &#65;")
                                  << QStringList{QStringLiteral("été €"),
                                                 QStringLiteral("Ω &#65;")};
}

void TestFichierTexte::lecture() {
    QFETCH(QByteArray, octets);
    QFETCH(QStringList, lignes);
    const QString chemin = m_dossier.filePath("lecture.txt");
    ecrireOctets(chemin, octets);
    ErreurLecture erreur = ErreurLecture::Illisible;
    const auto lu = LireLignes(chemin, &erreur);
    QVERIFY(lu);
    QCOMPARE(*lu, lignes);
    QCOMPARE(erreur, ErreurLecture::Aucune);
}

void TestFichierTexte::refus_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<int>("attendue");
    const auto e = [](ErreurLecture x) { return static_cast<int>(x); };
    // Limites du test : 10 octets par fichier, 4 par ligne.
    QTest::newRow("juste à la taille")
        << "a" << QByteArray("abcd\r\nefgh") << e(ErreurLecture::Aucune);
    QTest::newRow("un octet de trop")
        << "b" << QByteArray("abcd\r\nefgh\n") << e(ErreurLecture::TropGrand);
    QTest::newRow("ligne trop longue")
        << "c" << QByteArray("ab\r\nabcde") << e(ErreurLecture::LigneTropLongue);
    QTest::newRow("octet nul") << "d" << QByteArray("ab\0cd", 5) << e(ErreurLecture::Binaire);
    QTest::newRow("absent") << "" << QByteArray() << e(ErreurLecture::Illisible);
    QTest::newRow("dossier") << "." << QByteArray() << e(ErreurLecture::Illisible);
}

void TestFichierTexte::refus() {
    QFETCH(QString, nom);
    QFETCH(QByteArray, octets);
    QFETCH(int, attendue);
    QString chemin;
    if (nom == ".")
        chemin = m_dossier.path();
    else if (nom.isEmpty())
        chemin = m_dossier.filePath("absent.txt");
    else {
        chemin = m_dossier.filePath(nom + ".txt");
        ecrireOctets(chemin, octets);
    }
    ErreurLecture erreur = ErreurLecture::Aucune;
    const auto lu = LireLignes(chemin, &erreur, LimitesLecture{10, 4});
    QCOMPARE(static_cast<int>(erreur), attendue);
    QCOMPARE(lu.has_value(), attendue == static_cast<int>(ErreurLecture::Aucune));
    // Tout refus doit pouvoir être expliqué à l'utilisateur.
    if (erreur != ErreurLecture::Aucune)
        QVERIFY(!TexteErreurLecture(erreur).isEmpty());
}

void TestFichierTexte::limiteDeTaille() {
    // Fichier creux de 2 Gio : le lire entièrement prendrait de la place et du temps.
    const QString chemin = m_dossier.filePath("enorme.txt");
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(2LL * 1024 * 1024 * 1024));
    f.close();
    ErreurLecture erreur = ErreurLecture::Aucune;
    QVERIFY(!LireLignes(chemin, &erreur));
    QCOMPARE(erreur, ErreurLecture::TropGrand);

    // Taille annoncée nulle, contenu réel : la limite tient aussi pendant la lecture.
    QCOMPARE(QFileInfo("/proc/self/maps").size(), 0);
    QVERIFY(!LireLignes("/proc/self/maps", &erreur, LimitesLecture{100, 1000}));
    QCOMPARE(erreur, ErreurLecture::TropGrand);

    QStringList textes;
    for (auto e : {ErreurLecture::Illisible, ErreurLecture::TropGrand,
                   ErreurLecture::LigneTropLongue, ErreurLecture::Binaire})
        textes << TexteErreurLecture(e);
    textes.removeDuplicates();
    QCOMPARE(textes.size(), 4);
}

void TestFichierTexte::ecritureOctetParOctet() {
    const QString chemin = m_dossier.filePath("écrit.txt");
    QString erreur;
    const QStringList lignes{QStringLiteral("été €"), QString(), QStringLiteral("Ω &#65;")};
    QVERIFY(EcrireLignes(chemin, lignes, &erreur));
    QCOMPARE(lireOctets(chemin), QByteArray("\xE9t\xE9 \x80\r\n\r\n&#937; &#65;\r\n"));
    QCOMPARE(*LireLignes(chemin), lignes);

    QVERIFY(EcrireLignes(chemin, {}));
    QCOMPARE(lireOctets(chemin), QByteArray());
}

void TestFichierTexte::ecritureImpossible() {
    const QString absent = m_dossier.filePath("absent");
    QString erreur;
    QVERIFY(!EcrireLignes(absent + "/x.txt", {"a"}, &erreur));
    QVERIFY(!erreur.isEmpty());
    QVERIFY(!QFileInfo::exists(absent));

    // Un dossier parent qui est un fichier : l'échec ne dépend pas des droits (root).
    const QString faux = m_dossier.filePath("pas_un_dossier");
    ecrireOctets(faux, "contenu");
    erreur.clear();
    QVERIFY(!EcrireLignes(faux + "/x.txt", {"a"}, &erreur));
    QVERIFY(!erreur.isEmpty());
    QCOMPARE(lireOctets(faux), QByteArray("contenu"));
}

// Une limite de taille de fichier fait échouer l'écriture à mi-chemin, comme un disque plein :
// soit dès l'écriture (gros volume), soit seulement au vidage du tampon, à la validation.
void TestFichierTexte::ancienFichierIntactSiEcritureEchoue_data() {
    QTest::addColumn<int>("nombreLignes");
    QTest::newRow("échec à l'écriture") << 2000;
    QTest::newRow("échec à la validation") << 80;
}

void TestFichierTexte::ancienFichierIntactSiEcritureEchoue() {
    QFETCH(int, nombreLignes);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("projet.txt");
    ecrireOctets(chemin, "ancien\r\n");

    rlimit avant{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &avant), 0);
    const auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit petite = avant;
    petite.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &petite), 0);
    QString erreur;
    const bool ecrit = EcrireLignes(chemin, QStringList(nombreLignes, QString(100, u'x')), &erreur);
    setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, ancienSignal);

    QVERIFY(!ecrit);
    QVERIFY(!erreur.isEmpty());
    QCOMPARE(lireOctets(chemin), QByteArray("ancien\r\n"));
    // Ni fichier temporaire abandonné, ni autre trace.
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"projet.txt"});
}

QTEST_APPLESS_MAIN(TestFichierTexte)
#include "test_fichiertexte.moc"
