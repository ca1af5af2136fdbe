// Le dossier du programme d'un programme installé, sans fenêtre : premier démarrage, démarrage
// suivant qui ne réécrit rien, nouvelle version qui respecte les changements de l'utilisateur,
// « Restaurer » toujours remis, données ou dossier inutilisables, arrêt brutal pendant le
// remplissage (processus enfant tué), disque plein (petit tmpfs).

#include "DossierUtilisateur.h"
#include "Dossiers.h"
#include "Fabrique.h"
#include "FauxDialogues.h"
#include "PetitDisque.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>

namespace {

using Arbre = QMap<QString, QByteArray>;

// Les données d'une première version : le projet « Nouveau » et sa réserve, des modèles, un
// fond, l'aide, les exemples (un nom accentué compris).
Arbre Version1() {
    return {
        {"Nouveau.htm", "<html>Nouveau 1</html>"},
        {"Nouveau.cin", "projet 1"},
        {"Nouveau0.gif", "GIF89a image 1"},
        {"Restaurer/Nouveau.htm", "<html>Nouveau 1</html>"},
        {"Restaurer/Nouveau.cin", "projet 1"},
        {"Restaurer/Nouveau0.gif", "GIF89a image 1"},
        {"Modeles/Album.htm", "<html>Album 1</html>"},
        {"Modeles/Nuit.htm", "<html>Nuit 1</html>"},
        {"Textures/Bois.jpg", "JFIF bois 1"},
        {"Aide/Aide.css", "body {}"},
        {"Aide/AideCD.htm", "<html>aide 1</html>"},
        {"Exemples/Didacticiel.htm", "<html>didacticiel 1</html>"},
        {"Exemples/été.png", "PNG été"},
    };
}

void Poser(const QString& dossier, const Arbre& arbre) {
    for (auto it = arbre.begin(); it != arbre.end(); ++it) {
        const QString chemin = dossier + '/' + it.key();
        QDir().mkpath(QFileInfo(chemin).path());
        EcrireOctets(chemin, it.value());
    }
}

// Chemin relatif -> contenu de chaque fichier visible, sous-dossiers compris.
Arbre Lire(const QString& dossier) {
    Arbre arbre;
    QDirIterator it(dossier, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString chemin = it.next();
        arbre[QDir(dossier).relativeFilePath(chemin)] = LireOctets(chemin);
    }
    return arbre;
}

// Les fichiers cachés (journal, verrou, copies provisoires), chemins relatifs.
QStringList Caches(const QString& dossier) {
    QStringList noms;
    QDirIterator it(dossier, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString chemin = it.next();
        if (QFileInfo(chemin).fileName().startsWith('.'))
            noms << QDir(dossier).relativeFilePath(chemin);
    }
    noms.sort();
    return noms;
}

// Ce qui change quand un fichier est réécrit ou remplacé : dates à la nanoseconde et numéro.
QMap<QString, QString> Empreintes(const QString& dossier) {
    QMap<QString, QString> etats;
    QDirIterator it(dossier, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString chemin = it.next();
        struct stat s {};
        ::stat(QFile::encodeName(chemin).constData(), &s);
        etats[QDir(dossier).relativeFilePath(chemin)] = QStringLiteral("%1.%2 %3.%4 %5")
                                                            .arg(s.st_mtim.tv_sec)
                                                            .arg(s.st_mtim.tv_nsec)
                                                            .arg(s.st_ctim.tv_sec)
                                                            .arg(s.st_ctim.tv_nsec)
                                                            .arg(s.st_ino);
    }
    return etats;
}

QStringList Noms(const Arbre& arbre) {
    QStringList noms = arbre.keys();
    noms.sort();
    return noms;
}

// Chaque fichier présent dans le dossier est entier : identique à l'installé.
void VerifierSansFichierCoupe(const QString& dossier, const Arbre& installe) {
    const Arbre present = Lire(dossier);
    for (auto it = present.begin(); it != present.end(); ++it) {
        QVERIFY2(installe.contains(it.key()), qPrintable(it.key()));
        QVERIFY2(it.value() == installe[it.key()], qPrintable(it.key() + " est coupé"));
    }
}

QByteArray Aleatoire(qsizetype taille) {
    QByteArray octets(taille, Qt::Uninitialized);
    QRandomGenerator alea(42);
    alea.fillRange(reinterpret_cast<quint32*>(octets.data()), taille / 4);
    return octets;
}

} // namespace

