#pragma once
// Ce que dit la fenêtre « Info » : les lignes de présentation, les nouveautés de la version, et
// la couleur de la ligne des auteurs, qui change tous les 50 ms.

#include <QColor>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

namespace Nouveautes {

// Intervalle du minuteur de la fenêtre, en millisecondes.
inline constexpr int IntervalleMs = 50;

// Les libellés lblInfo, par indice (il n'y a pas de 5) ; le 6 est la ligne animée, le 7 le
// nom du site.
std::vector<std::pair<int, QString>> Libelles();
// Bulle du nom du site et de l'image qui ferme la fenêtre.
QString BulleSite();
QString BulleFermer();
// Les nouveautés, lignes CR LF, la dernière comprise.
QString Texte();

// La couleur de la ligne animée au top n (n = 1 au premier top après l'ouverture) : rouge,
// vert et bleu suivent des sinus de périodes 500, 250 et 1000 tops.
QColor CouleurCredits(std::uint32_t n);

} // namespace Nouveautes
