// Modèles de page et de script, pages d'aide : le générateur remplace des lignes à des
// numéros fixes, donc la place de chaque ligne et les fins CR LF font partie du contrat.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSize>
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
    // Chaque ligne finit par CR LF, la dernière comprise : le LF coupe, le CR s'en va.
    QList<QByteArray> lignes = octets.split('\n');
    lignes.removeLast();
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
    // Les quatre boutons de navigation : une icône dessinée dans la page (ni fichier ni police)
    // et un nom pour les lecteurs d'écran.
    const char* boutons[][2] = {{"Premiere()", "aria-label=\"Premi&egrave;re diapo\""},
                                {"Precedente()", "aria-label=\"Diapo pr&eacute;c&eacute;dente\""},
                                {"Suivante()", "aria-label=\"Diapo suivante\""},
                                {"Derniere()", "aria-label=\"Derni&egrave;re diapo\""}};
    for (const auto& b : boutons) {
        const QRegularExpression bouton(
            QStringLiteral("<button[^>]*onclick=\"%1\"[^>]*%2[^>]*><svg [^>]*aria-hidden=\"true\""
                           "[^>]*>.*?</svg></button>")
                .arg(QRegularExpression::escape(b[0]), QRegularExpression::escape(b[1])));
        QVERIFY2(bouton.match(QString::fromLatin1(texte)).hasMatch(), b[0]);
    }
    // Le fond du projet en mosaïque, par la feuille de style : l'attribut background du corps
    // n'existe plus en HTML5.
    const QRegularExpression fond(
        QStringLiteral("body\\s*\\{[^}]*background:[^;}]*url\\(\"imgFond\\.jpg\"\\)\\s+repeat"));
    QVERIFY2(fond.match(QString::fromLatin1(texte)).hasMatch(), qPrintable(chemin));
    // Les commandes que le script du modèle tient à jour, sous les mêmes noms dans chaque page ;
    // le plein écran reste caché tant que le script n'a pas vu que le navigateur le permet.
    for (const char* id : {"cmdEnsemble", "cmdLecture", "txtLecture", "cmdDuree", "txtDuree",
                           "cmdSon", "cmdPleinEcran", "txtPleinEcran"})
        QVERIFY2(texte.contains(QByteArray("id=\"") + id + '"'), id);
    QVERIFY(QRegularExpression(QStringLiteral("<button[^>]*id=\"cmdPleinEcran\"[^>]*hidden>"))
                .match(QString::fromLatin1(texte))
                .hasMatch());
    VerifierRessourcesLocales(chemin, texte);
}

// --- Pages d'aide ---
// Chaque page d'aide est lue dans le dossier des données, comme elle le sera dans le dossier du
// programme : HTML bien formé, entités connues, un seul h1, un titre, des liens et des images
// qui mènent à des fichiers livrés sans sortir du dossier, rien de chargé depuis un serveur.

const QStringList DossiersAide = {QStringLiteral("Aide"), QStringLiteral("Aide_Contextuelle"),
                                  QStringLiteral("AideCapture"), QStringLiteral("Exemples")};

// Les pages que les fenêtres ouvrent par leur nom : elles doivent exister.
const QStringList PagesAideFixes = {QStringLiteral("Aide/AideCD.htm"),
                                    QStringLiteral("Exemples/Didacticiel.htm"),
                                    QStringLiteral("AideCapture/index.htm"),
                                    QStringLiteral("Aide_Contextuelle/AjouterImage.htm"),
                                    QStringLiteral("Aide_Contextuelle/ChangerImage.htm"),
                                    QStringLiteral("Aide_Contextuelle/Vision.htm"),
                                    QStringLiteral("Aide_Contextuelle/ChangerFond.htm"),
                                    QStringLiteral("Aide_Contextuelle/CouleurTexte.htm"),
                                    QStringLiteral("Aide_Contextuelle/OuvrirProjet.htm"),
                                    QStringLiteral("Aide_Contextuelle/EnregistrerSous.htm"),
                                    QStringLiteral("Aide_Contextuelle/ChangerModele.htm")};