class TestDossierUtilisateur : public QObject {
    Q_OBJECT
private slots:
    void init();
    void emplacements();
    void premierDemarrage();
    void demarrageSuivantNeReecritRien();
    void nouvelleVersion();
    void restaurerToujoursRemis();
    void journalPerdu();
    void donneesInutilisables_data();
    void donneesInutilisables();
    void donneesEnLectureSeule();
    void dossierImpossible_data();
    void dossierImpossible();
    void arretEntreDeuxFichiers_data();
    void arretEntreDeuxFichiers();
    void arretPendantUneCopie();
    void deuxProgrammesEnsemble();
    void disquePlein();

private:
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_donnees;
    QString m_dossier;
    BilanDossier Preparer(FauxDialogues& d) {
        return PreparerDossierUtilisateur(m_donnees, m_dossier, d);
    }
};

void TestDossierUtilisateur::init() {
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    m_donnees = m_tmp->filePath("prefixe/share/ostrelle");
    m_dossier = m_tmp->filePath("home/.local/share/Ostrelle");
}

// La construction (données à côté des exécutables, inscriptible) garde son dossier ; installés,
// les exécutables trouvent leurs données et leur bibliothèque sous le préfixe, et travaillent
// dans le dossier de l'utilisateur.
void TestDossierUtilisateur::emplacements() {
    const QString construction = m_tmp->filePath("build/Ostrelle");
    Poser(construction, Version1());
    const Emplacements e = EmplacementsPour(construction, m_tmp->filePath("xdg"));
    QVERIFY(!e.installe);
    QCOMPARE(e.programme, construction);
    QCOMPARE(e.bibliotheques, construction);
    QVERIFY(e.donnees.isEmpty());

    // Les dossiers d'installation tels que CMake les range sous le préfixe.
    const QString prefixe = m_tmp->filePath("prefixe");
    const QString bin = prefixe + "/" INSTALL_BINDIR;
    QVERIFY(QDir().mkpath(bin));
    const Emplacements i = EmplacementsPour(bin, m_tmp->filePath("xdg"));
    QVERIFY(i.installe);
    QCOMPARE(i.programme, m_tmp->filePath("xdg/Ostrelle"));
    QCOMPARE(i.donnees, prefixe + "/" INSTALL_DONNEES);
    QCOMPARE(i.bibliotheques, prefixe + "/" INSTALL_BIBLIOTHEQUES);

    // Sans « Restaurer », ou sans « Nouveau.htm », ce n'est pas un dossier de programme.
    QVERIFY(QDir(construction + "/Restaurer").removeRecursively());
    QVERIFY(EmplacementsPour(construction, m_tmp->filePath("xdg")).installe);
}

void TestDossierUtilisateur::premierDemarrage() {
    Poser(m_donnees, Version1());
    FauxDialogues d;
    const BilanDossier b = Preparer(d);
    QVERIFY(b.pret);
    QVERIFY(d.messages.isEmpty());
    QCOMPARE(Lire(m_dossier), Version1());
    QCOMPARE(b.copies, Noms(Version1()));
    QVERIFY(b.gardes.isEmpty());
    QCOMPARE(Caches(m_dossier), QStringList{".installation"});
    QCOMPARE(d.progressionsDebutees, 1);
    QCOMPARE(d.dernierAvancement, int(Version1().size()));
    // Rien n'a été écrit dans les données installées.
    QCOMPARE(Lire(m_donnees), Version1());
    QCOMPARE(Caches(m_donnees), QStringList());
}

