#pragma once
// Les balises du commentaire HTML, communes aux deux sens de la conversion.

#include <QString>

#include <array>

// Les tables de balises des six styles : italique, souligné, gras, barré, exposant, indice.
using TableBalises = std::array<QString, 6>;
extern const TableBalises BalisesOuvrantesCommentaire;
extern const TableBalises BalisesFermantesCommentaire;

namespace BalisesCommentaire {

// Le décalage en twips que portent <sup> et <sub>.
inline constexpr int Exposant = 40;
inline constexpr int Indice = -40;

inline const QString Saut = QStringLiteral("<br>");
inline const QString DebutPolice = QStringLiteral("<font");
inline const QString FinPolice = QStringLiteral("</font>");

} // namespace BalisesCommentaire
