#include "DocumentCommentaire.h"

#include "PositionsCommentaire.h"

#include <QTextCursor>
#include <QTextDocument>

QFont PoliceCommentaire() {
    QFont police;
    police.setFamilies({QStringLiteral("MS Sans Serif")});
    police.setPointSize(10);
    return police;
}

void PreparerDocumentCommentaire(QTextDocument& document) {
    document.setDefaultFont(PoliceCommentaire());
}

bool SupprimerTexte(QTextDocument& document, const QString& texte, const QString& motif) {
    if (motif.isEmpty())
        return false;
    const qsizetype i = texte.indexOf(motif);
    if (i < 0)
        return false;
    using M = PositionsCommentaire::Milieu;
    const PositionsCommentaire positions(document);
    QTextCursor curseur(&document);
    curseur.setPosition(positions.VersDocument(static_cast<int>(i), M::Avant));
    curseur.setPosition(positions.VersDocument(static_cast<int>(i + motif.size()), M::Apres),
                        QTextCursor::KeepAnchor);
    if (!curseur.hasSelection())
        return false;
    curseur.removeSelectedText();
    return true;
}
