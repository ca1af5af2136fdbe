#include "GenerateurPage.h"

#include "ConversionRiche.h"

namespace {
const QChar Q = QLatin1Char('"');
}

int EgaliserLignes(QString* infos, int nbSprite) {
    const QString br = QStringLiteral("<br>");
    int ligneMax = 0;
    std::vector<int> comptes(std::max(0, nbSprite));
    for (int i = 0; i < nbSprite; ++i) {
        comptes[i] = static_cast<int>(infos[i].count(br, Qt::CaseSensitive));
        ligneMax = std::max(ligneMax, comptes[i]);
    }
    for (int i = 0; i < nbSprite; ++i)
        if (comptes[i] < ligneMax)
            infos[i] += br.repeated(ligneMax - comptes[i]);
    return ligneMax;
}

QStringList GenererLignesPage(const QStringList& modele, const QString& nomProjet) {
    QStringList page = modele.mid(0, LignesAvantScriptPage);
    page << QStringLiteral("<script language=") + Q + QStringLiteral("JavaScript") + Q +
                QStringLiteral(" type=") + Q + QStringLiteral("text/JavaScript") + Q +
                QStringLiteral(" src=") + Q + nomProjet + QStringLiteral(".js") + Q +
                QStringLiteral(">");
    page += modele.mid(LignesAvantScriptPage + 1);
    return page;
}

QStringList GenererLignesScript(const QStringList& modele, const DonneesPage& d) {
    QStringList script = modele.mid(0, 6);
    script << QStringLiteral("var RepImage=") + Q + ChaineScript(d.nomProjet) + Q +
                  QLatin1Char(';');
    script << QStringLiteral("var NBSprite=%1;").arg(d.nbSprite - 1);
    for (int i = 0; i < d.nbSprite; ++i)
        script << QStringLiteral("Info[%1]=").arg(i) + Q + QStringLiteral("&nbsp;") +
                      TexteVersScript(d.infos[i]) + Q + QLatin1Char(';');
    for (int i = 0; i < d.nbSprite; ++i)
        script << QStringLiteral("TypeImage[%1]=").arg(i) + Q + d.typesImage[i] + Q +
                      QLatin1Char(';');
    script += modele.mid(10, 2);
    const QString element = QStringLiteral("document.getElementById(") + Q;
    script << element + QStringLiteral("diapo") + Q + QStringLiteral(").src=") + Q +
                  ChaineScript(d.nomProjet) + QLatin1Char('0') + d.typesImage[0] + Q +
                  QLatin1Char(';');
    script << element + QStringLiteral("InfoDiaporama") + Q + QStringLiteral(").innerHTML=") + Q +
                  QStringLiteral("1 / %1").arg(d.nbSprite) + Q + QLatin1Char(';');
    script << element + QStringLiteral("InfoTexte") + Q + QStringLiteral(").innerHTML=Info[0];");
    script << element + QStringLiteral("Titre") + Q + QStringLiteral(").innerHTML=") + Q +
                  ChaineScript(d.entete) + Q + QLatin1Char(';');
    script += modele.mid(16);
    return script;
}
