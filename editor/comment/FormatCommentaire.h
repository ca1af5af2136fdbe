#pragma once
// Ce que le document du commentaire garde pour chaque caractère en plus de Qt : le décalage
// vertical en twips (+40 exposant, -40 indice, toute autre valeur ni l'un ni l'autre), montré
// comme texte surélevé ou abaissé.

#include <QTextCharFormat>

inline constexpr int ProprieteDecalage = QTextFormat::UserProperty + 1;

inline int Decalage(const QTextCharFormat& format) {
    return format.intProperty(ProprieteDecalage);
}

// Pose le décalage et son apparence. À fusionner (mergeCharFormat) : setCharFormat perdrait le
// reste de la mise en forme.
inline void PoserDecalage(QTextCharFormat& format, int twips) {
    format.setProperty(ProprieteDecalage, twips);
    format.setVerticalAlignment(twips > 0   ? QTextCharFormat::AlignSuperScript
                                : twips < 0 ? QTextCharFormat::AlignSubScript
                                            : QTextCharFormat::AlignNormal);
}