void TestDossierUtilisateur::demarrageSuivantNeReecritRien() {
    Poser(m_donnees, Version1());
    FauxDialogues d;
    QVERIFY(Preparer(d).pret);
    const auto avant = Empreintes(m_dossier);
    QVERIFY(avant.contains(".installation"));

    FauxDialogues d2;
    const BilanDossier b = Preparer(d2);
    QVERIFY(b.pret);
    QVERIFY(b.copies.isEmpty());
    QVERIFY(b.gardes.isEmpty());
    QCOMPARE(d2.progressionsDebutees, 0);
    QVERIFY(d2.messages.isEmpty());
    // Ni fichier ni journal réécrit, remplacé ou ajouté.
    QCOMPARE(Empreintes(m_dossier), avant);
}

// L'utilisateur a changé un modèle et le projet « Nouveau », effacé un fond, touché à la réserve
// et posé un modèle à lui ; la nouvelle version change tout cela et ajoute des fichiers.
void TestDossierUtilisateur::nouvelleVersion() {
    Poser(m_donnees, Version1());
    FauxDialogues d;
    QVERIFY(Preparer(d).pret);

    EcrireOctets(m_dossier + "/Modeles/Album.htm", "<html>mon album</html>");
    EcrireOctets(m_dossier + "/Nouveau.htm", "<html>mon projet</html>");
    QVERIFY(QFile::remove(m_dossier + "/Textures/Bois.jpg"));
    EcrireOctets(m_dossier + "/Restaurer/Nouveau.cin", "abîmé");
    EcrireOctets(m_dossier + "/Modeles/Perso.htm", "<html>le mien</html>");
    const auto aide = Empreintes(m_dossier + "/Aide");

    Arbre v2 = Version1();
    v2["Modeles/Album.htm"] = "<html>Album 2</html>";
    v2["Modeles/Nuit.htm"] = "<html>Nuit 2</html>";
    v2["Nouveau.htm"] = "<html>Nouveau 2</html>";
    v2["Nouveau.cin"] = "projet 2";
    v2["Restaurer/Nouveau.htm"] = "<html>Nouveau 2</html>";
    v2["Restaurer/Nouveau.cin"] = "projet 2";
    v2["Textures/Bois.jpg"] = "JFIF bois 2";
    v2["Modeles/Perso.htm"] = "<html>Perso installé</html>";
    v2["Modeles/Neige.htm"] = "<html>Neige 2</html>";
    v2["Textures/Lin.jpg"] = "JFIF lin 2";
    Poser(m_donnees, v2);

    FauxDialogues d2;
    const BilanDossier b = Preparer(d2);
    QVERIFY(b.pret);
    QVERIFY(d2.messages.isEmpty());
    const Arbre apres = Lire(m_dossier);
    // Ce que l'utilisateur a changé reste.
    QCOMPARE(apres["Modeles/Album.htm"], QByteArray("<html>mon album</html>"));
    QCOMPARE(apres["Nouveau.htm"], QByteArray("<html>mon projet</html>"));
    QCOMPARE(apres["Modeles/Perso.htm"], QByteArray("<html>le mien</html>"));
    QVERIFY(!apres.contains("Textures/Bois.jpg"));
    // Ce qu'il n'a pas touché suit la nouvelle version ; les nouveaux fichiers arrivent.
    QCOMPARE(apres["Modeles/Nuit.htm"], v2["Modeles/Nuit.htm"]);
    QCOMPARE(apres["Nouveau.cin"], v2["Nouveau.cin"]);
    QCOMPARE(apres["Modeles/Neige.htm"], v2["Modeles/Neige.htm"]);
    QCOMPARE(apres["Textures/Lin.jpg"], v2["Textures/Lin.jpg"]);
    // La réserve est celle de la nouvelle version, même là où l'utilisateur y avait touché.
    for (const char* nom :
         {"Restaurer/Nouveau.htm", "Restaurer/Nouveau.cin", "Restaurer/Nouveau0.gif"})
        QCOMPARE(apres[nom], v2[nom]);
    // Les fichiers que la version n'a pas changés ne sont pas réécrits.
    QCOMPARE(Empreintes(m_dossier + "/Aide"), aide);
    QCOMPARE(b.copies,
             QStringList({"Modeles/Neige.htm", "Modeles/Nuit.htm", "Nouveau.cin",
                          "Restaurer/Nouveau.cin", "Restaurer/Nouveau.htm", "Textures/Lin.jpg"}));
    QCOMPARE(b.gardes, QStringList({"Modeles/Album.htm", "Modeles/Perso.htm", "Nouveau.htm"}));
    QCOMPARE(b.absents, QStringList{"Textures/Bois.jpg"});

    // Le démarrage suivant n'a plus rien à faire, et le modèle changé reste à l'utilisateur
    // d'une version à l'autre.
    const auto stable = Empreintes(m_dossier);
    FauxDialogues d3;
    const BilanDossier b3 = Preparer(d3);
    QVERIFY(b3.pret);
    QVERIFY(b3.copies.isEmpty());
    QCOMPARE(Empreintes(m_dossier), stable);
    v2["Modeles/Album.htm"] = "<html>Album 3</html>";
    Poser(m_donnees, v2);
    FauxDialogues d4;
    QVERIFY(Preparer(d4).pret);
    QCOMPARE(LireOctets(m_dossier + "/Modeles/Album.htm"), QByteArray("<html>mon album</html>"));
}

