// Une ligne par commentaire, une ligne pour l'entête : un saut de ligne ou un caractère nul
// dans le fichier de projet décalerait les commentaires (le dernier perdu) ou le rendrait
// illisible pour toujours. Ni l'entête collée, ni un RTF collé, ni un « face='...' » ne doivent
// y en mettre, et l'écrivain refuse d'en écrire.

#include "Banc.h"
#include "CommandesTexte.h"
#include "FichierProjet.h"
#include "UneLigne.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {
const QChar Interdits[] = {u'\r', u'\n', QChar(0), QChar(0x2028), QChar(0x2029)};

// Un texte au hasard, truffé de sauts de ligne, de séparateurs Unicode, de caractères nuls et
// de contrôle, de caractères hors de la page de code et de ce que le script échappe.
QString TexteAuHasard(QRandomGenerator& g, int longueurMax) {
    static const QStringList Morceaux = {"a",
                                         "é",
                                         "Z",
                                         " ",
                                         "\t",
                                         "\r",
                                         "\n",
                                         "\r\n",
                                         QString(QChar(0)),
                                         QString(QChar(0x2028)),
                                         QString(QChar(0x2029)),
                                         QString(QChar(0x1B)),
                                         QString(QChar(0x85)),
                                         "\"",
                                         "|",
                                         "<b>",
                                         "&#8233;",
                                         "Ω",
                                         "😀",
                                         "€",
                                         "'"};
    QString t;
    const int n = static_cast<int>(g.bounded(longueurMax + 1));
    for (int i = 0; i < n; ++i)
        t += Morceaux[g.bounded(static_cast<int>(Morceaux.size()))];
    return t;
}

// Enregistre le projet ouvert puis le relit tel qu'Ostrelle le relirait.
LectureProjet EnregistrerEtRelire(Banc& b) {
    b.dialogues.messages.clear();
    b.editeur.CommandeEnregistrer();
    if (b.dialogues.dernier().titre != QLatin1String("SAUVEGARDE"))
        qWarning() << b.dialogues.dernier().texte;
    return LireFichierProjet(b.editeur.RepImage + ".cin");
}
} // namespace

class TestUneLigne : public QObject {
    Q_OBJECT
private slots:
    void ecrivainRefuse_data();
    void ecrivainRefuse();
    void nomEtDossierNettoyes();
    void enteteCollee();
    void policeColleeEnRTF_data();
    void policeColleeEnRTF();
    void faceAvecSeparateur();
    void propriete();
};

void TestUneLigne::ecrivainRefuse_data() {
    QTest::addColumn<bool>("entete");
    QTest::addColumn<QChar>("caractere");
    for (const bool entete : {true, false})
        for (const QChar c : Interdits)
            QTest::addRow("%s U+%04X", entete ? "entête" : "commentaire", c.unicode())
                << entete << c;
}

void TestUneLigne::ecrivainRefuse() {
    QFETCH(bool, entete);
    QFETCH(QChar, caractere);
    Bac bac;
    const QString chemin = bac.projets + "/P.cin";
    EcrireOctets(chemin, "ancien");
    const QString infos[2] = {"premier", "second"};
    QString mauvais[2] = {infos[0], QString("sec") + caractere + "ond"};
    ContenuProjet c;
    c.nom = "P";
    c.repertoire = bac.projets;
    c.nbSprite = 2;
    c.entete = entete ? QString("Tit") + caractere + "re" : QString("Titre");
    c.infos = entete ? infos : mauvais;
    QString erreur;
    QVERIFY(!EcrireFichierProjet(chemin, c, &erreur));
    QVERIFY2(erreur.contains(entete ? "L'entête du diaporama" : "Le commentaire de la diapo 1"),
             qPrintable(erreur));
    QCOMPARE(LireOctets(chemin), QByteArray("ancien"));
}

// Le nom et le dossier ne sont jamais relus : un dossier au nom bizarre n'empêche pas
// d'enregistrer, et le fichier garde ses lignes.
void TestUneLigne::nomEtDossierNettoyes() {
    Bac bac;
    const QString infos[1] = {"seul"};
    ContenuProjet c;
    c.nom = "P";
    c.repertoire = "/un\ndossier\r\nbizarre";
    c.nbSprite = 1;
    c.entete = "Titre";
    c.infos = infos;
    QVERIFY(EcrireFichierProjet(bac.projets + "/P.cin", c));
    QCOMPARE(LireOctets(bac.projets + "/P.cin"),
             QByteArray("Nom=P\r\nRepertoire=/un dossier bizarre\r\nNbSprite=1\r\nTag=Titre\r\n"
                        "seul\r\n"));
}

// Une ligne copiée emporte son saut de ligne : collée dans l'entête, elle ne doit pas décaler
// les commentaires du fichier.
void TestUneLigne::enteteCollee() {
    Banc b;
    b.bac.CreerProjet("P", {"un", "deux", "trois"}, {".jpg", ".jpg", ".jpg"});
    b.Ouvrir("P");
    CommandesTexte commandes(b.editeur);
    commandes.PerteFocusEntete("Nos vacances\n");
    QCOMPARE(b.editeur.Entete, QString("Nos vacances "));
    b.editeur.txtEntete = "Mer\r\net\u2029soleil";
    const LectureProjet l = EnregistrerEtRelire(b);
    QCOMPARE(b.dialogues.dernier().titre, QString("SAUVEGARDE"));
    QVERIFY(l.accepte);
    QCOMPARE(l.entete, QString("Mer et soleil"));
    QCOMPARE(l.nbSprite, 3);
    QCOMPARE(l.infos.last(), QString("trois"));
}

