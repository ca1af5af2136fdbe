#include "RTF.h"

#include "FormatCommentaire.h"
#include "Windows1252.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <map>
#include <string_view>
#include <vector>

namespace {

// Au-delà, le RTF est refusé plutôt que de laisser une pile grandir sans fin.
constexpr int ProfondeurMax = 100;
// Les nombres des mots de contrôle saturent ici : aucun calcul ne peut déborder.
constexpr qint64 NombreMax = 1000000000;
// Bornes de ce que l'éditeur sait garder : décalage en Integer, taille en demi-points.
constexpr int DecalageMin = -32768;
constexpr int DecalageMax = 32767;
constexpr int DemiPointsMax = 3276; // 1638 points, le plafond des traitements de texte
constexpr int LongueurNomPoliceMax = 256;

// Windows-1252 dans les deux sens, pour \'hh : la table vient de la bibliothèque commune.
struct PageDeCode {
    QString versUnicode;
    QHash<char16_t, int> versOctet; // seulement les octets 0x80 à 0xFF
};

const PageDeCode& Page() {
    static const PageDeCode page = [] {
        PageDeCode p;
        QByteArray octets(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            octets[i] = static_cast<char>(i);
        p.versUnicode = DecoderWindows1252(octets);
        for (int i = 0x80; i < 256; ++i)
            p.versOctet.insert(p.versUnicode.at(i).unicode(), i);
        return p;
    }();
    return page;
}

// ---------------------------------------------------------------------------------------------
// Écriture

// Ce que l'éditeur garde d'un caractère, lu une fois pour toutes.
struct Apparence {
    QString famille;    // vide : pas de police
    int demiPoints = 0; // 0 : pas de taille
    QColor couleur;     // invalide : couleur automatique
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool barre = false;
    int decalage = 0;
    bool operator==(const Apparence&) const = default;
};

Apparence LireApparence(const QTextCharFormat& f) {
    Apparence a;
    const QStringList familles = f.fontFamilies().toStringList();
    a.famille =
        familles.isEmpty() ? f.property(QTextFormat::FontFamily).toString() : familles.first();
    const double points = std::min(f.fontPointSize(), DemiPointsMax / 2.0);
    if (points > 0)
        a.demiPoints = std::max(1, static_cast<int>(points * 2 + 0.5));
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush) {
        const QColor c = f.foreground().color();
        a.couleur = QColor(c.red(), c.green(), c.blue());
    }
    a.gras = f.fontWeight() > QFont::Medium;
    a.italique = f.fontItalic();
    a.souligne = f.fontUnderline();
    a.barre = f.fontStrikeOut();
    a.decalage = std::clamp(Decalage(f), DecalageMin, DecalageMax);
    return a;
}

// L'état de mise en forme tel qu'un lecteur RTF le suit, en numéros de table.
struct EtatEcrit {
    int police = 0; // \deff0
    int demiPoints = 0;
    int couleur = 0; // 0 : automatique
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool barre = false;
    int decalage = 0;
};

class Redacteur {
public:
    QString sortie;

    // Un mot de contrôle : le texte qui suit devra peut-être s'en séparer par une espace.
    void mot(QLatin1StringView nom) {
        sortie += u'\\';
        sortie += nom;
        motOuvert = true;
    }
    void mot(QLatin1StringView nom, qint64 valeur) {
        mot(nom);
        sortie += QString::number(valeur);
    }

    void caractere(char16_t c, bool dansNomPolice = false) {
        if (dansNomPolice && (c == u'\t' || c == 0x2028 || c == 0x2029)) {
            // Dans la table des polices, ces mots-là ne seraient pas relus comme caractères.
            unicode(c);
        } else if (c == u'\\' || c == u'{' || c == u'}') {
            sortie += u'\\';
            sortie += QChar(c);
            motOuvert = false;
        } else if (c == u'\t') {
            mot(QLatin1StringView("tab"));
        } else if (c == 0x2028) {
            mot(QLatin1StringView("line"));
        } else if (c == 0x2029) {
            // Le saut de ligne ne sert qu'à la lecture humaine : un lecteur RTF l'ignore.
            mot(QLatin1StringView("par"));
            sortie += u'\n';
            motOuvert = false;
        } else if (c < 0x20 || c == 0x7F || (dansNomPolice && c == u';')) {
            hexa(c);
        } else if (c < 0x80) {
            const bool collerait = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                                   (c >= u'0' && c <= u'9') || c == u'-' || c == u' ';
            if (motOuvert && collerait)
                sortie += u' ';
            sortie += QChar(c);
            motOuvert = false;
        } else if (const auto it = Page().versOctet.constFind(c); it != Page().versOctet.cend()) {
            hexa(*it);
        } else {
            unicode(c);
        }
    }