void TestDossierUtilisateur::restaurerToujoursRemis() {
    Poser(m_donnees, Version1());
    FauxDialogues d;
    QVERIFY(Preparer(d).pret);
    EcrireOctets(m_dossier + "/Restaurer/Nouveau.htm", "changé");
    QVERIFY(QFile::remove(m_dossier + "/Restaurer/Nouveau0.gif"));
    FauxDialogues d2;
    const BilanDossier b = Preparer(d2);
    QVERIFY(b.pret);
    QCOMPARE(b.copies, QStringList({"Restaurer/Nouveau.htm", "Restaurer/Nouveau0.gif"}));
    QCOMPARE(Lire(m_dossier), Version1());
}

// Sans journal, rien de présent n'est écrasé : un fichier différent de l'installé est gardé,
// d'une version à l'autre.
void TestDossierUtilisateur::journalPerdu() {
    Poser(m_donnees, Version1());
    FauxDialogues d;
    QVERIFY(Preparer(d).pret);
    QVERIFY(QFile::remove(m_dossier + "/.installation"));
    EcrireOctets(m_dossier + "/Modeles/Album.htm", "<html>mon album</html>");
    FauxDialogues d2;
    const BilanDossier b = Preparer(d2);
    QVERIFY(b.pret);
    QVERIFY(b.copies.isEmpty());
    QCOMPARE(b.gardes, QStringList{"Modeles/Album.htm"});

    Arbre v2 = Version1();
    v2["Modeles/Album.htm"] = "<html>Album 2</html>";
    v2["Modeles/Nuit.htm"] = "<html>Nuit 2</html>";
    Poser(m_donnees, v2);
    FauxDialogues d3;
    QVERIFY(Preparer(d3).pret);
    QCOMPARE(LireOctets(m_dossier + "/Modeles/Album.htm"), QByteArray("<html>mon album</html>"));
    QCOMPARE(LireOctets(m_dossier + "/Modeles/Nuit.htm"), v2["Modeles/Nuit.htm"]);
}

void TestDossierUtilisateur::donneesInutilisables_data() {
    QTest::addColumn<QString>("cas");
    QTest::newRow("absentes") << "absentes";
    QTest::newRow("sans Nouveau.htm") << "Nouveau.htm";
    QTest::newRow("sans Restaurer") << "Restaurer";
    QTest::newRow("un fichier") << "fichier";
}

