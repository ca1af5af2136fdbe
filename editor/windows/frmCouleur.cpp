#include "frmCouleur.h"

#include "BoutonAide.h"
#include "ControlesCouleur.h"
#include "Couleurs.h"
#include "Dialogues.h"
#include "Editeur.h"
#include "Feuilles.h"
#include "NombresVB.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int Colonnes = 8;

struct CouleurNommee {
    uint8_t r, g, b;
    const char* nom; // pour les lecteurs d'écran
};

// La palette classique des consoles, dans son ordre.
constexpr CouleurNommee Palette[frmCouleur::NbCasesTypes] = {
    {0, 0, 0, "Noir"},         {0, 0, 128, "Bleu marine"}, {0, 128, 0, "Vert"},
    {0, 128, 128, "Sarcelle"}, {128, 0, 0, "Bordeaux"},    {128, 0, 128, "Violet"},
    {128, 128, 0, "Olive"},    {192, 192, 192, "Argent"},  {128, 128, 128, "Gris"},
    {0, 0, 255, "Bleu"},       {0, 255, 0, "Vert vif"},    {0, 255, 255, "Cyan"},
    {255, 0, 0, "Rouge"},      {255, 0, 255, "Magenta"},   {255, 255, 0, "Jaune"},
    {255, 255, 255, "Blanc"}};

QLabel* Titre(const QString& texte, QWidget* parent) {
    auto* l = new QLabel(texte, parent);
    QFont police = l->font();
    police.setBold(true);
    l->setFont(police);
    return l;
}

} // namespace

using ControlesCouleur::NomsCanaux;