// Une image d'aide reste légère : la page s'ouvre vite, le dépôt ne gonfle pas.
constexpr qint64 PoidsImageAideMax = 150 * 1000;

const QSet<QString> ElementsVides = {
    QStringLiteral("area"), QStringLiteral("base"),   QStringLiteral("br"),
    QStringLiteral("col"),  QStringLiteral("embed"),  QStringLiteral("hr"),
    QStringLiteral("img"),  QStringLiteral("input"),  QStringLiteral("link"),
    QStringLiteral("meta"), QStringLiteral("source"), QStringLiteral("track"),
    QStringLiteral("wbr")};

// Les entités nommées que les pages emploient, toutes connues de chaque navigateur.
const QSet<QString> EntitesConnues = {
    "amp",   "lt",     "gt",     "quot",   "apos",  "nbsp",   "laquo",  "raquo", "hellip",
    "mdash", "ndash",  "lsquo",  "rsquo",  "ldquo", "rdquo",  "middot", "times", "deg",
    "copy",  "euro",   "rarr",   "larr",   "sup2",  "agrave", "aacute", "acirc", "auml",
    "aelig", "ccedil", "egrave", "eacute", "ecirc", "euml",   "icirc",  "iuml",  "ocirc",
    "ouml",  "oelig",  "ugrave", "ucirc",  "uuml",  "yuml",   "Agrave", "Acirc", "Auml",
    "AElig", "Ccedil", "Egrave", "Eacute", "Ecirc", "Euml",   "Icirc",  "Iuml",  "Ocirc",
    "Ouml",  "OElig",  "Ugrave", "Ucirc",  "Uuml"};

