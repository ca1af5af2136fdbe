#include "Reordonner.h"

#include "CopieSecours.h"
#include "Dialogues.h"
#include "Editeur.h"
#include "Fenetres.h"
#include "FichierProjet.h"
#include "Fichiers.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <array>
#include <utility>
#include <vector>

namespace Reordonner {

namespace {
const std::array<QString, 2> Extensions{QStringLiteral(".gif"), QStringLiteral(".jpg")};

QString AutreExtension(const QString& ext) {
    return ext == Extensions[0] ? Extensions[1] : Extensions[0];
}

// Les renommages faits, pour pouvoir tout défaire. Aucun ne remplace un fichier existant : ce
// pourrait être une image encore utile, ou un reste d'une application interrompue.
class Journal {
public:
    bool Renommer(const QString& de, const QString& vers) {
        if (!RenommerSansRemplacer(de, vers, &m_erreur)) {
            m_enEchec = vers;
            return false;
        }
        m_faits.emplace_back(de, vers);
        return true;
    }
    // Sous un nom provisoire « _temp_ » libre ; rend ce nom, vide en cas d'échec.
    QString MettreDeCote(const QString& de, const QString& repImage, int i, const QString& ext) {
        const QString base = repImage + QStringLiteral("_temp_") + QString::number(i);
        for (int n = 1; n < 1000; ++n) {
            const QString nom =
                base + (n == 1 ? QString() : QLatin1Char('_') + QString::number(n)) + ext;
            if (Renommer(de, nom))
                return nom;
            if (m_erreur != std::errc::file_exists)
                return {};
        }
        m_enEchec = de;
        return {};
    }
    void Defaire() {
        for (auto it = m_faits.rbegin(); it != m_faits.rend(); ++it)
            RenommerSansRemplacer(it->second, it->first);
        m_faits.clear();
    }
    const QString& enEchec() const { return m_enEchec; }
    const std::error_code& erreur() const { return m_erreur; }

private:
    std::vector<std::pair<QString, QString>> m_faits;
    QString m_enEchec;
    std::error_code m_erreur;
};

// Les fichiers du dossier du projet, lus une fois (sans un appel au système par image).
// Les chemins sont écrits comme CheminImageDiapo les écrit, pour s'y comparer.
QSet<QString> FichiersPresents(const QString& repImage) {
    const QString dossier = repImage.left(repImage.lastIndexOf(QLatin1Char('/')) + 1);
    const QStringList noms =
        QDir(dossier).entryList({repImage.mid(dossier.size()) + QLatin1Char('*')},
                                QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    QSet<QString> presents;
    for (const QString& nom : noms)
        presents.insert(dossier + nom);
    return presents;
}

// Les renommages eux-mêmes ; faux (et le journal le dit) au premier échec.
bool Renumeroter(const Editeur& e, Journal& journal, QStringList& aEffacer) {
    const int n = e.NbSprite;
    const TableOrdre& ordre = e.OrdreDiapo;
    const QSet<QString> presents = FichiersPresents(e.RepImage);
    const auto image = [&](int i, const QString& ext) {
        return CheminImageDiapo(e.RepImage, i, ext);
    };
    // Une image de l'autre extension sous un numéro qui change de diapo ferait prendre la
    // nouvelle pour un GIF à la relecture : elle est écartée, puis effacée si tout réussit.
    for (int i = 0; i < n; ++i) {
        const QString autre = image(i, AutreExtension(e.TypeImage[i]));
        if (ordre[i] == i || !presents.contains(autre))
            continue;
        const QString ecartee =
            journal.MettreDeCote(autre, e.RepImage, i, AutreExtension(e.TypeImage[i]));
        if (ecartee.isEmpty())
            return false;
        aEffacer << ecartee;
    }
    // Chaque cycle de la permutation : la première image sous un nom provisoire, chaque
    // position prend l'image qu'elle attend, la dernière reprend la première. Une image qui
    // manque ne se déplace pas, sa diapo bouge quand même.
    std::vector<bool> faite(static_cast<size_t>(n), false);
    for (int debut = 0; debut < n; ++debut) {
        if (ordre[debut] == debut || faite[debut])
            continue;
        const QString& typeDebut = e.TypeImage[debut];
        QString provisoire;
        if (presents.contains(image(debut, typeDebut))) {
            provisoire =
                journal.MettreDeCote(image(debut, typeDebut), e.RepImage, debut, typeDebut);
            if (provisoire.isEmpty())
                return false;
        }
        for (int p = debut;;) {
            faite[p] = true;
            const int k = ordre[p];
            const QString& type = e.TypeImage[k];
            const QString source = k == debut ? provisoire : image(k, type);
            if ((k == debut ? !provisoire.isEmpty() : presents.contains(source)) &&
                !journal.Renommer(source, image(p, type)))
                return false;
            if (k == debut)
                break;
            p = k;
        }
    }
    return true;
}
} // namespace

bool AppliquerOrdre(Editeur& e) {
    const int n = e.NbSprite;
    const TableOrdre& ordre = e.OrdreDiapo;
    // Une table qui ne serait pas une permutation de 0 à n − 1 perdrait des diapos.
    std::vector<bool> vu(static_cast<size_t>(n), false);
    for (int i = 0; i < n; ++i) {
        const int k = ordre[i];
        if (k < 0 || k >= n || vu[k])
            return false;
        vu[k] = true;
    }

    Journal journal;
    QStringList aEffacer;
    if (!Renumeroter(e, journal, aEffacer)) {
        journal.Defaire();
        e.dialogues().message(
            QStringLiteral("ERREUR"),
            QStringLiteral("Le nouvel ordre des diapos n'a pas pu être appliqué : le fichier") +
                CRLF + QDir::toNativeSeparators(journal.enEchec()) + CRLF +
                QStringLiteral("n'a pas pu être écrit (%1).")
                    .arg(TexteErreurFichier(journal.erreur())) +
                CRLF + CRLF +
                QStringLiteral("Rien n'a changé : les diapos gardent leur ordre et leurs images."),
            Boutons::OK, Icone::Critique);
        return false;
    }
    for (const QString& ecartee : aEffacer)
        SupprimerFichier(ecartee);

    TableDiapos info = e.Info;
    TableDiapos type = e.TypeImage;
    for (int i = 0; i < n; ++i) {
        info[i] = e.Info[ordre[i]];
        type[i] = e.TypeImage[ordre[i]];
    }
    e.Info = info;
    e.TypeImage = type;
    e.copieSecours().NoterModification();
    return true;
}

void Commande(Editeur& e) {
    if (!e.IndOuverture || !e.fenetres)
        return;
    // Le commentaire en cours d'écriture suit sa diapo.
    e.RichVersHTML();
    e.IndChangementDiapo = false;
    e.fenetres->MontrerVisionneuse();
    if (!e.IndChangementDiapo)
        return;
    if (!AppliquerOrdre(e))
        return;
    e.IndEnregistrer = false;
    e.IndHTML = false;
    e.AfficherDiapo();
}

} // namespace Reordonner