// Le programme ne démarre pas, le dit en français, et rien n'est créé chez l'utilisateur.
void TestDossierUtilisateur::donneesInutilisables() {
    QFETCH(QString, cas);
    if (cas == "fichier") {
        QDir().mkpath(QFileInfo(m_donnees).path());
        EcrireOctets(m_donnees, "pas un dossier");
    } else if (cas != "absentes") {
        Poser(m_donnees, Version1());
        if (cas == "Nouveau.htm")
            QVERIFY(QFile::remove(m_donnees + "/Nouveau.htm"));
        else
            QVERIFY(QDir(m_donnees + "/Restaurer").removeRecursively());
    }
    FauxDialogues d;
    const BilanDossier b = Preparer(d);
    QVERIFY(!b.pret);
    QCOMPARE(d.messages.size(), 1);
    QCOMPARE(d.dernier().titre, QString("ERREUR"));
    QCOMPARE(d.dernier().icone, Icone::Critique);
    QVERIFY2(d.dernier().texte.contains("Les données du programme sont introuvables ou "
                                        "illisibles") &&
                 d.dernier().texte.contains(m_donnees) &&
                 d.dernier().texte.contains("réinstallez-le"),
             qPrintable(d.dernier().texte));
    QVERIFY(!QFileInfo::exists(m_dossier));
    QVERIFY(!QFileInfo::exists(QFileInfo(m_dossier).path()));
}

// Des données installées sur un disque en lecture seule servent, et rien n'y est écrit.
void TestDossierUtilisateur::donneesEnLectureSeule() {
    PetitDisque disque(1024);
    if (!disque.valide())
        QSKIP(qPrintable(disque.erreur()));
    m_donnees = disque.dossier("share/ostrelle");
    Poser(m_donnees, Version1());
    QVERIFY(disque.LectureSeule());
    const auto avant = Empreintes(disque.chemin());
    FauxDialogues d;
    QVERIFY(Preparer(d).pret);
    QCOMPARE(Lire(m_dossier), Version1());
    QCOMPARE(Empreintes(disque.chemin()), avant);
}

void TestDossierUtilisateur::dossierImpossible_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("sous un fichier") << "fichier"
                                     << "ne peut pas être créé";
    QTest::newRow("disque en lecture seule") << "lecture seule"
                                             << "ne peut pas être créé";
    QTest::newRow("dossier en lecture seule") << "dossier"
                                              << "On ne peut pas écrire";
    QTest::newRow("pas de dossier personnel") << "vide"
                                              << "HOME";
}

// Un dossier de l'utilisateur impossible à créer ou à écrire : un message, rien de fait.
void TestDossierUtilisateur::dossierImpossible() {
    QFETCH(QString, cas);
    QFETCH(QString, attendu);
    Poser(m_donnees, Version1());
    std::unique_ptr<PetitDisque> disque;
    if (cas == "fichier") {
        QDir().mkpath(m_tmp->filePath("home"));
        EcrireOctets(m_tmp->filePath("home/.local"), "un fichier");
    } else if (cas == "vide") {
        m_dossier.clear();
    } else {
        disque = std::make_unique<PetitDisque>(1024);
        if (!disque->valide())
            QSKIP(qPrintable(disque->erreur()));
        m_dossier = disque->chemin() + "/Ostrelle";
        if (cas == "dossier")
            QVERIFY(QDir().mkpath(m_dossier));
        QVERIFY(disque->LectureSeule());
    }
    FauxDialogues d;
    const BilanDossier b = Preparer(d);
    QVERIFY(!b.pret);
    QCOMPARE(d.messages.size(), 1);
    QCOMPARE(d.dernier().titre, QString("ERREUR"));
    QVERIFY2(d.dernier().texte.contains(attendu) &&
                 d.dernier().texte.contains("ne peut pas démarrer"),
             qPrintable(d.dernier().texte));
    if (!m_dossier.isEmpty())
        QVERIFY2(
            !QFileInfo(m_dossier).isDir() ||
                QDir(m_dossier).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            qPrintable(m_dossier));
    QVERIFY(b.copies.isEmpty());
}

