// Les trois listes du parcours des disques : contenu, déplacements, motif, clavier, lecteurs.

#include "Parcours.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Un arbre fabriqué pour chaque essai ; un nom finissant par « / » est un dossier.
struct Arbre {
    QTemporaryDir tmp;

    explicit Arbre(const QStringList& noms = {}) {
        for (const QString& n : noms)
            creer(n);
    }
    QString chemin(const QString& relatif = QString()) const {
        return QDir::cleanPath(relatif.isEmpty() ? tmp.path() : tmp.filePath(relatif));
    }
    QString creer(const QString& n) const {
        if (n.endsWith('/'))
            QDir().mkpath(chemin(n));
        else {
            QDir().mkpath(QFileInfo(chemin(n)).path());
            QFile f(chemin(n));
            f.open(QIODevice::WriteOnly);
        }
        return chemin(n);
    }
};

QStringList Textes(const QListWidget& liste, int debut = 0) {
    QStringList t;
    for (int i = debut; i < liste.count(); ++i)
        t.append(liste.item(i)->text());
    return t;
}

QListWidgetItem* Entree(const QListWidget& liste, const QString& texte) {
    const auto l = liste.findItems(texte, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return l.isEmpty() ? nullptr : l.first();
}

void Cliquer(QListWidget& liste, const QString& texte) {
    QTest::mouseClick(liste.viewport(), Qt::LeftButton, {},
                      liste.visualItemRect(Entree(liste, texte)).center());
}

// Comme une vraie souris : un clic, puis le second appui qui fait le double clic.
void DoubleCliquer(QListWidget& liste, const QString& texte) {
    Cliquer(liste, texte);
    const QPoint centre = liste.visualItemRect(Entree(liste, texte)).center();
    QTest::mouseDClick(liste.viewport(), Qt::LeftButton, {}, centre);
}

// Le widget suivant que Tab atteint depuis w.
QWidget* SuivantTab(QWidget* w) {
    for (QWidget* s = w->nextInFocusChain(); s && s != w; s = s->nextInFocusChain())
        if (s->focusPolicy() & Qt::TabFocus)
            return s;
    return nullptr;
}
} // namespace

class TestParcours : public QObject {
    Q_OBJECT
private slots:
    void dossiersEtDeplacements();
    void motifEtRafraichissement();
    void cheminAbsentRefuse();
    void signauxDesFichiers();
    void lecteurs();
    void compositionEtMemoire();
};

void TestParcours::dossiersEtDeplacements() {
    Arbre a({"racine/beta/bas.jpg", "racine/beta/gamma/", "racine/Alpha/", "racine/charlie/",
             "racine/Delta/", "racine/.cache/", "racine/haut.jpg"});
    const QString racine = a.chemin("racine");
    Parcours p;
    p.File1()->definirMotif("*.jpg");
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    ListeDossiers& dir1 = *p.Dir1();
    QSignalSpy change(&dir1, &ListeDossiers::cheminChange);
    QVERIFY(p.allerA(racine + "/beta/.."));
    QCOMPARE(p.dossier(), racine);
    QCOMPARE(change.count(), 1);

    // Les ancêtres depuis « / », un cran de retrait chacun, puis les sous-dossiers triés.
    QStringList ancetres;
    for (QString c = racine; ancetres.isEmpty() || ancetres.first() != "/"; c = QFileInfo(c).path())
        ancetres.prepend(c);
    const int n = static_cast<int>(ancetres.size());
    QCOMPARE(dir1.nombreAncetres(), n);
    for (int i = 0; i < n; ++i) {
        QCOMPARE(dir1.item(i)->data(ListeDossiers::RoleChemin).toString(), ancetres[i]);
        QCOMPARE(dir1.item(i)->data(ListeDossiers::RoleNiveau).toInt(), i);
    }
    QCOMPARE(dir1.item(0)->text(), QString("/"));
    QCOMPARE(Textes(dir1, n), (QStringList{"Alpha", "beta", "charlie", "Delta"}));
    QCOMPARE(dir1.item(n)->data(ListeDossiers::RoleNiveau).toInt(), n);
    QCOMPARE(dir1.item(n)->data(ListeDossiers::RoleChemin).toString(), racine + "/Alpha");
    QCOMPARE(dir1.currentRow(), n - 1);
    QVERIFY(dir1.item(n - 1)->isSelected());
    QCOMPARE(Textes(*p.File1()), QStringList{"haut.jpg"});

    // Double clic sur un sous-dossier, puis Entrée sur un ancêtre.
    DoubleCliquer(dir1, "beta");
    QCOMPARE(p.dossier(), racine + "/beta");
    QCOMPARE(p.File1()->chemin(), racine + "/beta");
    QCOMPARE(Textes(*p.File1()), QStringList{"bas.jpg"});
    QCOMPARE(Textes(dir1, dir1.nombreAncetres()), QStringList{"gamma"});
    dir1.setCurrentItem(Entree(dir1, "racine"));
    QTest::keyClick(&dir1, Qt::Key_Return);
    QCOMPARE(p.dossier(), racine);
    QCOMPARE(Textes(*p.File1()), QStringList{"haut.jpg"});

    // Flèche et Entrée, Retour arrière pour remonter.
    QTest::keyClick(&dir1, Qt::Key_Down);
    QTest::keyClick(&dir1, Qt::Key_Enter);
    QCOMPARE(p.dossier(), racine + "/Alpha");
    QCOMPARE(p.File1()->count(), 0);
    QTest::keyClick(&dir1, Qt::Key_Backspace);
    QTest::keyClick(&dir1, Qt::Key_Backspace);
    QCOMPARE(p.dossier(), a.chemin());
    QCOMPARE(p.File1()->chemin(), a.chemin());
    QCOMPARE(change.count(), 6);
}