frmCouleur::frmCouleur(Editeur& editeur, QWidget* parent) : QDialog(parent), m_editeur(editeur) {
    setObjectName(QStringLiteral("frmCouleur"));
    setWindowTitle(QStringLiteral("Choix de la couleur"));
    setModal(true);

    auto* colonne = new QVBoxLayout(this);
    colonne->setSizeConstraint(QLayout::SetFixedSize);
    colonne->setContentsMargins(16, 14, 16, 14);
    colonne->setSpacing(6);

    colonne->addWidget(Titre(QStringLiteral("Couleurs types"), this));
    auto* grille = new QGridLayout;
    grille->setSpacing(2);
    for (int i = 0; i < NbCasesTypes; ++i) {
        m_cases[i] = new Case(*this, i, this);
        m_cases[i]->setAccessibleName(QString::fromUtf8(Palette[i].nom));
        grille->addWidget(m_cases[i], i / Colonnes, i % Colonnes);
    }
    grille->setColumnStretch(Colonnes, 1);
    colonne->addLayout(grille);
    // La tabulation entre dans la grille par sa première case.
    m_cases[0]->setFocusPolicy(Qt::StrongFocus);

    colonne->addSpacing(10);
    colonne->addWidget(Titre(QStringLiteral("Couleur définie par l'utilisateur"), this));
    auto* melange = new QHBoxLayout;
    melange->setSpacing(14);
    m_cases[CaseUtilisateur] = new Case(*this, CaseUtilisateur, this);
    m_cases[CaseUtilisateur]->setAccessibleName(
        QStringLiteral("Couleur définie par l'utilisateur"));
    melange->addWidget(m_cases[CaseUtilisateur], 0, Qt::AlignVCenter);
    auto* canaux = new QGridLayout;
    canaux->setHorizontalSpacing(8);
    canaux->setVerticalSpacing(4);
    for (int c = 0; c < 3; ++c) {
        auto* nom = new QLabel(QString::fromUtf8(NomsCanaux[c]), this);
        m_barres[c] = new Barre(*this, c, this);
        nom->setBuddy(m_barres[c]);
        canaux->addWidget(nom, c, 0);
        canaux->addWidget(m_barres[c], c, 1);
    }
    melange->addLayout(canaux);
    melange->addStretch(1);
    colonne->addLayout(melange);

    colonne->addSpacing(10);
    colonne->addWidget(Titre(QStringLiteral("Couleur sélectionnée :"), this));
    auto* choix = new QHBoxLayout;
    choix->setSpacing(12);
    m_picSelection = new Pastille(this, 0);
    m_picSelection->setObjectName(QStringLiteral("picSelection"));
    m_picSelection->setToolTip(QStringLiteral("Couleur sélectionnée pour le texte"));
    m_picSelection->setAccessibleName(QStringLiteral("Couleur sélectionnée pour le texte"));
    m_picSelection->setFixedSize(96, 40);
    choix->addWidget(m_picSelection);
    m_lblSelection = new QLabel(this);
    m_lblSelection->setObjectName(QStringLiteral("lblSelection"));
    m_lblSelection->setToolTip(QStringLiteral("Code couleur HTML"));
    m_lblSelection->setAccessibleName(QStringLiteral("Code couleur HTML"));
    m_lblSelection->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont chasseFixe(QStringLiteral("monospace"));
    chasseFixe.setStyleHint(QFont::Monospace);
    chasseFixe.setPointSizeF(m_lblSelection->font().pointSizeF() * 1.3);
    chasseFixe.setBold(true);
    m_lblSelection->setFont(chasseFixe);
    choix->addWidget(m_lblSelection);
    choix->addStretch(1);
    colonne->addLayout(choix);

    colonne->addSpacing(8);
    auto* boutons = new QHBoxLayout;
    auto* aide = CreerBoutonAide(this, m_editeur, QStringLiteral("CouleurTexte.htm"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdFin_0"));
    ok->setDefault(true);
    ok->setMinimumWidth(96);
    connect(ok, &QPushButton::clicked, this, &frmCouleur::Valider);
    auto* annuler = new QPushButton(QStringLiteral("Annuler"), this);
    annuler->setObjectName(QStringLiteral("cmdFin_1"));
    annuler->setMinimumWidth(96);
    connect(annuler, &QPushButton::clicked, this, &frmCouleur::reject);
    boutons->addWidget(aide);
    boutons->addStretch(1);
    boutons->addWidget(ok);
    boutons->addWidget(annuler);
    colonne->addLayout(boutons);

    // Chargement : une seule fois, la fenêtre n'est ensuite que cachée et montrée.
    for (int i = 0; i < NbCasesTypes; ++i)
        m_cases[i]->definirCouleur(CouleurType(i));
    for (int c = 0; c < 3; ++c) {
        const int largeur = m_barres[c]->width();
        m_barres[c]->Peindre(largeur / 2, ValeurDepart(largeur));
    }
    m_cases[CaseUtilisateur]->definirCouleur(0x7F7F7F);
    Selectionner(CaseUtilisateur);
}

frmCouleur::~frmCouleur() = default;

uint32_t frmCouleur::couleurCase(int i) const {
    return i >= 0 && i <= CaseUtilisateur ? m_cases[i]->couleur() : 0;
}

uint32_t frmCouleur::fondBarre(int canal) const {
    return canal >= 0 && canal < 3 ? m_barres[canal]->fond() : 0;
}

void frmCouleur::Selectionner(int i) {
    if (i < 0 || i > CaseUtilisateur)
        return;
    if (m_caseSelectionnee >= 0)
        m_cases[m_caseSelectionnee]->definirChoisie(false);
    m_caseSelectionnee = i;
    m_cases[i]->definirChoisie(true);
    m_selection = m_cases[i]->couleur();
    m_picSelection->definirCouleur(m_selection);
    m_lblSelection->setText(CouleurVersHTML(m_selection));
}

void frmCouleur::Valider() {
    m_editeur.SelectionCouleurTexte = m_lblSelection->text();
    accept();
}

void frmCouleur::reject() {
    m_editeur.SelectionCouleurTexte = QString();
    QDialog::reject();
}

void frmCouleur::Tirer(int canal, double x) {
    Barre* barre = m_barres[canal];
    const int largeur = barre->width();
    barre->Peindre(BornerX(x, largeur), ValeurCanal(x, largeur));
    m_cases[CaseUtilisateur]->definirCouleur(
        CouleurUtilisateur(m_barres[0]->fond(), m_barres[1]->fond(), m_barres[2]->fond()));
    Selectionner(CaseUtilisateur);
}

void frmCouleur::Deplacer(int depuis, int touche) {
    int cible = depuis;
    if (depuis == CaseUtilisateur) {
        if (touche == Qt::Key_Up)
            cible = Colonnes;
    } else {
        const int ligne = depuis / Colonnes;
        const int col = depuis % Colonnes;
        if (touche == Qt::Key_Left && col > 0)
            cible = depuis - 1;
        else if (touche == Qt::Key_Right && col < Colonnes - 1)
            cible = depuis + 1;
        else if (touche == Qt::Key_Up && ligne > 0)
            cible = depuis - Colonnes;
        else if (touche == Qt::Key_Down)
            cible = ligne == 0 ? depuis + Colonnes : int(CaseUtilisateur);
    }
    if (cible != depuis)
        m_cases[cible]->setFocus(Qt::OtherFocusReason);
}

void frmCouleur::PrendreTabulation(int i) {
    if (i == CaseUtilisateur || i == m_caseTabulation)
        return;
    m_cases[m_caseTabulation]->setFocusPolicy(Qt::ClickFocus);
    m_cases[i]->setFocusPolicy(Qt::StrongFocus);
    m_caseTabulation = i;
}

void frmCouleur::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Centrée au premier affichage ; ensuite elle revient là où l'utilisateur l'a laissée.
    if (!m_centree) {
        CentrerFeuille(*this);
        m_centree = true;
    }
    m_cases[m_caseSelectionnee]->setFocus(Qt::OtherFocusReason);
}

// --- Calculs ---

uint32_t frmCouleur::CouleurType(int i) {
    if (i < 0 || i >= NbCasesTypes)
        return 0;
    const CouleurNommee& c = Palette[i];
    return c.r + 256u * c.g + 65536u * c.b;
}

double frmCouleur::BornerX(double x, int largeur) {
    return std::clamp(x, 0.0, double(std::max(largeur, 0)));
}

int frmCouleur::ValeurCanal(double x, int largeur) {
    if (largeur <= 0)
        return 0;
    return int(ArrondiPair(BornerX(x, largeur) * 255.0 / largeur));
}

int frmCouleur::ValeurDepart(int largeur) {
    if (largeur <= 0)
        return 0;
    return (largeur / 2) * 255 / largeur;
}

uint32_t frmCouleur::FondCanal(int canal, int valeur) {
    return uint32_t(std::clamp(valeur, 0, 255)) << (8 * canal);
}

uint32_t frmCouleur::CouleurMarque(int canal, int valeur) {
    return 0xFFFFFFu & ~FondCanal(canal, valeur);
}

uint32_t frmCouleur::CouleurUtilisateur(uint32_t fondRouge, uint32_t fondVert, uint32_t fondBleu) {
    const uint32_t rouge = fondRouge;
    const uint32_t vert = fondVert / 256;
    const uint32_t bleu = fondBleu / 65536;
    return rouge + 256 * vert + 65536 * bleu;
}

QColor frmCouleur::VersQColor(uint32_t couleur) {
    return QColor(couleur & 0xFF, (couleur >> 8) & 0xFF, (couleur >> 16) & 0xFF);
}
