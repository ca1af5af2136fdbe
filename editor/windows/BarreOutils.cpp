#include "BarreOutils.h"

#include "BoutonImage.h"
#include "Sprites.h"

#include <QHBoxLayout>

BarreOutils::BarreOutils(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("barreOutils"));
    setAttribute(Qt::WA_StyledBackground);
    auto* ligne = new QHBoxLayout(this);
    ligne->setContentsMargins(8, 4, 8, 4);
    m_rangee = new QHBoxLayout;
    m_rangee->setSpacing(2);
    ligne->addLayout(m_rangee);
    ligne->addStretch(1);
    m_bout = new QHBoxLayout;
    ligne->addLayout(m_bout);
}

BoutonImage* BarreOutils::Ajouter(const QString& nom, int numero, const QString& bulle,
                                  std::function<void()> commande) {
    auto* bouton = new BoutonImage(nom, ImageSprite(2 * numero), ImageSprite(2 * numero + 1), bulle,
                                   std::move(commande), this);
    m_rangee->addWidget(bouton);
    return bouton;
}

BoutonImage* BarreOutils::AjouterAuBout(const QString& nom, int numero, const QString& bulle,
                                        std::function<void()> commande) {
    auto* bouton = new BoutonImage(nom, ImageSprite(2 * numero), ImageSprite(2 * numero + 1), bulle,
                                   std::move(commande), this);
    m_bout->addWidget(bouton);
    return bouton;
}