void TestUneLigne::policeColleeEnRTF_data() {
    QTest::addColumn<QString>("rtf");
    QTest::newRow("CR LF") << R"({\rtf1\ansi{\fonttbl{\f0 Ari\'0d\'0aal;}}\f0 coll\'e9})";
    QTest::newRow("nul") << R"({\rtf1\ansi{\fonttbl{\f0 A\'00B;}}\f0 coll\'e9})";
    QTest::newRow("séparateur") << R"({\rtf1\ansi{\fonttbl{\f0 A\u8233?B;}}\f0 coll\'e9})";
}

void TestUneLigne::policeColleeEnRTF() {
    QFETCH(QString, rtf);
    Banc b;
    b.bac.CreerProjet("P", {"un", "deux"}, {".jpg", ".jpg"});
    b.Ouvrir("P");
    CommandesTexte commandes(b.editeur);
    QTextCursor c(&b.editeur.richtxtTexteInfo);
    c.movePosition(QTextCursor::End);
    commandes.Coller(rtf, c);
    QVERIFY(b.dialogues.messages.isEmpty());
    b.editeur.RichVersHTML();
    QVERIFY2(TientSurUneLigne(b.editeur.Info[0]), qPrintable(b.editeur.Info[0]));
    QVERIFY(b.editeur.Info[0].contains("collé"));
    const LectureProjet l = EnregistrerEtRelire(b);
    QVERIFY(l.accepte);
    QCOMPARE(l.infos, QStringList({b.editeur.Info[0], "deux"}));
}

// « &#8233; » dans un fichier fait à la main se relit en séparateur de paragraphe : il ne doit
// pas revenir en saut de ligne dans le nom de police.
void TestUneLigne::faceAvecSeparateur() {
    Banc b;
    EcrireOctets(b.Projet("P.cin"),
                 "Nom=P\r\nRepertoire=x\r\nNbSprite=2\r\nTag=t\r\n"
                 "<font face='Ar&#8233;ial' size='2' color='#000000'>un<br></font>\r\n"
                 "deux\r\n");
    CreerImage(b.Projet("P0.jpg"), 4, 4);
    CreerImage(b.Projet("P1.jpg"), 4, 4);
    b.Ouvrir("P");
    const LectureProjet l = EnregistrerEtRelire(b);
    QVERIFY(l.accepte);
    QCOMPARE(l.nbSprite, 2);
    QVERIFY(TientSurUneLigne(l.infos[0]));
    QCOMPARE(l.infos[1], QString("deux"));
}

// Au hasard : ce qui passe par l'entête, le collage et l'écrivain se relit toujours tel qu'il
// était en mémoire, et l'écrivain ne laisse jamais passer une ligne coupée.
void TestUneLigne::propriete() {
    QRandomGenerator g(20261208);
    for (int essai = 0; essai < 60; ++essai) {
        Banc b;
        b.bac.CreerProjet("P", {"un", "deux", "trois"}, {".jpg", ".gif", ".jpg"});
        b.Ouvrir("P");
        CommandesTexte commandes(b.editeur);
        commandes.PerteFocusEntete(TexteAuHasard(g, 12));
        b.editeur.txtEntete = b.editeur.Entete;
        for (int i = 0; i < 3; ++i) {
            b.editeur.EcrireNumDiapo(QString::number(i));
            QTextCursor c(&b.editeur.richtxtTexteInfo);
            c.movePosition(QTextCursor::End);
            commandes.Coller(TexteAuHasard(g, 20), c);
            b.editeur.RichVersHTML();
        }
        const LectureProjet l = EnregistrerEtRelire(b);
        QVERIFY2(l.accepte, qPrintable(QString("essai %1 : %2").arg(essai).arg(l.raison)));
        QCOMPARE(l.nbSprite, 3);
        QCOMPARE(l.entete, b.editeur.Entete);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(l.infos[i], b.editeur.Info[i]);

        // L'écrivain seul, sur des textes bruts : il écrit ce qui se relit, refuse le reste.
        const QString entete = TexteAuHasard(g, 8);
        const QString infos[2] = {TexteAuHasard(g, 8), TexteAuHasard(g, 8)};
        ContenuProjet contenu{"Q", "x", 2, entete, infos};
        const bool ecrit = EcrireFichierProjet(b.bac.projets + "/Q.cin", contenu);
        QCOMPARE(ecrit, TientSurUneLigne(entete) && TientSurUneLigne(infos[0]) &&
                            TientSurUneLigne(infos[1]));
        if (ecrit) {
            const LectureProjet q = LireFichierProjet(b.bac.projets + "/Q.cin");
            QVERIFY(q.accepte);
            QCOMPARE(q.entete, entete);
            QCOMPARE(q.infos, QStringList({infos[0], infos[1]}));
        }
        QFile::remove(b.bac.projets + "/Q.cin");
    }
}

QTEST_GUILESS_MAIN(TestUneLigne)
#include "test_une_ligne.moc"
