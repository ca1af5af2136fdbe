#include "ChangementModele.h"

#include "Dialogues.h"
#include "FichierTexte.h"
#include "Fichiers.h"
#include "GenerateurPage.h"
#include "Remplacements.h"

#include <QDir>
#include <QImageReader>

namespace {
const QString ModeleImage = QStringLiteral("Image.htm");
const QString FondCadre = QStringLiteral("imgFondTable.jpg");

QString Propre(const QString& dossier) {
    return QDir::cleanPath(QDir(dossier).absolutePath());
}

void Refuser(Dialogues& dialogues, const QString& fichier, const QString& raison,
             const QString& role) {
    dialogues.message(
        QStringLiteral("ALERTE"),
        QStringLiteral("Le fichier") + CRLF + QDir::toNativeSeparators(fichier) + CRLF +
            QStringLiteral("ne peut pas servir de %1 : %2.").arg(role, raison) + CRLF + CRLF +
            QStringLiteral("Le modèle des présentations n'a pas changé."),
        Boutons::OK, Icone::Exclamation);
}
} // namespace

std::optional<QString> DefautModelePage(const std::optional<QStringList>& lignes) {
    if (!lignes)
        return QStringLiteral("il ne peut pas être lu");
    if (lignes->size() < LignesModelePageMin)
        return QStringLiteral("il n'a que %1 lignes au lieu d'au moins %2")
            .arg(lignes->size())
            .arg(LignesModelePageMin);
    // La ligne 10 est remplacée par l'appel du script du projet : elle doit l'ouvrir, et la
    // balise se fermer plus loin.
    const QString ligne = lignes->at(LignesAvantScriptPage).trimmed();
    const bool ouvre = ligne.startsWith(QStringLiteral("<script"), Qt::CaseInsensitive) &&
                       !ligne.contains(QStringLiteral("</script"), Qt::CaseInsensitive);
    bool fermee = false;
    for (int i = LignesAvantScriptPage + 1; i < lignes->size() && !fermee; ++i)
        fermee = lignes->at(i).contains(QStringLiteral("</script"), Qt::CaseInsensitive);
    if (!ouvre || !fermee)
        return QStringLiteral("sa ligne 10 n'est pas la ligne du script du diaporama");
    return std::nullopt;
}

ChangementModele::ChangementModele(QString dossierProgramme)
    : m_programme(std::move(dossierProgramme)) {}

QString ChangementModele::dossierModeles() const {
    return m_programme + QStringLiteral("/Modeles");
}

bool ChangementModele::ListeVisible(const QString& dossier) const {
    const QString modeles = Propre(dossierModeles());
    const QString ici = Propre(dossier);
    return ici == modeles || ici.startsWith(modeles + QLatin1Char('/'));
}

void ChangementModele::ChoisirModele(const QString& dossier, const QString& nom) {
    m_dossier = dossier;
    m_nom = nom;
}

bool ChangementModele::cadreDemande() const {
    return m_nom == ModeleImage;
}

ChangementModele::Issue ChangementModele::Valider(Dialogues& dialogues, bool modeleChoisi) {
    if (!modeleChoisi || m_nom.isEmpty() || !ListeVisible(m_dossier))
        return Issue::Rien;
    // Le modèle est pris là où l'utilisateur l'a choisi, sous-dossier compris.
    const QString modele = m_dossier + QLatin1Char('/') + m_nom;
    if (const auto defaut = DefautModelePage(LireLignes(modele))) {
        Refuser(dialogues, modele, *defaut, QStringLiteral("modèle de page"));
        return Issue::Refuse;
    }
    if (cadreDemande() && !m_cadre.isEmpty()) {
        QImageReader lecteur(m_cadre);
        if (!lecteur.canRead() || lecteur.format() != "jpeg") {
            Refuser(dialogues, m_cadre, QStringLiteral("ce n'est pas une image JPEG lisible"),
                    QStringLiteral("fond de cadre"));
            return Issue::Refuse;
        }
    }
    if (!dialogues.question(QString(),
                            QStringLiteral("Voules-vous remplacer le modèle par défaut") + CRLF +
                                QStringLiteral("pour les présentations ") + CRLF +
                                QStringLiteral("par le fichier-modèle ") + m_nom,
                            Icone::Aucune))
        return Issue::Non;
    return Remplacer(dialogues);
}

ChangementModele::Issue ChangementModele::Remplacer(Dialogues& dialogues) {
    RemplacementGroupe groupe;
    bool ok = groupe.Preparer(m_dossier + QLatin1Char('/') + m_nom,
                              m_programme + QStringLiteral("/Nouveau.htm"));
    // Sans image choisie, « Image.htm » garde le fond de cadre en place.
    if (ok && cadreDemande() && !m_cadre.isEmpty())
        ok = groupe.Preparer(m_cadre, m_programme + QLatin1Char('/') + FondCadre) &&
             groupe.Preparer(m_cadre, dossierModeles() + QLatin1Char('/') + FondCadre);
    if (ok && groupe.Appliquer())
        return Issue::Remplace;
    groupe.Abandonner();
    dialogues.message(
        QStringLiteral("ERREUR"),
        QStringLiteral("Le modèle n'a pas pu être remplacé : le fichier") + CRLF +
            QDir::toNativeSeparators(groupe.enEchec()) + CRLF +
            QStringLiteral("n'a pas pu être écrit (%1).").arg(TexteErreurFichier(groupe.erreur())) +
            CRLF + CRLF + QStringLiteral("Le modèle des présentations n'a pas changé."),
        Boutons::OK, Icone::Critique);
    return Issue::Refuse;
}
