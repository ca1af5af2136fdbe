// Modèles de page et de script, pages d'aide : le générateur remplace des lignes à des
// numéros fixes, donc la place de chaque ligne et les fins CR LF font partie du contrat.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString Donnees(const QString& nom) {
    return QStringLiteral(DOSSIER_DONNEES "/") + nom;
}

// Lignes d'un fichier CR LF ; échoue (liste vide et message) à la moindre fin de ligne
// autre que CR LF ou au moindre octet hors ASCII.
QList<QByteArray> LignesCrLf(const QString& chemin, QString* erreur) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        *erreur = chemin + QStringLiteral(" illisible");
        return {};
    }
    const QByteArray octets = fichier.readAll();
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const uchar c = static_cast<uchar>(octets[i]);
        if (c >= 0x80) {
            *erreur = QStringLiteral("%1 : octet %2 hors ASCII").arg(chemin).arg(i);
            return {};
        }
        const bool crSeul = c == '\r' && (i + 1 == octets.size() || octets[i + 1] != '\n');
        const bool lfSeul = c == '\n' && (i == 0 || octets[i - 1] != '\r');
        if (crSeul || lfSeul) {
            *erreur =
                QStringLiteral("%1 : fin de ligne autre que CR LF à l'octet %2").arg(chemin).arg(i);
            return {};
        }
    }
    if (!octets.endsWith("\r\n")) {
        *erreur = chemin + QStringLiteral(" : dernière ligne sans CR LF");
        return {};
    }
    QList<QByteArray> lignes = octets.left(octets.size() - 2).split('\n');
    for (QByteArray& l : lignes)
        l.chop(1);
    return lignes;
}

// Lignes comptées à partir de 1, comme le générateur les compte.
QByteArray Ligne(const QList<QByteArray>& lignes, int numero) {
    return numero <= lignes.size() ? lignes[numero - 1] : QByteArray("<absente>");
}

// La page s'ouvre depuis le disque, sans réseau : elle ne désigne que des fichiers du projet
// ou des données en ligne, jamais un serveur, une police à télécharger ou un module.
void VerifierRessourcesLocales(const QString& chemin, const QByteArray& texte) {
    const QString page = QString::fromLatin1(texte);
    const QStringList permis = {QStringLiteral("Nouveau.js"), QStringLiteral("imgFond.jpg"),
                                QStringLiteral("imgFondTable.jpg")};
    const QRegularExpression reference(QStringLiteral(
        "(?:\\b(?:src|href)\\s*=\\s*\"([^\"]*)\"|url\\(\\s*\"?([^\")]*)\"?\\s*\\))"));
    int vues = 0;
    for (const auto& m : reference.globalMatch(page)) {
        const QString cible = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
        ++vues;
        QVERIFY2(permis.contains(cible) || cible.startsWith(QLatin1String("data:image/")),
                 qPrintable(chemin + QStringLiteral(" : ") + cible));
    }
    QVERIFY2(vues >= 2, qPrintable(chemin));
    for (const char* interdit : {"http:", "https:", "\"//", "@import", "<link", "type=\"module\""})
        QVERIFY2(!texte.contains(interdit), interdit);
}

