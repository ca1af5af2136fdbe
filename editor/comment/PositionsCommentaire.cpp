#include "PositionsCommentaire.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

PositionsCommentaire::PositionsCommentaire(const QTextDocument& document) {
    m_texte.reserve(document.characterCount() + document.blockCount());
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        if (!m_debuts.empty())
            m_texte += QStringLiteral("\r\n");
        m_debuts.push_back(bloc.position());
        m_texte += bloc.text();
    }
    m_longueurDocument = std::max(0, document.characterCount() - 1);
}

int PositionsCommentaire::LongueurBloc(int bloc) const {
    const int fin = bloc + 1 < nombreBlocs() ? m_debuts[bloc + 1] - 1 : m_longueurDocument;
    return fin - m_debuts[bloc];
}

int PositionsCommentaire::Bloc(int position) const {
    // Le bloc b commence, dans l'éditeur, à m_debuts[b] + b : un CR LF de plus par bloc passé.
    int bas = 0;
    int haut = nombreBlocs() - 1;
    while (bas < haut) {
        const int milieu = (bas + haut + 1) / 2;
        if (m_debuts[milieu] + milieu <= position)
            bas = milieu;
        else
            haut = milieu - 1;
    }
    return bas;
}

int PositionsCommentaire::VersDocument(int position, Milieu milieu) const {
    if (position <= 0)
        return 0;
    if (position >= longueur())
        return m_longueurDocument;
    const int b = Bloc(position);
    const int dans = position - (m_debuts[b] + b);
    const int longueurBloc = LongueurBloc(b);
    if (dans <= longueurBloc)
        return m_debuts[b] + dans;
    // Sur le LF : le saut est à m_debuts[b] + longueurBloc.
    return m_debuts[b] + longueurBloc + (milieu == Milieu::Apres ? 1 : 0);
}

int PositionsCommentaire::VersEditeur(int positionDocument) const {
    const auto suivant = std::upper_bound(m_debuts.begin(), m_debuts.end(), positionDocument);
    const int b = std::max(0, static_cast<int>(suivant - m_debuts.begin()) - 1);
    return positionDocument + b;
}

void PositionsCommentaire::Retirer(int position, int longueur) {
    const int b = Bloc(position);
    m_texte.remove(position, longueur);
    for (int i = b + 1; i < nombreBlocs(); ++i)
        m_debuts[i] -= longueur;
    m_longueurDocument -= longueur;
}

void PositionsCommentaire::RemplacerParSaut(int position, int longueur) {
    const int b = Bloc(position);
    const int saut = VersDocument(position, Milieu::Avant);
    m_texte.replace(position, longueur, QStringLiteral("\r\n"));
    for (int i = b + 1; i < nombreBlocs(); ++i)
        m_debuts[i] -= longueur - 1;
    m_debuts.insert(m_debuts.begin() + b + 1, saut + 1);
    m_longueurDocument -= longueur - 1;
}
