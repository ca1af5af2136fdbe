#include "EcritureRTF.h"

#include "FormatCommentaire.h"
#include "RTFCommun.h"

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
#include <utility>
#include <vector>

namespace {

using namespace InterneRTF;

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