void TestParcours::motifEtRafraichissement() {
    Arbre a(
        {"a.JPG", "b.gif", "D.gif", "c.png", "d.cin", "e.jpg", ".f.jpg", "g.jpg.bak", "z.jpg/"});
    ListeFichiers file1;
    file1.definirMotif("*.jpg;*.gif");
    QVERIFY(file1.definirChemin(a.chemin()));
    QCOMPARE(Textes(file1), (QStringList{"a.JPG", "b.gif", "D.gif", "e.jpg"}));

    // Le choix survit à un nouveau motif qui garde le fichier ; espaces et morceau vide tolérés.
    file1.selectionnerFichier("b.gif");
    file1.definirMotif(" *.cin ;; *.GIF ");
    QCOMPARE(Textes(file1), (QStringList{"b.gif", "d.cin", "D.gif"}));
    QCOMPARE(file1.nomFichier(), QString("b.gif"));
    file1.definirMotif("*.png");
    QCOMPARE(file1.nomFichier(), QString());

    // Relire montre les nouveaux fichiers et garde le choix, sans rien signaler.
    file1.definirMotif("*.jpg;*.gif");
    file1.selectionnerFichier("e.jpg");
    QSignalSpy clique(&file1, &ListeFichiers::fichierClique);
    a.creer("aa.jpg");
    QCOMPARE(file1.count(), 4);
    file1.rafraichir();
    QCOMPARE(Textes(file1), (QStringList{"a.JPG", "aa.jpg", "b.gif", "D.gif", "e.jpg"}));
    QCOMPARE(file1.nomFichier(), QString("e.jpg"));
    QVERIFY(QFile::remove(a.chemin("e.jpg")));
    file1.rafraichir();
    QCOMPARE(file1.nomFichier(), QString());
    QCOMPARE(clique.count(), 0);

    // Redonner le même dossier relit aussi.
    file1.selectionnerFichier("b.gif");
    a.creer("c.gif");
    QVERIFY(file1.definirChemin(a.chemin()));
    QCOMPARE(file1.count(), 5);
    QCOMPARE(file1.nomFichier(), QString("b.gif"));
}