void VerifierPage(const QString& chemin) {
    QString erreur;
    const QList<QByteArray> lignes = LignesCrLf(chemin, &erreur);
    QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
    QVERIFY2(lignes.size() >= 12, qPrintable(chemin));
    QCOMPARE(Ligne(lignes, 10),
             QByteArray("<script language=\"JavaScript\" type=\"text/JavaScript\" "
                        "src=\"Nouveau.js\">"));
    QCOMPARE(Ligne(lignes, 11), QByteArray("</script>"));
    // Une seule référence au script : celle que le générateur remplace.
    const QByteArray texte = lignes.join('\n');
    QCOMPARE(texte.count("src=\"Nouveau.js\""), 1);
    for (int i = 1; i <= 9; ++i)
        QVERIFY2(!Ligne(lignes, i).contains("<script"), qPrintable(QString::number(i)));
    QVERIFY(texte.contains("<meta charset=\"windows-1252\">"));
    QVERIFY(texte.contains("<html lang=\"fr\">"));
    for (const char* id : {"Titre", "diapo", "InfoDiaporama", "InfoTexte"})
        QVERIFY2(texte.contains(QByteArray("id=\"") + id + '"'), id);
    QVERIFY(texte.contains("<img id=\"diapo\""));
    const char* boutons[][3] = {
        {"Premiere()", "&lt;&lt;", "aria-label=\"Premi&egrave;re diapo\""},
        {"Precedente()", "&lt;", "aria-label=\"Diapo pr&eacute;c&eacute;dente\""},
        {"Suivante()", "&gt;", "aria-label=\"Diapo suivante\""},
        {"Derniere()", "&gt;&gt;", "aria-label=\"Derni&egrave;re diapo\""}};
    for (const auto& b : boutons) {
        const QRegularExpression bouton(
            QStringLiteral("<button[^>]*onclick=\"%1\"[^>]*%2[^>]*>%3</button>")
                .arg(QRegularExpression::escape(b[0]), QRegularExpression::escape(b[2]),
                     QRegularExpression::escape(b[1])));
        QVERIFY2(bouton.match(QString::fromLatin1(texte)).hasMatch(), b[0]);
    }
    // Le fond du projet en mosaïque, par la feuille de style : l'attribut background du corps
    // n'existe plus en HTML5.
    const QRegularExpression fond(
        QStringLiteral("body\\s*\\{[^}]*background:[^;}]*url\\(\"imgFond\\.jpg\"\\)\\s+repeat"));
    QVERIFY2(fond.match(QString::fromLatin1(texte)).hasMatch(), qPrintable(chemin));
    // Les commandes que le script du modèle tient à jour, sous les mêmes noms dans chaque page ;
    // le plein écran reste caché tant que le script n'a pas vu que le navigateur le permet.
    for (const char* id : {"cmdLecture", "txtLecture", "cmdSon", "cmdPleinEcran", "txtPleinEcran"})
        QVERIFY2(texte.contains(QByteArray("id=\"") + id + '"'), id);
    QVERIFY(QRegularExpression(QStringLiteral("<button[^>]*id=\"cmdPleinEcran\"[^>]*hidden>"))
                .match(QString::fromLatin1(texte))
                .hasMatch());
    VerifierRessourcesLocales(chemin, texte);
}

} // namespace

class TestModeles : public QObject {
    Q_OBJECT

private slots:
    void pageParDefaut() { VerifierPage(Donnees(QStringLiteral("Nouveau.htm"))); }

    void modelesDuDossierModeles_data() {
        QTest::addColumn<QString>("nom");
        const QStringList modeles =
            QDir(Donnees(QStringLiteral("Modeles"))).entryList({QStringLiteral("*.htm")});
        for (const QString& nom : modeles)
            QTest::newRow(qPrintable(nom)) << nom;
        // Un dossier sans modèle est une faute : une ligne sans nom la fait échouer.
        if (modeles.isEmpty())
            QTest::newRow("aucun modèle") << QString();
    }
    void modelesDuDossierModeles() {
        QFETCH(QString, nom);
        QVERIFY2(!nom.isEmpty(), "aucun modèle dans le dossier Modeles");
        // Tout .htm de ce dossier est proposé comme modèle : pas de page d'autre sorte.
        VerifierPage(Donnees(QStringLiteral("Modeles/") + nom));
    }

    void modeleImageGardeSonFondDeCadre() {
        QFile page(Donnees(QStringLiteral("Modeles/Image.htm")));
        QVERIFY(page.open(QIODevice::ReadOnly));
        // Le texte exact que la finalisation cherche pour garder le fond de cadre.
        QVERIFY(page.readAll().toLower().contains("background=imgfondtable.jpg"));
    }