// Les fichiers que la construction fabrique dans le dossier du programme (imgFond.jpg...) : une
// page peut les désigner, bien qu'ils ne soient pas dans data/. La liste est celle de
// data/CMakeLists.txt, lue telle quelle pour ne jamais diverger.
QSet<QString> FichiersFabriques() {
    QFile f(Donnees(QStringLiteral("CMakeLists.txt")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpression liste(QStringLiteral("set\\(FICHIERS_FABRIQUES\\s+([^)]*)\\)"));
    const auto m = liste.match(QString::fromUtf8(f.readAll()));
    if (!m.hasMatch())
        return {};
    const QStringList noms =
        m.captured(1).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    return QSet<QString>(noms.begin(), noms.end());
}

int LigneDe(const QString& texte, qsizetype position) {
    return static_cast<int>(texte.left(position).count(QLatin1Char('\n'))) + 1;
}

// Taille d'une image PNG ou GIF lue dans son en-tête ; invalide pour un autre format.
QSize TailleImage(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray d = f.read(32);
    const auto octet = [&d](int i) { return static_cast<uint32_t>(static_cast<uchar>(d[i])); };
    if (d.size() >= 24 && d.startsWith("\x89PNG\r\n\x1a\n"))
        return QSize(
            static_cast<int>(octet(16) << 24 | octet(17) << 16 | octet(18) << 8 | octet(19)),
            static_cast<int>(octet(20) << 24 | octet(21) << 16 | octet(22) << 8 | octet(23)));
    if (d.size() >= 10 && (d.startsWith("GIF87a") || d.startsWith("GIF89a")))
        return QSize(static_cast<int>(octet(6) | octet(7) << 8),
                     static_cast<int>(octet(8) | octet(9) << 8));
    return {};
}

// Les « & » d'un texte (contenu ou valeur d'attribut) : une entité connue, un code numérique,
// rien d'autre.
void VerifierEntites(const QString& texte, qsizetype debut, const QString& morceau,
                     QStringList& fautes) {
    static const QRegularExpression entite(
        QStringLiteral("^&(?:([A-Za-z][A-Za-z0-9]*)|#[0-9]{1,7}|#x[0-9A-Fa-f]{1,6});"));
    for (qsizetype i = morceau.indexOf(QLatin1Char('&')); i >= 0;
         i = morceau.indexOf(QLatin1Char('&'), i + 1)) {
        const auto m = entite.match(morceau.mid(i, 16));
        const int ligne = LigneDe(texte, debut + i);
        if (!m.hasMatch())
            fautes << QStringLiteral("ligne %1 : « & » qui n'ouvre aucune entité (écrire &amp;)")
                          .arg(ligne);
        else if (!m.captured(1).isEmpty() && !EntitesConnues.contains(m.captured(1)))
            fautes
                << QStringLiteral("ligne %1 : entité inconnue &%2;").arg(ligne).arg(m.captured(1));
    }
}

// Une cible de lien, d'image ou de url() : relative, dans le dossier du programme, livrée, et
// l'ancre présente dans la page visée.
void VerifierCible(const QString& page, const QString& texte, const QString& cible, int ligne,
                   const QSet<QString>& fabriques, QStringList& fautes) {
    const QString ici = QStringLiteral("ligne %1 : « %2 »").arg(ligne).arg(cible);
    static const QRegularExpression schema(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    if (cible.trimmed().isEmpty()) {
        fautes << ici + QStringLiteral(" : cible vide");
        return;
    }
    if (schema.match(cible).hasMatch() || cible.startsWith(QLatin1Char('/')) ||
        cible.startsWith(QLatin1Char('\\'))) {
        fautes << ici + QStringLiteral(" : adresse absolue ou ressource extérieure");
        return;
    }
    const qsizetype diese = cible.indexOf(QLatin1Char('#'));
    const QString fichier = diese < 0 ? cible : cible.left(diese);
    const QString ancre = diese < 0 ? QString() : cible.mid(diese + 1);
    QString contenu = texte;
    if (!fichier.isEmpty()) {
        const QString dossier = QFileInfo(page).path();
        const QString relatif = QDir::cleanPath(dossier + QLatin1Char('/') + fichier);
        if (relatif == QLatin1String("..") || relatif.startsWith(QLatin1String("../")) ||
            QDir::isAbsolutePath(relatif)) {
            fautes << ici + QStringLiteral(" : sort du dossier du programme");
            return;
        }
        const QString chemin = Donnees(relatif);
        if (!QFileInfo(chemin).isFile()) {
            if (!fabriques.contains(relatif))
                fautes << ici + QStringLiteral(" : fichier introuvable (%1)").arg(relatif);
            return;
        }
        if (ancre.isEmpty())
            return;
        QFile f(chemin);
        if (!f.open(QIODevice::ReadOnly)) {
            fautes << ici + QStringLiteral(" : illisible");
            return;
        }
        contenu = QString::fromLatin1(f.readAll());
    }
    if (!ancre.isEmpty() && !contenu.contains(QStringLiteral("id=\"%1\"").arg(ancre)))
        fautes << ici + QStringLiteral(" : ancre #%1 absente").arg(ancre);
}

void VerifierUrlCss(const QString& page, const QString& texte, const QString& css, qsizetype debut,
                    const QSet<QString>& fabriques, QStringList& fautes) {
    static const QRegularExpression url(
        QStringLiteral("url\\(\\s*(?:\"([^\"]*)\"|'([^']*)'|([^)\\s]*))\\s*\\)"));
    for (const auto& m : url.globalMatch(css)) {
        const QString cible =
            m.captured(1) + m.captured(2) + m.captured(3); // une seule des trois est prise
        VerifierCible(page, texte, cible, LigneDe(texte, debut + m.capturedStart()), fabriques,
                      fautes);
    }
    if (css.contains(QLatin1String("@import")))
        fautes << QStringLiteral("@import : une feuille de style en charge une autre");
}

struct BaliseLue {
    QString nom;
    QMap<QString, QString> attributs;
    qsizetype debut = 0;
};

// Toutes les fautes d'une page d'aide ; page est son chemin dans le dossier des données
// (« Aide/AideCD.htm »), texte son contenu.
QStringList FautesPageAide(const QString& page, const QString& texte,
                           const QSet<QString>& fabriques) {
    QStringList fautes;
    if (!texte.startsWith(QLatin1String("<!DOCTYPE html>")))
        fautes << QStringLiteral("la page ne commence pas par <!DOCTYPE html>");
    for (const char* exige : {"<html lang=\"fr\">", "<meta charset=\"windows-1252\">"})
        if (!texte.contains(QLatin1String(exige)))
            fautes << QStringLiteral("%1 manque").arg(QLatin1String(exige));
    if (texte.contains(QLatin1String("http:")) || texte.contains(QLatin1String("https:")))
        fautes << QStringLiteral("adresse http(s) : l'aide se lit sans réseau");

    QList<QPair<QString, qsizetype>> pile;
    QList<BaliseLue> balises;
    QSet<QString> ids;
    int nbH1 = 0;
    qsizetype debutTitre = -1;
    QString titre;
    const qsizetype n = texte.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype chevron = texte.indexOf(QLatin1Char('<'), i);
        const qsizetype finTexte = chevron < 0 ? n : chevron;
        VerifierEntites(texte, i, texte.mid(i, finTexte - i), fautes);
        if (chevron < 0)
            break;
        i = chevron;
        if (texte.mid(i, 4) == QLatin1String("<!--")) {
            const qsizetype fin = texte.indexOf(QLatin1String("-->"), i + 4);
            if (fin < 0) {
                fautes
                    << QStringLiteral("ligne %1 : commentaire jamais fermé").arg(LigneDe(texte, i));
                break;
            }
            i = fin + 3;
            continue;
        }
        if (texte.mid(i, 2) == QLatin1String("<!")) {
            const qsizetype fin = texte.indexOf(QLatin1Char('>'), i);
            i = fin < 0 ? n : fin + 1;
            continue;
        }
        const bool fermante = i + 1 < n && texte[i + 1] == QLatin1Char('/');
        qsizetype k = i + (fermante ? 2 : 1);
        const qsizetype debutNom = k;
        while (k < n && (texte[k].isLetterOrNumber()))
            ++k;
        const QString nom = texte.mid(debutNom, k - debutNom).toLower();
        if (nom.isEmpty()) {
            fautes << QStringLiteral("ligne %1 : « < » isolé (écrire &lt;)").arg(LigneDe(texte, i));
            ++i;
            continue;
        }
        // Les attributs, jusqu'au « > » qui ferme la balise.
        BaliseLue balise{nom, {}, i};
        bool autoFermee = false;
        bool terminee = false;
        while (k < n) {
            while (k < n && texte[k].isSpace())
                ++k;
            if (k < n && texte[k] == QLatin1Char('>')) {
                terminee = true;
                ++k;
                break;
            }
            // Un « < » avant le « > » : la balise n'a jamais été terminée.
            if (k < n && texte[k] == QLatin1Char('<'))
                break;
            if (k + 1 < n && texte[k] == QLatin1Char('/') && texte[k + 1] == QLatin1Char('>')) {
                autoFermee = terminee = true;
                k += 2;
                break;
            }
            const qsizetype debutAttribut = k;
            while (k < n && !texte[k].isSpace() && texte[k] != QLatin1Char('=') &&
                   texte[k] != QLatin1Char('>') && texte[k] != QLatin1Char('<'))
                ++k;
            if (k == debutAttribut) {
                ++k; // un caractère que rien n'explique : on avance, la faute viendra
                fautes << QStringLiteral("ligne %1 : balise <%2> mal écrite")
                              .arg(LigneDe(texte, i))
                              .arg(nom);
                continue;
            }
            const QString attribut = texte.mid(debutAttribut, k - debutAttribut).toLower();
            QString valeur;
            if (k < n && texte[k] == QLatin1Char('=')) {
                ++k;
                if (k < n && (texte[k] == QLatin1Char('"') || texte[k] == QLatin1Char('\''))) {
                    const QChar guillemet = texte[k];
                    const qsizetype fin = texte.indexOf(guillemet, k + 1);
                    if (fin < 0)
                        break;
                    valeur = texte.mid(k + 1, fin - k - 1);
                    VerifierEntites(texte, k + 1, valeur, fautes);
                    k = fin + 1;
                } else {
                    const qsizetype debutValeur = k;
                    while (k < n && !texte[k].isSpace() && texte[k] != QLatin1Char('>'))
                        ++k;
                    valeur = texte.mid(debutValeur, k - debutValeur);
                }
            }
            if (balise.attributs.contains(attribut))
                fautes << QStringLiteral("ligne %1 : attribut %2 en double")
                              .arg(LigneDe(texte, i))
                              .arg(attribut);
            balise.attributs.insert(attribut, valeur);
        }
        if (!terminee) {
            fautes << QStringLiteral("ligne %1 : balise <%2> jamais terminée par « > »")
                          .arg(LigneDe(texte, i))
                          .arg(nom);
            break;
        }
        const int ligne = LigneDe(texte, i);
        i = k;
        if (fermante && nom == QLatin1String("title") && debutTitre >= 0)
            titre = texte.mid(debutTitre, balise.debut - debutTitre);
        if (fermante) {
            if (ElementsVides.contains(nom)) {
                fautes << QStringLiteral("ligne %1 : </%2> n'existe pas").arg(ligne).arg(nom);
            } else if (pile.isEmpty()) {
                fautes
                    << QStringLiteral("ligne %1 : </%2> sans balise ouvrante").arg(ligne).arg(nom);
            } else if (pile.last().first != nom) {
                fautes << QStringLiteral("ligne %1 : </%2> ferme <%3> ouverte ligne %4")
                              .arg(ligne)
                              .arg(nom, pile.last().first)
                              .arg(LigneDe(texte, pile.last().second));
                // On se recale sur la balise fermée si elle est plus bas dans la pile.
                for (qsizetype p = pile.size() - 1; p >= 0; --p)
                    if (pile[p].first == nom) {
                        pile.resize(p);
                        break;
                    }
            } else {
                pile.removeLast();
            }
            continue;
        }
        balises << balise;
        if (balise.attributs.contains(QStringLiteral("id"))) {
            const QString id = balise.attributs.value(QStringLiteral("id"));
            if (ids.contains(id))
                fautes << QStringLiteral("ligne %1 : id « %2 » en double").arg(ligne).arg(id);
            ids.insert(id);
        }
        if (nom == QLatin1String("h1"))
            ++nbH1;
        if (nom == QLatin1String("title"))
            debutTitre = i;
        if (ElementsVides.contains(nom) || autoFermee) {
            if (autoFermee && !ElementsVides.contains(nom))
                fautes
                    << QStringLiteral("ligne %1 : <%2/> ne ferme rien en HTML").arg(ligne).arg(nom);
            continue;
        }
        if (nom == QLatin1String("script") || nom == QLatin1String("style")) {
            const qsizetype fin = texte.indexOf(QStringLiteral("</") + nom, i, Qt::CaseInsensitive);
            if (nom == QLatin1String("style"))
                VerifierUrlCss(page, texte, texte.mid(i, fin < 0 ? n - i : fin - i), i, fabriques,
                               fautes);
            if (nom == QLatin1String("script"))
                fautes << QStringLiteral("ligne %1 : script dans une page d'aide").arg(ligne);
            if (fin < 0) {
                fautes << QStringLiteral("ligne %1 : <%2> jamais fermée").arg(ligne).arg(nom);
                break;
            }
            i = fin;
        }
        pile.append({nom, balise.debut});
    }
    for (const auto& ouverte : pile)
        fautes << QStringLiteral("<%1> ouverte ligne %2 jamais fermée")
                      .arg(ouverte.first)
                      .arg(LigneDe(texte, ouverte.second));

    if (nbH1 != 1)
        fautes << QStringLiteral("%1 titres <h1> au lieu d'un").arg(nbH1);
    if (titre.trimmed().isEmpty())
        fautes << QStringLiteral("pas de <title>, ou un titre vide");

    for (const BaliseLue& b : balises) {
        const int ligne = LigneDe(texte, b.debut);
        for (const char* a : {"href", "src"})
            if (b.attributs.contains(QLatin1String(a)))
                VerifierCible(page, texte, b.attributs.value(QLatin1String(a)), ligne, fabriques,
                              fautes);
        if (b.attributs.contains(QStringLiteral("style")))
            VerifierUrlCss(page, texte, b.attributs.value(QStringLiteral("style")), b.debut,
                           fabriques, fautes);
        if (b.nom != QLatin1String("img"))
            continue;
        const QString src = b.attributs.value(QStringLiteral("src"));
        if (b.attributs.value(QStringLiteral("alt")).trimmed().isEmpty())
            fautes << QStringLiteral("ligne %1 : image « %2 » sans texte alt").arg(ligne).arg(src);
        bool lu = false;
        const int largeur = b.attributs.value(QStringLiteral("width")).toInt(&lu);
        bool lu2 = false;
        const int hauteur = b.attributs.value(QStringLiteral("height")).toInt(&lu2);
        if (!lu || !lu2) {
            fautes << QStringLiteral("ligne %1 : image « %2 » sans width et height")
                          .arg(ligne)
                          .arg(src);
            continue;
        }
        const QString chemin =
            Donnees(QDir::cleanPath(QFileInfo(page).path() + QLatin1Char('/') + src));
        const QSize taille = TailleImage(chemin);
        if (taille.isValid() && taille != QSize(largeur, hauteur))
            fautes << QStringLiteral("ligne %1 : image « %2 » de %3 x %4, annoncée %5 x %6")
                          .arg(ligne)
                          .arg(src)
                          .arg(taille.width())
                          .arg(taille.height())
                          .arg(largeur)
                          .arg(hauteur);
        if (QFileInfo(chemin).size() > PoidsImageAideMax)
            fautes << QStringLiteral("ligne %1 : image « %2 » trop lourde (%3 octets)")
                          .arg(ligne)
                          .arg(src)
                          .arg(QFileInfo(chemin).size());
    }
    // Chaque page mène au sommaire de l'aide.
    if (page != QLatin1String("Aide/AideCD.htm") &&
        !texte.contains(QStringLiteral("AideCD.htm\">Sommaire de l'aide d'Ostrelle</a>")))
        fautes << QStringLiteral("pas de lien « Sommaire de l'aide d'Ostrelle »");
    return fautes;
}

// Une page d'essai complète autour d'un corps : sans faute tant que le corps n'en a pas.
QString PageEssai(const QString& corps) {
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n"
                          "<meta charset=\"windows-1252\">\n<title>Essai</title>\n"
                          "<link rel=\"stylesheet\" href=\"Aide.css\">\n</head>\n<body>\n"
                          "<div class=\"page\">\n<h1>Essai</h1>\n") +
           corps +
           QStringLiteral("\n<p class=\"retour\"><a href=\"AideCD.htm\">Sommaire de l'aide "
                          "d'Ostrelle</a></p>\n</div>\n</body>\n</html>\n");
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

    // Toutes les pages et feuilles de style des dossiers d'aide, trouvées en listant les
    // dossiers : une page ajoutée est vérifiée d'office ; les pages que les fenêtres ouvrent par
    // leur nom ont leur ligne même quand elles manquent.
    void pagesDAidePresentes_data() {
        QTest::addColumn<QString>("chemin");
        QStringList chemins = PagesAideFixes;
        for (const QString& dossier : DossiersAide) {
            QDirIterator it(
                Donnees(dossier),
                {QStringLiteral("*.htm"), QStringLiteral("*.html"), QStringLiteral("*.css")},
                QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                chemins << QDir(Donnees(QString())).relativeFilePath(it.next());
        }
        chemins.removeDuplicates();
        chemins.sort();
        for (const QString& c : chemins)
            QTest::newRow(qPrintable(c)) << c;
    }
    void pagesDAidePresentes() {
        QFETCH(QString, chemin);
        const QSet<QString> fabriques = FichiersFabriques();
        QVERIFY2(fabriques.contains(QStringLiteral("imgFond.jpg")),
                 "liste FICHIERS_FABRIQUES illisible dans data/CMakeLists.txt");
        QString erreur;
        LignesCrLf(Donnees(chemin), &erreur);
        QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
        // Le texte relu tel quel, sans les CR : la dernière ligne entière.
        QFile fichier(Donnees(chemin));
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QString texte = QString::fromLatin1(fichier.readAll()).remove(QLatin1Char('\r'));
        QStringList fautes;
        if (chemin.endsWith(QLatin1String(".css")))
            VerifierUrlCss(chemin, texte, texte, 0, fabriques, fautes);
        else
            fautes = FautesPageAide(chemin, texte, fabriques);
        QVERIFY2(fautes.isEmpty(), qPrintable(chemin + QStringLiteral(" :\n  ") +
                                              fautes.join(QStringLiteral("\n  "))));
    }

    // Le vérificateur lui-même : une page saine passe, chaque faute glissée exprès est vue.
    void verificateurDesPagesDAide_data() {
        QTest::addColumn<QString>("corps");
        QTest::addColumn<QString>("faute"); // vide : aucune faute attendue
        QTest::newRow("page saine")
            << QStringLiteral(
                   "<p>Caf&eacute;, &laquo;&nbsp;th&eacute;&nbsp;&raquo; &amp; <kbd>F1</kbd>.<br>"
                   "<a href=\"#haut\" id=\"haut\">haut</a> <a href=\"Commentaire.htm\">page</a> "
                   "<a href=\"../Aide_Contextuelle/ChangerModele.htm#finaliser\">ancre</a></p>\n"
                   "<img src=\"couleur.png\" width=\"387\" height=\"359\" alt=\"La couleur\">\n"
                   "<div style=\"background: url('../imgFond.jpg')\"><!-- <b> en commentaire "
                   "--></div>")
            << QString();
        QTest::newRow("balise non fermée")
            << QStringLiteral("<p>un <b>gras sans fin</p>") << QStringLiteral("</p> ferme <b>");
        QTest::newRow("paragraphe jamais fermé")
            << QStringLiteral("<ul><li>un</li></ul><p>texte") << QStringLiteral("</div> ferme <p>");
        QTest::newRow("fermante de trop")
            << QStringLiteral("<p>texte</p></span>") << QStringLiteral("</span> ferme <div>");
        QTest::newRow("ordre croisé")
            << QStringLiteral("<p><b><i>x</b></i></p>") << QStringLiteral("</b> ferme <i>");
        QTest::newRow("fermante d'un élément vide")
            << QStringLiteral("<p>a<br></br></p>") << QStringLiteral("</br> n'existe pas");
        QTest::newRow("entité inconnue") << QStringLiteral("<p>caf&eacut; noir</p>")
                                         << QStringLiteral("entité inconnue &eacut;");
        QTest::newRow("& nu") << QStringLiteral("<p>sel & poivre</p>")
                              << QStringLiteral("« & » qui n'ouvre aucune entité");
        QTest::newRow("entité inconnue dans un attribut")
            << QStringLiteral("<p title=\"&boum;\">x</p>")
            << QStringLiteral("entité inconnue &boum;");
        QTest::newRow("< isolé") << QStringLiteral("<p>1 < 2</p>") << QStringLiteral("« < » isolé");
        QTest::newRow("image manquante")
            << QStringLiteral("<img src=\"absente.png\" width=\"1\" height=\"1\" alt=\"x\">")
            << QStringLiteral("fichier introuvable (Aide/absente.png)");
        QTest::newRow("image sans alt")
            << QStringLiteral("<img src=\"couleur.png\" width=\"387\" height=\"359\">")
            << QStringLiteral("sans texte alt");
        QTest::newRow("image sans taille") << QStringLiteral("<img src=\"couleur.png\" alt=\"x\">")
                                           << QStringLiteral("sans width et height");
        QTest::newRow("image de la mauvaise taille")
            << QStringLiteral("<img src=\"couleur.png\" width=\"300\" height=\"359\" alt=\"x\">")
            << QStringLiteral("de 387 x 359, annoncée 300 x 359");
        QTest::newRow("lien mort") << QStringLiteral("<p><a href=\"Absente.htm\">x</a></p>")
                                   << QStringLiteral("fichier introuvable (Aide/Absente.htm)");
        QTest::newRow("ancre absente") << QStringLiteral("<p><a href=\"#nulle\">x</a></p>")
                                       << QStringLiteral("ancre #nulle absente");
        QTest::newRow("ancre absente d'une autre page")
            << QStringLiteral("<p><a href=\"../Aide_Contextuelle/Vision.htm#nulle\">x</a></p>")
            << QStringLiteral("ancre #nulle absente");
        QTest::newRow("sortie du dossier du programme")
            << QStringLiteral("<p><a href=\"../../README.md\">x</a></p>")
            << QStringLiteral("sort du dossier du programme");
        QTest::newRow("ressource d'un serveur")
            << QStringLiteral("<img src=\"https://exemple.invalid/a.png\" width=\"1\" "
                              "height=\"1\" alt=\"x\">")
            << QStringLiteral("adresse absolue ou ressource extérieure");
        QTest::newRow("chemin absolu") << QStringLiteral("<p><a href=\"/etc/passwd\">x</a></p>")
                                       << QStringLiteral("adresse absolue ou ressource extérieure");
        QTest::newRow("url() vers rien")
            << QStringLiteral("<div style=\"background: url(nul.jpg)\"></div>")
            << QStringLiteral("fichier introuvable (Aide/nul.jpg)");
        QTest::newRow("second h1")
            << QStringLiteral("<h1>Encore</h1>") << QStringLiteral("2 titres <h1> au lieu d'un");
        QTest::newRow("balise jamais terminée")
            << QStringLiteral("<p class=\"x\"") << QStringLiteral("jamais terminée par « > »");
    }
    void verificateurDesPagesDAide() {
        QFETCH(QString, corps);
        QFETCH(QString, faute);
        const QSet<QString> fabriques = FichiersFabriques();
        const QStringList fautes =
            FautesPageAide(QStringLiteral("Aide/Essai.htm"), PageEssai(corps), fabriques);
        const QString vues = fautes.join(QStringLiteral(" | "));
        if (faute.isEmpty()) {
            QVERIFY2(fautes.isEmpty(), qPrintable(vues));
            return;
        }
        QVERIFY2(vues.contains(faute), qPrintable(QStringLiteral("attendu « %1 », vu : %2")
                                                      .arg(faute, vues.isEmpty() ? "rien" : vues)));
    }

    // Le squelette sans corps, sans titre ni retour au sommaire : ce qui manque est dit.
    void pageSansTitreNiRetour() {
        const QString page = QStringLiteral("<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n"
                                            "<meta charset=\"windows-1252\">\n</head>\n<body>\n"
                                            "<p>x</p>\n</body>\n</html>\n");
        const QString vues =
            FautesPageAide(QStringLiteral("Exemples/Essai.htm"), page, FichiersFabriques())
                .join(QStringLiteral(" | "));
        QVERIFY2(vues.contains(QStringLiteral("0 titres <h1>")), qPrintable(vues));
        QVERIFY2(vues.contains(QStringLiteral("pas de <title>")), qPrintable(vues));
        QVERIFY2(vues.contains(QStringLiteral("Sommaire de l'aide d'Ostrelle")), qPrintable(vues));
    }
};

QTEST_GUILESS_MAIN(TestModeles)
#include "test_modeles.moc"
