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

namespace {
BoutonImage* Creer(QWidget* barre, const QString& nom, int numero, const QString& bulle,
                   std::function<void()> commande, const QKeySequence& raccourci) {
    auto* bouton = new BoutonImage(nom, ImageSprite(2 * numero), ImageSprite(2 * numero + 1), bulle,
                                   std::move(commande), barre);
    bouton->definirRaccourci(raccourci);
    return bouton;
}
} // namespace

BoutonImage* BarreOutils::Ajouter(const QString& nom, int numero, const QString& bulle,
                                  std::function<void()> commande, const QKeySequence& raccourci) {
    auto* bouton = Creer(this, nom, numero, bulle, std::move(commande), raccourci);
    m_rangee->addWidget(bouton);
    return bouton;
}

BoutonImage* BarreOutils::AjouterAuBout(const QString& nom, int numero, const QString& bulle,
                                        std::function<void()> commande,
                                        const QKeySequence& raccourci) {
    auto* bouton = Creer(this, nom, numero, bulle, std::move(commande), raccourci);
    m_bout->addWidget(bouton);
    return bouton;
}
