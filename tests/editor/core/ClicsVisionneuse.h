#pragma once
// Les clics de la visionneuse joués sur OrdreDiapos, sans fenêtre : écrits (« D3 » : défiler
// jusqu'à 3, « V1 » : clic sur la vignette 1, « M2 » : clic sur le marqueur 2) ou tirés au
// hasard.

#include "OrdreDiapos.h"

#include <QRandomGenerator>
#include <QStringList>
#include <functional>

inline void JouerClics(OrdreDiapos& o, const QStringList& clics) {
    for (const QString& clic : clics) {
        const int n = clic.mid(1).toInt();
        if (clic.startsWith('D'))
            o.Defiler(n);
        else if (clic.startsWith('V'))
            o.CliquerVignette(n);
        else if (clic.startsWith('M'))
            o.Inserer(n);
    }
}

// nombre clics au hasard (défiler, vignette ou marqueur) ; apres est appelé après chacun.
inline void ClicsAuHasard(OrdreDiapos& o, QRandomGenerator& g, int nombre,
                          const std::function<void()>& apres = {}) {
    for (int pas = 0; pas < nombre; ++pas) {
        switch (g.bounded(3)) {
        case 0:
            o.Defiler(static_cast<int>(g.bounded(o.maximum() + 1)));
            break;
        case 1:
            o.CliquerVignette(static_cast<int>(g.bounded(NbVignettes)));
            break;
        default:
            o.Inserer(static_cast<int>(g.bounded(NbMarqueurs)));
            break;
        }
        if (apres)
            apres();
    }
}