    void texte(QStringView t, bool dansNomPolice = false) {
        for (const QChar c : t)
            caractere(c.unicode(), dansNomPolice);
    }

private:
    bool motOuvert = false;

    // \uc1 par défaut : « ? » est ce que montre un lecteur qui ignore \u.
    void unicode(char16_t c) {
        mot(QLatin1StringView("u"), static_cast<qint16>(c));
        sortie += u'?';
        motOuvert = false;
    }

    void hexa(int octet) {
        sortie += QLatin1StringView("\\'");
        sortie += QStringLiteral("%1").arg(octet, 2, 16, QChar(u'0'));
        motOuvert = false;
    }
};

// Les mots qui font passer un lecteur de l'état « de » à l'état « vers ».
void Transition(Redacteur& r, EtatEcrit& de, const EtatEcrit& vers) {
    // Pas de mot RTF pour « plus de taille » : \plain remet tout à zéro, on repart de là.
    if (vers.demiPoints == 0 && de.demiPoints != 0) {
        r.mot(QLatin1StringView("plain"));
        de = EtatEcrit{};
    }
    if (vers.police != de.police)
        r.mot(QLatin1StringView("f"), vers.police);
    if (vers.demiPoints != de.demiPoints)
        r.mot(QLatin1StringView("fs"), vers.demiPoints);
    if (vers.couleur != de.couleur)
        r.mot(QLatin1StringView("cf"), vers.couleur);
    if (vers.gras != de.gras)
        r.mot(QLatin1StringView(vers.gras ? "b" : "b0"));
    if (vers.italique != de.italique)
        r.mot(QLatin1StringView(vers.italique ? "i" : "i0"));
    if (vers.souligne != de.souligne)
        r.mot(QLatin1StringView(vers.souligne ? "ul" : "ulnone"));
    if (vers.barre != de.barre)
        r.mot(QLatin1StringView(vers.barre ? "strike" : "strike0"));
    if (vers.decalage != de.decalage) {
        const int d = vers.decalage;
        if (d == 0) {
            r.mot(QLatin1StringView("up"), 0);
        } else {
            // \up et \dn comptent en demi-points (10 twips) ; le reste passe par notre mot à
            // nous, que les autres lecteurs ignorent.
            const int demi = (std::abs(d) + 5) / 10;
            r.mot(QLatin1StringView(d > 0 ? "up" : "dn"), demi);
            if (std::abs(d) % 10 != 0)
                r.mot(QLatin1StringView("ostdecal"), d);
        }
    }
    de = vers;
}

// ---------------------------------------------------------------------------------------------
// Lecture

struct EtatLu {
    int police = -1; // numéro dans la table ; -1 : pas de police
    int demiPoints = 0;
    int couleur = 0;
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool barre = false;
    int decalage = 0;
    bool operator==(const EtatLu&) const = default;
};

enum class Destination { Texte, Polices, Couleurs, Ignoree };

struct Groupe {
    EtatLu car;
    Destination destination = Destination::Texte;
    int repli = 1; // \uc : caractères de repli qui suivent un \u
};

struct Morceau {
    EtatLu car;
    QString texte;
};

bool EstLettre(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
bool EstChiffre(QChar c) {
    return c >= u'0' && c <= u'9';
}
int ValeurHexa(QChar c) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

int Borner(qint64 v, int min, int max) {
    return static_cast<int>(std::clamp<qint64>(v, min, max));
}

// Groupes d'autres programmes dont le texte n'est pas à montrer.
bool DestinationIgnoree(QStringView nom) {
    static constexpr std::u16string_view noms[] = {
        u"stylesheet",   u"info",       u"pict",
        u"object",       u"header",     u"headerl",
        u"headerr",      u"headerf",    u"footer",
        u"footerl",      u"footerr",    u"footerf",
        u"footnote",     u"annotation", u"atnid",
        u"atnauthor",    u"listtable",  u"listoverridetable",
        u"revtbl",       u"rsidtbl",    u"filetbl",
        u"xmlnstbl",     u"themedata",  u"colorschememapping",
        u"latentstyles", u"datastore",  u"fldinst",
        u"nonshppict",   u"shp",        u"shpinst",
        u"txe",          u"xe",         u"tc",
        u"template",     u"userprops",  u"generator",
        u"mmathPr",      u"pgdsctbl",   u"bkmkstart",
        u"bkmkend",      u"author",     u"operator",
        u"title",        u"subject",    u"keywords",
        u"comment",      u"doccomm",    u"private",
        u"buptim",       u"creatim",    u"printim",
        u"revtim",       u"falt",       u"panose",
        u"fontemb",      u"fontfile",
    };
    return std::any_of(std::begin(noms), std::end(noms),
                       [&](std::u16string_view n) { return nom == QStringView(n); });
}

// Caractères qu'un seul mot de contrôle désigne.
char16_t CaractereNomme(QStringView nom) {
    struct Nomme {
        const char16_t* nom;
        char16_t c;
    };
    static const Nomme table[] = {
        {u"par", 0x2029},       {u"sect", 0x2029},      {u"page", 0x2029},    {u"row", 0x2029},
        {u"line", 0x2028},      {u"tab", u'\t'},        {u"cell", u'\t'},     {u"nestcell", u'\t'},
        {u"emdash", 0x2014},    {u"endash", 0x2013},    {u"emspace", 0x2003}, {u"enspace", 0x2002},
        {u"qmspace", 0x2005},   {u"bullet", 0x2022},    {u"lquote", 0x2018},  {u"rquote", 0x2019},
        {u"ldblquote", 0x201C}, {u"rdblquote", 0x201D}, {u"zwj", 0x200D},     {u"zwnj", 0x200C},
        {u"ltrmark", 0x200E},   {u"rtlmark", 0x200F},
    };
    for (const Nomme& n : table)
        if (nom == QStringView(n.nom))
            return n.c;
    return 0;
}

bool EstSoulignement(QStringView nom) {
    static constexpr std::u16string_view noms[] = {
        u"ul",         u"uld",       u"uldash",     u"uldashd", u"uldashdd", u"uldb",
        u"ulhwave",    u"ulldash",   u"ulth",       u"ulthd",   u"ulthdash", u"ulthdashd",
        u"ulthdashdd", u"ulthldash", u"ululdbwave", u"ulw",     u"ulwave",
    };
    return std::any_of(std::begin(noms), std::end(noms),
                       [&](std::u16string_view n) { return nom == QStringView(n); });
}

// Lit tout le RTF avant de toucher au document : un refus n'a ainsi rien à défaire.
class Lecteur {
public:
    explicit Lecteur(QStringView source) : src(source) {}

    bool Lire();

    std::vector<Morceau> morceaux;
    std::map<int, QString> polices;
    std::vector<QColor> couleurs;

private:
    QStringView src;
    qsizetype i = 0;
    std::vector<Groupe> pile;
    int deff = -1;
    int aSauter = 0; // caractères de repli encore à passer après un \u

    // Entrée de la table des polices en cours.
    int numeroPolice = -1;
    QString nomPolice;
    bool nomClos = true;

    // Entrée de la table des couleurs en cours.
    int rouge = 0, vert = 0, bleu = 0;
    bool couleurDefinie = false;

    Groupe& groupe() { return pile.back(); }
    bool OuvrirGroupe();
    void FermerGroupe();
    bool ControleSuivant();
    bool Mot(QStringView nom, bool avecParam, qint64 param);
    void Symbole(QChar c);
    // « separateur » : un point-virgule tapé tel quel termine une entrée de table ; écrit
    // \'3b, il fait partie du nom.
    void Recevoir(char16_t c, bool separateur = false);
    void Ajouter(char16_t c);
    void ClorePolice();
};

bool Lecteur::OuvrirGroupe() {
    if (pile.size() >= static_cast<size_t>(ProfondeurMax))
        return false;
    pile.push_back(pile.empty() ? Groupe{} : pile.back());
    aSauter = 0;
    ++i;
    return true;
}

void Lecteur::FermerGroupe() {
    // « {\f0 Arial} » sans point-virgule : le nom vaut quand même.
    if (groupe().destination == Destination::Polices && !nomClos && !nomPolice.isEmpty())
        ClorePolice();
    pile.pop_back();
    aSauter = 0;
    ++i;
}

void Lecteur::ClorePolice() {
    if (numeroPolice >= 0)
        polices[numeroPolice] = nomPolice.trimmed();
    nomPolice.clear();
    nomClos = true;
}

bool Lecteur::Lire() {
    while (i < src.size() && (src[i].isSpace() || src[i] == QChar(0xFEFF)))
        ++i;
    if (!src.sliced(i).startsWith(u"{\\rtf"))
        return false;
    OuvrirGroupe();
    // Le premier mot doit être \rtf lui-même, pas seulement commencer pareil.
    {
        qsizetype j = i + 1;
        while (j < src.size() && EstLettre(src[j]))
            ++j;
        if (src.sliced(i + 1, j - i - 1) != u"rtf")
            return false;
    }
    while (i < src.size()) {
        const QChar c = src[i];
        if (pile.empty()) {
            // Après la dernière accolade, seuls des blancs (ou le zéro final) sont admis.
            if (!c.isSpace() && c != QChar(0))
                return false;
            ++i;
            continue;
        }
        if (c == u'{') {
            if (!OuvrirGroupe())
                return false;
        } else if (c == u'}') {
            FermerGroupe();
        } else if (c == u'\\') {
            if (!ControleSuivant())
                return false;
        } else {
            ++i;
            // Les fins de ligne de la source ne sont que de la présentation.
            if (c == u'\r' || c == u'\n')
                continue;
            if (aSauter > 0) {
                --aSauter;
                continue;
            }
            Recevoir(c.unicode(), true);
        }
    }
    return pile.empty();
}

bool Lecteur::ControleSuivant() {
    ++i; // la barre oblique
    if (i >= src.size())
        return false;
    const QChar c = src[i];
    if (!EstLettre(c)) {
        ++i;
        if (c == u'\'') {
            if (i + 2 > src.size())
                return false;
            const int fort = ValeurHexa(src[i]);
            const int faible = ValeurHexa(src[i + 1]);
            if (fort < 0 || faible < 0)
                return false;
            i += 2;
            if (aSauter > 0) {
                --aSauter;
                return true;
            }
            Recevoir(Page().versUnicode.at(fort * 16 + faible).unicode());
            return true;
        }
        if (aSauter > 0) {
            --aSauter;
            return true;
        }
        Symbole(c);
        return true;
    }
    const qsizetype debutNom = i;
    while (i < src.size() && EstLettre(src[i]))
        ++i;
    const QStringView nom = src.sliced(debutNom, i - debutNom);
    bool negatif = false;
    if (i + 1 < src.size() && src[i] == u'-' && EstChiffre(src[i + 1])) {
        negatif = true;
        ++i;
    }
    bool avecParam = false;
    qint64 param = 0;
    while (i < src.size() && EstChiffre(src[i])) {
        avecParam = true;
        param = std::min(param * 10 + (src[i].unicode() - u'0'), NombreMax);
        ++i;
    }
    if (negatif)
        param = -param;
    if (i < src.size() && src[i] == u' ')
        ++i;
    return Mot(nom, avecParam, param);
}

void Lecteur::Symbole(QChar c) {
    switch (c.unicode()) {
    case u'\\':
    case u'{':
    case u'}':
        Recevoir(c.unicode());
        break;
    case u'*':
        // Destination facultative : nous n'en lisons aucune.
        groupe().destination = Destination::Ignoree;
        break;
    case u'~':
        Recevoir(0x00A0);
        break;
    case u'-':
        Recevoir(0x00AD);
        break;
    case u'_':
        Recevoir(0x2011);
        break;
    case u'\r':
    case u'\n':
        Recevoir(0x2029);
        break;
    default:
        break;
    }
}

bool Lecteur::Mot(QStringView nom, bool avecParam, qint64 param) {
    Groupe& g = groupe();
    if (nom == u"bin") {
        // Données binaires : à passer telles quelles, il faut qu'elles soient toutes là.
        const qint64 n = avecParam ? std::max<qint64>(param, 0) : 0;
        if (n > src.size() - i)
            return false;
        i += static_cast<qsizetype>(n);
        return true;
    }
    if (g.destination == Destination::Ignoree)
        return true;
    if (nom == u"uc") {
        g.repli = avecParam ? Borner(param, 0, 16) : 1;
        return true;
    }
    if (aSauter > 0) {
        --aSauter;
        return true;
    }
    if (nom == u"u") {
        if (!avecParam)
            return true;
        qint64 v = param;
        if (v < 0 && v >= -32768)
            v += 65536;
        if (v >= 0 && v <= 0xFFFF) {
            Recevoir(static_cast<char16_t>(v));
        } else if (v > 0xFFFF && v <= 0x10FFFF) {
            // Certains écrivent le point de code entier : on l'accepte.
            v -= 0x10000;
            Recevoir(static_cast<char16_t>(0xD800 + (v >> 10)));
            Recevoir(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        }
        aSauter = g.repli;
        return true;
    }
    if (DestinationIgnoree(nom)) {
        g.destination = Destination::Ignoree;
        return true;
    }
    switch (g.destination) {
    case Destination::Polices:
        if (nom == u"f") {
            if (!nomClos && !nomPolice.isEmpty())
                ClorePolice();
            numeroPolice = avecParam ? Borner(param, 0, static_cast<int>(NombreMax)) : -1;
            nomPolice.clear();
            nomClos = false;
        }
        return true;
    case Destination::Couleurs:
        if (nom == u"red") {
            rouge = Borner(param, 0, 255);
            couleurDefinie = true;
        } else if (nom == u"green") {
            vert = Borner(param, 0, 255);
            couleurDefinie = true;
        } else if (nom == u"blue") {
            bleu = Borner(param, 0, 255);
            couleurDefinie = true;
        }
        return true;
    case Destination::Ignoree:
    case Destination::Texte:
        break;
    }

    EtatLu& e = g.car;
    const bool actif = !avecParam || param != 0;
    if (nom == u"fonttbl") {
        g.destination = Destination::Polices;
        nomClos = true;
    } else if (nom == u"colortbl") {
        g.destination = Destination::Couleurs;
        rouge = vert = bleu = 0;
        couleurDefinie = false;
    } else if (nom == u"deff") {
        deff = avecParam ? Borner(param, 0, static_cast<int>(NombreMax)) : -1;
        e.police = deff;
    } else if (nom == u"plain") {
        e = EtatLu{};
        e.police = deff;
    } else if (nom == u"f") {
        e.police = avecParam ? Borner(param, 0, static_cast<int>(NombreMax)) : deff;
    } else if (nom == u"fs") {
        e.demiPoints = avecParam ? Borner(param, 0, DemiPointsMax) : 24;
    } else if (nom == u"cf") {
        e.couleur = avecParam ? Borner(param, 0, static_cast<int>(NombreMax)) : 0;
    } else if (nom == u"b") {
        e.gras = actif;
    } else if (nom == u"i") {
        e.italique = actif;
    } else if (nom == u"strike" || nom == u"striked") {
        e.barre = actif;
    } else if (EstSoulignement(nom)) {
        e.souligne = actif;
    } else if (nom == u"ulnone") {
        e.souligne = false;
    } else if (nom == u"up" || nom == u"dn") {
        // \up sans nombre vaut 6 demi-points ; un demi-point fait 10 twips.
        const qint64 twips = (avecParam ? param : 6) * 10;
        e.decalage = Borner(nom == u"up" ? twips : -twips, DecalageMin, DecalageMax);
    } else if (nom == u"ostdecal") {
        if (avecParam)
            e.decalage = Borner(param, DecalageMin, DecalageMax);
    } else if (nom == u"super") {
        e.decalage = 40;
    } else if (nom == u"sub") {
        e.decalage = -40;
    } else if (nom == u"nosupersub") {
        e.decalage = 0;
    } else if (const char16_t c = CaractereNomme(nom)) {
        Recevoir(c);
    }
    // Tout autre mot (\pard, \highlight, \lang...) ne change rien à ce que l'éditeur garde.
    return true;
}

void Lecteur::Recevoir(char16_t c, bool separateur) {
    switch (groupe().destination) {
    case Destination::Texte:
        Ajouter(c);
        break;
    case Destination::Polices:
        if (separateur && c == u';')
            ClorePolice();
        else if (!nomClos && nomPolice.size() < LongueurNomPoliceMax)
            nomPolice += QChar(c);
        break;
    case Destination::Couleurs:
        if (separateur && c == u';') {
            couleurs.push_back(couleurDefinie ? QColor(rouge, vert, bleu) : QColor());
            rouge = vert = bleu = 0;
            couleurDefinie = false;
        }
        break;
    case Destination::Ignoree:
        break;
    }
}

void Lecteur::Ajouter(char16_t c) {
    // Ce qui changerait la structure du document au lieu d'être du texte n'est pas repris :
    // CR et LF feraient des paragraphes, U+FDD0/U+FDD1 des cadres, U+FFFC un objet.
    if (c == 0 || c == u'\r' || c == u'\n' || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC)
        return;
    const EtatLu& e = groupe().car;
    if (morceaux.empty() || !(morceaux.back().car == e))
        morceaux.push_back(Morceau{e, QString()});
    morceaux.back().texte += QChar(c);
}

QTextCharFormat FormatDe(const EtatLu& e, const std::map<int, QString>& polices,
                         const std::vector<QColor>& couleurs) {
    QTextCharFormat f;
    // Un numéro absent des tables retombe sur la mise en forme par défaut.
    if (const auto it = polices.find(e.police); it != polices.end() && !it->second.isEmpty())
        f.setFontFamilies({it->second});
    if (e.demiPoints > 0)
        f.setFontPointSize(e.demiPoints / 2.0);
    if (e.couleur >= 0 && static_cast<size_t>(e.couleur) < couleurs.size() &&
        couleurs[e.couleur].isValid())
        f.setForeground(couleurs[e.couleur]);
    if (e.gras)
        f.setFontWeight(QFont::Bold);
    if (e.italique)
        f.setFontItalic(true);
    if (e.souligne)
        f.setFontUnderline(true);
    if (e.barre)
        f.setFontStrikeOut(true);
    if (e.decalage != 0)
        PoserDecalage(f, e.decalage);
    return f;
}

} // namespace

QString EcrireRTF(const QTextDocument& document, int debut, int fin) {
    if (debut > fin)
        std::swap(debut, fin);
    // La dernière position du document n'est pas un caractère qu'on puisse sélectionner.
    const int dernier = std::max(0, document.characterCount() - 1);
    debut = std::clamp(debut, 0, dernier);
    fin = std::clamp(fin, 0, dernier);

    std::vector<std::pair<Apparence, QString>> morceaux;
    const auto ajouter = [&](const Apparence& a, QStringView t) {
        if (morceaux.empty() || !(morceaux.back().first == a))
            morceaux.emplace_back(a, QString());
        morceaux.back().second += t;
    };
    for (QTextBlock b = document.findBlock(debut); b.isValid() && b.position() < fin;
         b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            const int p0 = std::max(fr.position(), debut);
            const int p1 = std::min(fr.position() + fr.length(), fin);
            if (p0 < p1)
                ajouter(LireApparence(fr.charFormat()),
                        QStringView(fr.text()).sliced(p0 - fr.position(), p1 - p0));
        }
        // La fin de paragraphe a sa mise en forme à elle, que Qt rend comme celle du
        // paragraphe suivant.
        const int separateur = b.position() + b.length() - 1;
        if (separateur >= debut && separateur < fin && b.next().isValid())
            ajouter(LireApparence(b.next().charFormat()), u"\u2029");
    }

    // Tables dans l'ordre de première apparition : la première police est \deff0.
    QStringList polices;
    QList<QColor> couleurs;
    QHash<QString, int> numerosPolices;
    QHash<QRgb, int> numerosCouleurs;
    std::vector<EtatEcrit> etats;
    etats.reserve(morceaux.size());
    for (const auto& [a, t] : morceaux) {
        EtatEcrit e;
        e.police = numerosPolices.value(a.famille, -1);
        if (e.police < 0) {
            e.police = static_cast<int>(polices.size());
            numerosPolices.insert(a.famille, e.police);
            polices << a.famille;
        }
        e.demiPoints = a.demiPoints;
        if (a.couleur.isValid()) {
            e.couleur = numerosCouleurs.value(a.couleur.rgb(), 0);
            if (e.couleur == 0) {
                couleurs << a.couleur;
                e.couleur = static_cast<int>(couleurs.size());
                numerosCouleurs.insert(a.couleur.rgb(), e.couleur);
            }
        }
        e.gras = a.gras;
        e.italique = a.italique;
        e.souligne = a.souligne;
        e.barre = a.barre;
        e.decalage = a.decalage;
        etats.push_back(e);
    }

    Redacteur r;
    r.sortie = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0");
    if (!polices.isEmpty()) {
        r.sortie += QLatin1StringView("{\\fonttbl");
        for (int n = 0; n < polices.size(); ++n) {
            // Une police vide dit « pas de police » : l'éditeur garde alors la sienne.
            r.sortie += QStringLiteral("{\\f%1 ").arg(n);
            r.texte(polices[n], true);
            r.sortie += QLatin1StringView(";}");
        }
        r.sortie += u'}';
    }
    if (!couleurs.isEmpty()) {
        r.sortie += QLatin1StringView("{\\colortbl ;");
        for (const QColor& c : couleurs)
            r.sortie += QStringLiteral("\\red%1\\green%2\\blue%3;")
                            .arg(c.red())
                            .arg(c.green())
                            .arg(c.blue());
        r.sortie += u'}';
    }
    EtatEcrit courant;
    for (size_t n = 0; n < morceaux.size(); ++n) {
        Transition(r, courant, etats[n]);
        r.texte(morceaux[n].second);
    }
    r.sortie += u'}';
    return r.sortie;
}

QString EcrireRTF(const QTextCursor& selection) {
    if (selection.isNull())
        return EcrireRTF(QTextDocument(), 0, 0);
    return EcrireRTF(*selection.document(), selection.selectionStart(), selection.selectionEnd());
}

bool EstRTF(const QString& texte) {
    qsizetype i = 0;
    while (i < texte.size() && (texte[i].isSpace() || texte[i] == QChar(0xFEFF)))
        ++i;
    return QStringView(texte).sliced(i).startsWith(u"{\\rtf");
}

bool LireRTF(const QString& rtf, QTextCursor& curseur) {
    if (curseur.isNull())
        return false;
    Lecteur lecteur(rtf);
    if (!lecteur.Lire())
        return false;
    curseur.beginEditBlock();
    curseur.removeSelectedText();
    for (const Morceau& m : lecteur.morceaux)
        curseur.insertText(m.texte, FormatDe(m.car, lecteur.polices, lecteur.couleurs));
    curseur.endEditBlock();
    return true;
}

void CollerTexte(const QString& texte, QTextCursor& curseur) {
    if (curseur.isNull())
        return;
    curseur.beginEditBlock();
    curseur.insertText(texte);
    curseur.endEditBlock();
}

bool CollerContenu(const QString& texte, QTextCursor& curseur) {
    if (EstRTF(texte))
        return LireRTF(texte, curseur);
    CollerTexte(texte, curseur);
    return true;
}
