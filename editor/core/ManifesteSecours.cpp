#include "ManifesteSecours.h"

#include "FichierTexte.h"
#include "NombresVB.h"

namespace {
const QString Entete = QStringLiteral("Copie de secours d'Ostrelle");

const std::pair<ManifesteSecours::Etat, const char*> NomsEtats[] = {
    {ManifesteSecours::Etat::Prise, "prise"},
    {ManifesteSecours::Etat::Complete, "complete"},
    {ManifesteSecours::Etat::Enregistrement, "enregistrement"},
    {ManifesteSecours::Etat::Restauration, "restauration"},
};

QString NomEtat(ManifesteSecours::Etat etat) {
    for (const auto& [e, nom] : NomsEtats)
        if (e == etat)
            return QString::fromLatin1(nom);
    return {};
}
} // namespace

bool ManifesteSecours::contientImage(int diapo, const QString& extension) const {
    return images.contains(std::make_pair(diapo, extension));
}

QString ManifesteSecours::nomProjet() const {
    return repImage.mid(repImage.lastIndexOf(QLatin1Char('/')) + 1);
}

QString ManifesteSecours::dossierProjet() const {
    const qsizetype barre = repImage.lastIndexOf(QLatin1Char('/'));
    return barre <= 0 ? QStringLiteral("/") : repImage.left(barre);
}

bool EcrireManifeste(const QString& chemin, const ManifesteSecours& m) {
    QStringList lignes{Entete, QStringLiteral("Etat=") + NomEtat(m.etat),
                       QStringLiteral("Projet=") + m.repImage,
                       QStringLiteral("NbSprite=") + QString::number(m.nbSprite),
                       QStringLiteral("Echec=") + m.echec};
    for (const QString& f : m.fichiers)
        lignes << QStringLiteral("Fichier=") + f;
    for (const auto& [diapo, ext] : m.images)
        lignes << QStringLiteral("Image=") + QString::number(diapo) + ext;
    return EcrireLignes(chemin, lignes);
}

std::optional<ManifesteSecours> LireManifeste(const QString& chemin) {
    const auto lignes = LireLignes(chemin);
    if (!lignes || lignes->size() < 5 || lignes->at(0) != Entete)
        return std::nullopt;
    ManifesteSecours m;
    bool etatLu = false;
    for (const QString& ligne : lignes->mid(1)) {
        const qsizetype egal = ligne.indexOf(QLatin1Char('='));
        if (egal < 0)
            return std::nullopt;
        const QString cle = ligne.left(egal);
        const QString valeur = ligne.mid(egal + 1);
        if (cle == QLatin1String("Etat")) {
            for (const auto& [e, nom] : NomsEtats)
                if (valeur == QLatin1String(nom)) {
                    m.etat = e;
                    etatLu = true;
                }
        } else if (cle == QLatin1String("Projet")) {
            m.repImage = valeur;
        } else if (cle == QLatin1String("NbSprite")) {
            m.nbSprite = EntierTexte(valeur).value_or(0);
        } else if (cle == QLatin1String("Echec")) {
            m.echec = valeur;
        } else if (cle == QLatin1String("Fichier")) {
            m.fichiers << valeur;
        } else if (cle == QLatin1String("Image")) {
            // « 12.jpg » : le numéro de la diapo puis l'extension.
            const qsizetype point = valeur.indexOf(QLatin1Char('.'));
            const auto diapo = EntierTexte(valeur.left(point));
            if (point <= 0 || !diapo)
                return std::nullopt;
            m.images.append({*diapo, valeur.mid(point)});
        }
    }
    if (!etatLu || m.repImage.isEmpty())
        return std::nullopt;
    return m;
}
