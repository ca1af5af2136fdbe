// Où le moteur de capture trouve libbmp2jpg : installé, dans le dossier privé lib/ostrelle à
// côté de bin/ (et nulle part ailleurs, pas même dans le dossier de l'utilisateur) ; lancé depuis
// la construction, dans le dossier des exécutables. Un programme sans fenêtre
// (enfant_capture_installee) est posé dans chaque disposition, lancé depuis un autre dossier de
// travail, et capture une zone que sa propre conversion doit changer en JPEG.

#include "Fabrique.h"
#include "RegleCapture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool Copier(const QString& source, const QString& destination) {
    QDir().mkpath(QFileInfo(destination).path());
    return QFile::copy(source, destination) &&
           QFile::setPermissions(destination, QFile::permissions(source));
}

// Les données qu'il faut à un dossier de programme.
void PoserDonnees(const QString& dossier) {
    for (const char* nom : {"Nouveau.htm", "Restaurer/Nouveau.htm", "AideCapture/index.htm"}) {
        QDir().mkpath(QFileInfo(dossier + '/' + nom).path());
        EcrireOctets(dossier + '/' + nom, QByteArray("<html>") + nom + "</html>");
    }
}

// Nom, taille et date de chaque fichier : ce qui change quand on écrit dans un dossier.
QStringList Etat(const QString& dossier) {
    QStringList etat;
    QDirIterator it(dossier, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        etat << QStringLiteral("%1 %2 %3")
                    .arg(f.filePath())
                    .arg(f.size())
                    .arg(f.lastModified().toMSecsSinceEpoch());
    }
    etat.sort();
    return etat;
}

} // namespace

class TestCaptureInstallee : public QObject {
    Q_OBJECT
private slots:
    void bibliotheque_data();
    void bibliotheque();
};

void TestCaptureInstallee::bibliotheque_data() {
    QTest::addColumn<QString>("disposition");
    QTest::addColumn<bool>("converti");
    QTest::newRow("installé, lib/ostrelle") << "installé" << true;
    QTest::newRow("installé, bibliothèque à côté de bin seulement") << "à côté" << false;
    QTest::newRow("installé, bibliothèque dans le dossier de l'utilisateur")
        << "utilisateur" << false;
    QTest::newRow("construction") << "construction" << true;
}

void TestCaptureInstallee::bibliotheque() {
    QFETCH(QString, disposition);
    QFETCH(bool, converti);
    QTemporaryDir racine;
    QVERIFY(racine.isValid());
    const QString prefixe = racine.filePath("prefixe");
    const QString utilisateurs = racine.filePath("maison/.local/share");
    const QString attendu = disposition == "construction" ? racine.filePath("build/Ostrelle")
                                                          : utilisateurs + "/Ostrelle";

    QString executable;
    if (disposition == "construction") {
        executable = attendu + "/kestrane";
        PoserDonnees(attendu);
        QVERIFY(Copier(BIBLIOTHEQUE_BMP2JPG, attendu + "/libbmp2jpg.so"));
    } else {
        executable = prefixe + "/" INSTALL_BINDIR "/kestrane";
        PoserDonnees(prefixe + "/" INSTALL_DONNEES);
        if (disposition == "installé")
            QVERIFY(
                Copier(BIBLIOTHEQUE_BMP2JPG, prefixe + "/" INSTALL_BIBLIOTHEQUES "/libbmp2jpg.so"));
        else if (disposition == "à côté")
            QVERIFY(Copier(BIBLIOTHEQUE_BMP2JPG, prefixe + "/" INSTALL_BINDIR "/libbmp2jpg.so"));
        else
            QVERIFY(Copier(BIBLIOTHEQUE_BMP2JPG, attendu + "/libbmp2jpg.so"));
    }
    QVERIFY(Copier(ENFANT_CAPTURE, executable));
    const QStringList prefixeAvant = Etat(prefixe);

    QProcess enfant;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", utilisateurs);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    enfant.setProcessEnvironment(env);
    const QString travail = racine.filePath("ailleurs");
    QVERIFY(QDir().mkpath(travail));
    enfant.setWorkingDirectory(travail);
    enfant.start(executable, {});
    QVERIFY(enfant.waitForFinished(60'000));
    const QString sortie = QString::fromUtf8(enfant.readAllStandardOutput());
    const QString erreurs = QString::fromUtf8(enfant.readAllStandardError());
    QVERIFY2(enfant.exitStatus() == QProcess::NormalExit && enfant.exitCode() == 0,
             qPrintable(erreurs));
    const QStringList lignes = sortie.split('\n', Qt::SkipEmptyParts);
    QVERIFY(!lignes.isEmpty());
    QCOMPARE(lignes.first(), attendu);

    // La capture est dans le dossier du programme, jamais dans le dossier de travail.
    QVERIFY(QFileInfo(NomCapture(attendu, 1, ".bmp")).isFile());
    QVERIFY(QDir(travail).isEmpty());
    const QString jpeg = NomCapture(attendu, 1, ".jpg");
    if (converti) {
        QVERIFY2(lignes.contains("JPEG"), qPrintable(erreurs));
        QImageReader lecteur(jpeg);
        QCOMPARE(lecteur.format(), QByteArray("jpeg"));
        QCOMPARE(lecteur.size(), QImageReader(NomCapture(attendu, 1, ".bmp")).size());
    } else {
        QVERIFY(!lignes.contains("JPEG"));
        QVERIFY(!QFileInfo::exists(jpeg));
        QVERIFY2(erreurs.contains("la conversion JPG vient d'échouer"), qPrintable(erreurs));
    }
    // Rien n'est écrit sous le préfixe d'une installation.
    if (disposition != "construction")
        QCOMPARE(Etat(prefixe), prefixeAvant);
}

QTEST_GUILESS_MAIN(TestCaptureInstallee)
#include "test_capture_installee.moc"
