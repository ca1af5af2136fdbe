#include "Nouveautes.h"

#include "Programme.h"

#include <cmath>

namespace Nouveautes {

std::vector<std::pair<int, QString>> Libelles() {
    return {
        {0, QStringLiteral("Ostrelle  v ") + QString::fromLatin1(VersionProgramme)},
        {1, QStringLiteral("--> générateur de diaporamas et didacticiels au format HTML.")},
        {2, QStringLiteral("--> accepte jusqu'à 200 photographies.")},
        {3, QStringLiteral("--> commentaires possibles avec balises HTML.")},
        {4, QStringLiteral("--> fonctionnement sous IE et sous Netscape.")},
        {6, QStringLiteral("Conçu et réalisé par l'atelier d'Ostrelle et de Kestrane")},
        {7, QStringLiteral("ostrelle.example")},
        {8, QStringLiteral("--> éditeur HTML WYSIWYG pour les commentaires.")},
    };
}

QString BulleSite() {
    return QStringLiteral("Visitez mon site !");
}

QString BulleFermer() {
    return QStringLiteral("Quitter la fenêtre INFO");
}

QString Texte() {
    const QString lignes[] = {
        QStringLiteral("NOUVEAUTES DE LA VERSION 2.1 :"),
        QStringLiteral("-> visionneuse performante de diapositives."),
        QStringLiteral("-> insertion, duplication et échange de diapositives."),
        QStringLiteral("-> amélioration de l'éditeur HTML ( possibilité de copier-coller )"),
        QStringLiteral("-> aide contextuelle intégrée"),
        QStringLiteral("-> finalisation améliorée du fichier HTML créé."),
    };
    QString texte;
    for (const QString& l : lignes)
        texte += l + QStringLiteral("\r\n");
    return texte;
}

QColor CouleurCredits(std::uint32_t n) {
    // 6.28318 et non 2π exact : les couleurs de la fenêtre d'origine, au top près.
    constexpr double tour = 6.28318;
    const double t = static_cast<double>(n) * tour;
    const int rouge = static_cast<int>(std::floor(127 * std::sin(t / 500))) + 127;
    const int vert = 128 - static_cast<int>(std::floor(127 * std::sin(t / 250)));
    const int bleu = 128 - static_cast<int>(std::floor(127 * std::sin(t / 1000)));
    return QColor(rouge, vert, bleu);
}

} // namespace Nouveautes
