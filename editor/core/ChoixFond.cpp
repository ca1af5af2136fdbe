#include "ChoixFond.h"

#include "Dialogues.h"
#include "Editeur.h"
#include "Fenetres.h"
#include "FichierProjet.h"
#include "Fichiers.h"

#include <QDir>
#include <QImageReader>

ChoixFond::ChoixFond(QString dossierProgramme) : m_programme(std::move(dossierProgramme)) {}

QString ChoixFond::dossierTextures() const {
    return m_programme + QStringLiteral("/Textures");
}

void ChoixFond::Ouvrir(const QString& nomFond) {
    // Dans l'ordre alphabétique d'une liste de fichiers.
    m_textures =
        QDir(dossierTextures())
            .entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    m_position = 0;
    const auto trouvee = m_textures.indexOf(nomFond);
    if (!nomFond.isEmpty() && trouvee >= 0)
        m_position = static_cast<int>(trouvee);
}

void ChoixFond::Defiler(int position) {
    m_position = std::clamp(position, 0, maximum());
}

QString ChoixFond::nom() const {
    return m_position < m_textures.size() ? m_textures[m_position] : QString();
}

QString ChoixFond::chemin() const {
    return nom().isEmpty() ? QString() : dossierTextures() + QLatin1Char('/') + nom();
}

QString ChoixFond::libelle() const {
    const QString n = nom();
    return n.left(std::max(0, static_cast<int>(n.size()) - 4));
}

namespace Fond {

void CommandeChangerFond(Editeur& e) {
    if (!e.IndOuverture || e.NomProjet == ProjetDefaut || !e.fenetres)
        return;
    e.fenetres->MontrerFondEcran();
    Dialogues& dialogues = e.dialogues();
    if (e.NomFond.isEmpty()) {
        dialogues.message(QString(), QStringLiteral("Opération annulée."), Boutons::OK,
                          Icone::Aucune);
        return;
    }
    const QString texture = e.dossierProgramme() + QStringLiteral("/Textures/") + e.NomFond;
    const QString fond = e.RepertoireProjet + QStringLiteral("/imgFond.jpg");
    // Le fond est remplacé d'un coup, jamais par autre chose qu'une image JPEG.
    QImageReader lecteur(texture);
    std::error_code erreur;
    QString raison;
    if (!lecteur.canRead() || lecteur.format() != "jpeg")
        raison = QStringLiteral("la texture n'est pas une image JPEG lisible");
    else if (!CopierFichier(texture, fond, &erreur))
        raison = TexteErreurFichier(erreur);
    if (raison.isEmpty())
        return;
    dialogues.message(QStringLiteral("ERREUR"),
                      QStringLiteral("Le fond du diaporama n'a pas pu être changé :") + CRLF +
                          QDir::toNativeSeparators(texture) + CRLF + raison + QLatin1Char('.') +
                          CRLF + CRLF + QStringLiteral("Le fond du diaporama n'a pas changé."),
                      Boutons::OK, Icone::Critique);
}

} // namespace Fond