    void scriptParDefaut() {
        QString erreur;
        const QList<QByteArray> l = LignesCrLf(Donnees(QStringLiteral("Nouveau.js")), &erreur);
        QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
        QVERIFY(l.size() >= 17);
        QCOMPARE(Ligne(l, 7), QByteArray("var RepImage=\"Nouveau\";"));
        QCOMPARE(Ligne(l, 8), QByteArray("var NBSprite=0;"));
        QCOMPARE(Ligne(l, 9), QByteArray("Info[0]=\"&nbsp;Bienvenue !<br>\";"));
        QCOMPARE(Ligne(l, 10), QByteArray("TypeImage[0]=\".gif\";"));
        QCOMPARE(Ligne(l, 13),
                 QByteArray("document.getElementById(\"diapo\").src=\"Nouveau0.gif\";"));
        QCOMPARE(Ligne(l, 14),
                 QByteArray("document.getElementById(\"InfoDiaporama\").innerHTML=\"1 / 1\";"));
        QCOMPARE(Ligne(l, 15),
                 QByteArray("document.getElementById(\"InfoTexte\").innerHTML=Info[0];"));
        QCOMPARE(Ligne(l, 16),
                 QByteArray("document.getElementById(\"Titre\").innerHTML=\"Mon diaporama\";"));

        // Les tableaux existent avant les lignes générées qui les remplissent.
        QByteArray debut;
        for (int i = 1; i <= 6; ++i)
            debut += Ligne(l, i) + '\n';
        QVERIFY(debut.contains("var Info = new Array();"));
        QVERIFY(debut.contains("var TypeImage = new Array();"));
        for (int i = 1; i <= 6; ++i)
            QVERIFY(!Ligne(l, i).contains("RepImage=") && !Ligne(l, i).contains("NBSprite="));

        // Les lignes 13 à 16 sont des instructions d'une fonction ouverte en ligne 12 et
        // lancée au chargement, après sa définition.
        QCOMPARE(Ligne(l, 12).trimmed(), QByteArray("function Demarrer() {"));
        QByteArray suite;
        for (int i = 17; i <= l.size(); ++i)
            suite += Ligne(l, i) + '\n';
        QVERIFY(suite.contains("Demarrer);") || suite.contains("Demarrer();"));
        for (const char* f : {"function Premiere()", "function Precedente()", "function Suivante()",
                              "function Derniere()"})
            QVERIFY2(suite.contains(f), f);
        QVERIFY(suite.contains("RepImage + i + TypeImage[i]"));
        QVERIFY(suite.contains("(i + 1) + \" / \" + (NBSprite + 1)"));
        QVERIFY(suite.contains("Info[i]"));
        // Page ouverte depuis le disque : ni module ni fetch.
        QVERIFY(!suite.contains("import ") && !suite.contains("fetch("));
    }

    void pagesDAidePresentes_data() {
        QTest::addColumn<QString>("chemin");
        for (const char* nom :
             {"Aide/AideCD.htm", "Exemples/Didacticiel.htm", "AideCapture/index.htm",
              "Aide_Contextuelle/AjouterImage.htm", "Aide_Contextuelle/ChangerImage.htm",
              "Aide_Contextuelle/Vision.htm", "Aide_Contextuelle/ChangerFond.htm",
              "Aide_Contextuelle/CouleurTexte.htm", "Aide_Contextuelle/OuvrirProjet.htm",
              "Aide_Contextuelle/EnregistrerSous.htm", "Aide_Contextuelle/ChangerModele.htm"})
            QTest::newRow(nom) << QString::fromLatin1(nom);
    }
    void pagesDAidePresentes() {
        QFETCH(QString, chemin);
        QString erreur;
        const QList<QByteArray> lignes = LignesCrLf(Donnees(chemin), &erreur);
        QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
        const QByteArray texte = lignes.join('\n');
        QVERIFY(texte.contains("<meta charset=\"windows-1252\">"));
        QVERIFY(texte.contains("<html lang=\"fr\">"));
        QVERIFY(texte.contains("<h1>"));
        // Les liens relatifs mènent à des fichiers livrés.
        const QRegularExpression lien(QStringLiteral("(?:href|src)=\"([^\":#]+)\""));
        for (const auto& m : lien.globalMatch(QString::fromLatin1(texte))) {
            const QString cible = QFileInfo(Donnees(chemin)).dir().filePath(m.captured(1));
            const bool fabrique = cible.endsWith(QLatin1String("imgFond.jpg"));
            QVERIFY2(fabrique || QFileInfo::exists(cible), qPrintable(m.captured(1)));
        }
    }
};

QTEST_GUILESS_MAIN(TestModeles)
#include "test_modeles.moc"