void TestParcours::cheminAbsentRefuse() {
    Arbre a({"racine/sous/", "racine/texte.jpg"});
    const QString racine = a.chemin("racine");
    Parcours p;
    QVERIFY(p.allerA(racine));
    QSignalSpy change(p.Dir1(), &ListeDossiers::cheminChange);
    const QStringList avant = Textes(*p.Dir1());
    for (const QString& mauvais : {racine + "/absent", racine + "/texte.jpg", QString()}) {
        QVERIFY(!p.Dir1()->definirChemin(mauvais));
        QVERIFY(!p.File1()->definirChemin(mauvais));
    }
    QCOMPARE(p.Dir1()->chemin(), racine);
    QCOMPARE(Textes(*p.Dir1()), avant);
    QCOMPARE(p.File1()->chemin(), racine);
    QCOMPARE(Textes(*p.File1()), QStringList{"texte.jpg"});
    QCOMPARE(change.count(), 0);

    // Le composite se rabat sur le plus proche ancêtre qui existe.
    QVERIFY(!p.allerA(racine + "/sous/absent/plus/loin"));
    QCOMPARE(p.dossier(), racine + "/sous");
    QCOMPARE(p.File1()->chemin(), racine + "/sous");

    // Un sous-dossier effacé sous les yeux de la liste disparaît quand on l'ouvre.
    QVERIFY(p.allerA(racine));
    QVERIFY(QDir(racine + "/sous").removeRecursively());
    p.Dir1()->setCurrentItem(Entree(*p.Dir1(), "sous"));
    QTest::keyClick(p.Dir1(), Qt::Key_Return);
    QCOMPARE(p.dossier(), racine);
    QVERIFY(!Entree(*p.Dir1(), "sous"));
}

void TestParcours::signauxDesFichiers() {
    Arbre a({"a.jpg", "b.jpg", "c.jpg"});
    ListeFichiers file1;
    QVERIFY(file1.definirChemin(a.chemin()));
    file1.show();
    QVERIFY(QTest::qWaitForWindowExposed(&file1));
    QSignalSpy clique(&file1, &ListeFichiers::fichierClique);
    QSignalSpy double_(&file1, &ListeFichiers::fichierDoubleClique);
    auto dernier = [](const QSignalSpy& s) { return s.last().at(0).toString(); };

    // Rien de choisi : Entrée ne fait rien ; un choix par programme ne signale rien.
    QTest::keyClick(&file1, Qt::Key_Return);
    file1.selectionnerFichier("a.jpg");
    QCOMPARE(file1.nomFichier(), QString("a.jpg"));
    QCOMPARE(clique.count() + double_.count(), 0);

    QTest::keyClick(&file1, Qt::Key_Down);
    QCOMPARE(clique.count(), 1);
    QCOMPARE(dernier(clique), QString("b.jpg"));
    QTest::keyClick(&file1, Qt::Key_Return);
    QCOMPARE(double_.count(), 1);
    QCOMPARE(dernier(double_), QString("b.jpg"));

    // Un clic signale une seule fois, qu'il change de fichier ou non.
    Cliquer(file1, "c.jpg");
    QCOMPARE(clique.count(), 2);
    Cliquer(file1, "c.jpg");
    QCOMPARE(clique.count(), 3);
    QCOMPARE(dernier(clique), QString("c.jpg"));
    DoubleCliquer(file1, "a.jpg");
    QCOMPARE(double_.count(), 2);
    QCOMPARE(dernier(double_), QString("a.jpg"));
}

