#include "BalisesCommentaire.h"

const TableBalises BalisesOuvrantesCommentaire = {QStringLiteral("<i>"),   QStringLiteral("<u>"),
                                                  QStringLiteral("<b>"),   QStringLiteral("<s>"),
                                                  QStringLiteral("<sup>"), QStringLiteral("<sub>")};
const TableBalises BalisesFermantesCommentaire = {
    QStringLiteral("</i>"), QStringLiteral("</u>"),   QStringLiteral("</b>"),
    QStringLiteral("</s>"), QStringLiteral("</sup>"), QStringLiteral("</sub>")};