void TestDossierUtilisateur::arretEntreDeuxFichiers_data() {
    QTest::addColumn<int>("arret");
    QTest::newRow("après le premier") << 1;
    QTest::newRow("au milieu") << int(Version1().size() / 2);
    QTest::newRow("avant le dernier") << int(Version1().size() - 1);
    QTest::newRow("après le dernier") << int(Version1().size());
}

// Un premier démarrage tué entre deux copies : le suivant finit le dossier, sans rien recopier
// de ce qui était déjà là ni laisser de reste.
void TestDossierUtilisateur::arretEntreDeuxFichiers() {
    QFETCH(int, arret);
    Poser(m_donnees, Version1());
    QProcess enfant;
    enfant.start(ENFANT_DOSSIER, {m_donnees, m_dossier, QString::number(arret)});
    QVERIFY(enfant.waitForFinished(60'000));
    QCOMPARE(enfant.exitStatus(), QProcess::CrashExit);
    QVERIFY(!enfant.readAllStandardOutput().contains("PRET"));

    const Arbre partiel = Lire(m_dossier);
    QCOMPARE(int(partiel.size()), arret);
    VerifierSansFichierCoupe(m_dossier, Version1());
    const auto dejaLa = Empreintes(m_dossier);

    FauxDialogues d;
    const BilanDossier b = Preparer(d);
    QVERIFY(b.pret);
    QVERIFY(d.messages.isEmpty());
    QCOMPARE(Lire(m_dossier), Version1());
    QCOMPARE(b.copies.size(), Version1().size() - arret);
    QVERIFY(b.gardes.isEmpty());
    for (auto it = partiel.begin(); it != partiel.end(); ++it)
        QCOMPARE(Empreintes(m_dossier)[it.key()], dejaLa[it.key()]);
    QCOMPARE(Caches(m_dossier), QStringList{".installation"});
}

// Tué au milieu de la copie d'un gros fichier : rien de coupé sous son nom, et le démarrage
// suivant le copie entier et efface la copie interrompue.
void TestDossierUtilisateur::arretPendantUneCopie() {
    Arbre donnees = Version1();
    donnees["Exemples/Film.avi"] = Aleatoire(96 * 1024 * 1024);
    Poser(m_donnees, donnees);
    const QString provisoire = m_dossier + "/Exemples/.Film.avi.copie";

    QProcess enfant;
    enfant.start(ENFANT_DOSSIER, {m_donnees, m_dossier, "0"});
    QVERIFY(enfant.waitForStarted());
    // Dès que la copie du gros fichier a commencé, sous quelque nom que ce soit.
    const QString place = m_dossier + "/Exemples/Film.avi";
    bool tue = false;
    QDeadlineTimer limite(60'000);
    while (!enfant.waitForFinished(0) && !limite.hasExpired()) {
        if (QFileInfo::exists(provisoire) || QFileInfo::exists(place)) {
            ::kill(static_cast<pid_t>(enfant.processId()), SIGKILL);
            tue = true;
            break;
        }
    }
    QVERIFY(enfant.waitForFinished(60'000));
    QVERIFY2(tue, "l'enfant a fini avant d'avoir pu être arrêté");
    QCOMPARE(enfant.exitStatus(), QProcess::CrashExit);
    VerifierSansFichierCoupe(m_dossier, donnees);
    // Il a bien été arrêté pendant la copie, avant qu'elle ne prenne sa place.
    QVERIFY(QFileInfo::exists(provisoire));
    QVERIFY(!QFileInfo::exists(place));

    FauxDialogues d;
    const BilanDossier b = Preparer(d);
    QVERIFY(b.pret);
    QVERIFY(b.copies.contains("Exemples/Film.avi"));
    QVERIFY(Lire(m_dossier) == donnees);
    QCOMPARE(Caches(m_dossier), QStringList{".installation"});
}

// Ostrelle et Kestrane lancés ensemble au premier démarrage : l'un attend que l'autre ait
// rempli le dossier, aucun n'échoue, rien n'est copié deux fois.
void TestDossierUtilisateur::deuxProgrammesEnsemble() {
    Arbre donnees = Version1();
    for (int i = 0; i < 40; ++i)
        donnees[QStringLiteral("Exemples/photo%1.jpg").arg(i)] = Aleatoire(256 * 1024) + char(i);
    Poser(m_donnees, donnees);
    QProcess a, b;
    a.start(ENFANT_DOSSIER, {m_donnees, m_dossier, "0"});
    b.start(ENFANT_DOSSIER, {m_donnees, m_dossier, "0"});
    QVERIFY(a.waitForFinished(60'000));
    QVERIFY(b.waitForFinished(60'000));
    const QByteArray erreurs = a.readAllStandardError() + b.readAllStandardError();
    const QList<QByteArray> sortieA = a.readAllStandardOutput().trimmed().split(' ');
    const QList<QByteArray> sortieB = b.readAllStandardOutput().trimmed().split(' ');
    QCOMPARE(sortieA.size(), 2);
    QCOMPARE(sortieB.size(), 2);
    QVERIFY2(sortieA[0] == "PRET" && sortieB[0] == "PRET", erreurs.constData());
    QCOMPARE(sortieA[1].toInt() + sortieB[1].toInt(), int(donnees.size()));
    QVERIFY(Lire(m_dossier) == donnees);
    QCOMPARE(Caches(m_dossier), QStringList{".installation"});
    // Le journal dit tout : un troisième démarrage n'a rien à faire.
    FauxDialogues d;
    const BilanDossier bilan = Preparer(d);
    QVERIFY(bilan.pret);
    QVERIFY(bilan.copies.isEmpty());
    QVERIFY(bilan.gardes.isEmpty());
}

// Le disque se remplit pendant le premier démarrage : un message, chaque fichier présent est
// entier, pas de copie provisoire laissée ; une fois la place rendue, le démarrage suivant finit.
void TestDossierUtilisateur::disquePlein() {
    PetitDisque disque(4096);
    if (!disque.valide())
        QSKIP(qPrintable(disque.erreur()));
    Arbre donnees = Version1();
    for (const char* nom : {"Textures/Ardoise.jpg", "Textures/Feutre.jpg", "Textures/Liege.jpg",
                            "Textures/Marbre.jpg"})
        donnees[nom] = Aleatoire(300 * 1024) + nom;
    Poser(m_donnees, donnees);
    m_dossier = disque.chemin() + "/Ostrelle";
    disque.Remplir(700 * 1024);

    FauxDialogues d;
    const BilanDossier b = Preparer(d);
    QVERIFY(!b.pret);
    QCOMPARE(d.messages.size(), 1);
    QVERIFY2(d.dernier().texte.contains("Le disque est plein") &&
                 d.dernier().texte.contains("relancez le programme"),
             qPrintable(d.dernier().texte));
    QVERIFY(!b.copies.isEmpty());
    QVERIFY(b.copies.size() < donnees.size());
    VerifierSansFichierCoupe(m_dossier, donnees);
    for (const QString& nom : Caches(m_dossier))
        QVERIFY2(!nom.endsWith(".copie"), qPrintable(nom));

    disque.Vider();
    FauxDialogues d2;
    const BilanDossier b2 = Preparer(d2);
    QVERIFY(b2.pret);
    QVERIFY(d2.messages.isEmpty());
    QVERIFY(Lire(m_dossier) == donnees);
    QCOMPARE(b2.copies.size() + b.copies.size(), donnees.size());
    QCOMPARE(Caches(m_dossier), QStringList{".installation"});
}

QTEST_GUILESS_MAIN(TestDossierUtilisateur)
#include "test_dossier_utilisateur.moc"