void TestParcours::lecteurs() {
    // Les vrais : le dossier personnel d'abord, « / » ensuite, rien du noyau, pas de doublon.
    ListeLecteurs reels;
    QCOMPARE(reels.itemData(0).toString(), QDir::cleanPath(QDir::homePath()));
    QVERIFY(reels.itemText(0).startsWith("Dossier personnel"));
    QVERIFY(reels.findData("/") > 0);
    QSet<QString> vues;
    for (int i = 0; i < reels.count(); ++i) {
        const QString r = reels.itemData(i).toString();
        QVERIFY2(!vues.contains(r) && !r.startsWith("/proc") && !r.startsWith("/sys/"),
                 qPrintable(r));
        vues.insert(r);
    }
    const QList<std::tuple<const char*, const char*, bool>> volumes = {
        {"/", "overlay", true},
        {"/media/jean/CLE", "vfat", true},
        {"/run/media/j/C", "exfat", true},
        {"/runner", "ext4", true},
        {"/run/user/1000", "tmpfs", false},
        {"/run/credentials", "ext4", false},
        {"/proc", "proc", false},
        {"/sys/fs/cgroup", "cgroup2", false},
        {"/dev/shm", "tmpfs", false},
        {"/snap/core/12", "squashfs", false},
        {"/tmp", "tmpfs", false},
        {"/boot/efi", "vfat", false}};
    for (const auto& [racine, type, utile] : volumes)
        QVERIFY2(ListeLecteurs::volumeUtile(racine, type) == utile, racine);

    // Des lecteurs factices : la maison, une clé absente, un disque, un dossier de la maison.
    Arbre a({"maison/sous/", "disque/photo.jpg", "maison/ab/"});
    const QString maison = a.chemin("maison"), disque = a.chemin("disque");
    Parcours p;
    ListeLecteurs& drive1 = *p.Drive1();
    drive1.definirSource([&] {
        return QList<ListeLecteurs::Lecteur>{
            {"Maison", maison}, {"Clé", a.chemin("cle")}, {"A", maison + "/a"}, {"Disque", disque}};
    });
    QSignalSpy choisi(&drive1, &ListeLecteurs::lecteurChoisi);
    // Le lecteur au plus près, sans confondre « a » et « ab », et sans signal.
    QVERIFY(p.allerA(maison + "/ab"));
    QCOMPARE(drive1.lecteur(), maison);
    drive1.choisirLecteurDe(maison + "/a/b");
    QCOMPARE(drive1.lecteur(), maison + "/a");
    QVERIFY(p.allerA(maison + "/sous"));
    QCOMPARE(drive1.lecteur(), maison);
    QCOMPARE(choisi.count(), 0);

    // La clé n'existe pas : le choix revient sans bruit sur le lecteur du dossier.
    QTest::keyClick(&drive1, Qt::Key_Down);
    QCOMPARE(choisi.count(), 1);
    QCOMPARE(drive1.lecteur(), maison);
    QCOMPARE(p.dossier(), maison + "/sous");
    QCOMPARE(p.File1()->chemin(), maison + "/sous");
    // Un lecteur lisible emmène dossiers et fichiers à sa racine.
    QTest::keyClick(&drive1, Qt::Key_End);
    QCOMPARE(choisi.count(), 2);
    QCOMPARE(drive1.lecteur(), disque);
    QCOMPARE(p.dossier(), disque);
    QCOMPARE(Textes(*p.File1()), QStringList{"photo.jpg"});
}

void TestParcours::compositionEtMemoire() {
    Arbre a({"racine/un/", "racine/deux/", "racine/trois/", "racine/a.jpg", "racine/b.gif"});
    const QString racine = a.chemin("racine");
    Parcours p;
    QCOMPARE(p.dossier(), QDir::cleanPath(QDir::homePath()));
    QCOMPARE(p.Drive1()->accessibleName(), QString("Lecteur"));
    QCOMPARE(p.Dir1()->accessibleName(), QString("Dossiers"));
    QCOMPARE(p.File1()->accessibleName(), QString("Fichiers"));
    QCOMPARE(SuivantTab(p.Drive1()), p.Dir1());
    QCOMPARE(SuivantTab(p.Dir1()), p.File1());
    QVERIFY(p.allerA(racine));
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    QVERIFY(p.Drive1()->geometry().bottom() < p.Dir1()->geometry().top());
    QVERIFY(p.Dir1()->geometry().right() < p.File1()->geometry().left());

    // Cachée puis remontrée, la boîte retrouve sa place et voit un fichier nouveau.
    p.Dir1()->setCurrentItem(Entree(*p.Dir1(), "trois"));
    p.File1()->selectionnerFichier("b.gif");
    QCOMPARE(p.cheminFichier(), racine + "/b.gif");
    p.hide();
    a.creer("racine/aa.jpg");
    p.show();
    QCOMPARE(p.dossier(), racine);
    QCOMPARE(p.Dir1()->currentItem()->text(), QString("trois"));
    QCOMPARE(p.File1()->nomFichier(), QString("b.gif"));
    QVERIFY(Entree(*p.File1(), "aa.jpg"));

    // Son dossier effacé entre-temps : elle retombe sur le parent.
    QVERIFY(p.allerA(racine + "/deux"));
    p.hide();
    QVERIFY(QDir(racine + "/deux").removeRecursively());
    p.show();
    QCOMPARE(p.dossier(), racine);
    QCOMPARE(p.File1()->chemin(), racine);

    Parcours colonne(nullptr, Parcours::Disposition::EnColonne);
    colonne.show();
    QVERIFY(QTest::qWaitForWindowExposed(&colonne));
    QVERIFY(colonne.Dir1()->geometry().bottom() < colonne.File1()->geometry().top());
}

QTEST_MAIN(TestParcours)
#include "test_parcours.moc"
