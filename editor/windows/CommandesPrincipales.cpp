// Les commandes de la fenêtre principale : la barre d'outils et les boutons de la page.

#include "BarreOutils.h"
#include "BoutonImage.h"
#include "Dialogues.h"
#include "Editeur.h"
#include "frmPrincipal.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>

void frmPrincipal::ConstruireBarreOutils() {
    Editeur& e = m_editeur;
    struct Commande {
        const char* nom;
        int numero; // rang du bouton dans imgSprite
        QString bulle;
        QKeySequence raccourci;
        std::function<void()> action;
        bool avecProjet; // sans diaporama ouvert, la commande ne fait rien : elle se voit grisée
    };
    const Commande commandes[] = {
        {"imgNew", 1, QStringLiteral("Créer un nouveau diaporama"), QKeySequence::New,
         [&e] { e.NouveauProjet(); }, false},
        {"imgFichier", 0, QStringLiteral("Ouvrir un diaporama existant"), QKeySequence::Open,
         [&e] { e.CommandeOuvrir(); }, false},
        {"imgSave", 2, QStringLiteral("Enregistrer"), QKeySequence::Save,
         [&e] { e.CommandeEnregistrer(); }, true},
        {"imgSaveSous", 11, QStringLiteral("Enregistrer sous..."),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [&e] { e.CommandeEnregistrerSous(); },
         true},
        {"imgVisual", 3, QStringLiteral("Créer et visualiser dans le navigateur"),
         QKeySequence(Qt::Key_F5), [&e] { e.CreerHTML(); }, true},
        {"imgVisuHTML", 12, QStringLiteral("Visualise un fichier HTML créé"),
         QKeySequence(Qt::CTRL | Qt::Key_F5), [&e] { e.VoirHTML(); }, true},
        {"imgAjouter", 8, QStringLiteral("Ajouter une diapo ( à la fin )"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), [&e] { e.AjouterDiapo(); }, true},
        {"imgCapturer", 15, QStringLiteral("Capturer une image"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [&e] { e.CommandeCapturer(); }, true},
        {"imgChangeDiapo", 10, QStringLiteral("Changer l'image de la diapo"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I), [&e] { e.ChangerDiapo(); }, true},
        {"imgDelete", 7, QStringLiteral("Supprimer la diapo"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete), [&e] { e.SupprimerDiapo(); }, true},
        {"imgVisionneuse", 17, QStringLiteral("Visionneuse de diapositives"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), [&e] { e.CommandeVisionneuse(); }, true},
        {"imgChangerFond", 14, QStringLiteral("Changer le fond d'un diaporama"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), [&e] { e.CommandeChangerFond(); }, true},
        // Sans raccourci : elle remplace des fichiers du dossier du programme.
        {"imgModele", 13, QStringLiteral("Restaurer le modèle par défaut"), QKeySequence(),
         [&e] { e.CommandeRestaurerModele(); }, false},
        {"imgHelp", 4, QStringLiteral("Aide"), QKeySequence::HelpContents, [&e] { e.Aide(); },
         false},
        {"imgDidact", 16, QStringLiteral("Didacticiel"), QKeySequence(), [&e] { e.Didacticiel(); },
         false},
        {"imgInfo", 5, QStringLiteral("Info"), QKeySequence(), [&e] { e.CommandeInfo(); }, false},
    };
    for (const Commande& c : commandes) {
        auto* bouton =
            m_barre->Ajouter(QString::fromLatin1(c.nom), c.numero, c.bulle, c.action, c.raccourci);
        if (!c.raccourci.isEmpty())
            new QShortcut(c.raccourci, this, c.action);
        if (c.avecProjet)
            m_boutonsProjet << bouton;
    }
    // « Quitter » se tient seul au bout de la barre, loin des commandes d'édition.
    const QKeySequence quitter(Qt::CTRL | Qt::Key_Q);
    m_barre->AjouterAuBout(
        QStringLiteral("imgQuitter"), 6, QStringLiteral("Quitter"), [this] { CommandeQuitter(); },
        quitter);
    new QShortcut(quitter, this, [this] { CommandeQuitter(); });
    // Au clavier, la barre d'outils d'abord, puis le projet, la navigation et le commentaire.
    QList<QWidget*> ordre;
    for (auto* b : m_barre->findChildren<BoutonImage*>())
        ordre << b;
    ordre << m_txtEntete << m_cmdDiapo[0] << m_cmdDiapo[1] << m_txtNumDiapo << m_cmdDiapo[2]
          << m_cmdDiapo[3] << m_richtxtTexteInfo;
    for (int i = 1; i < ordre.size(); ++i)
        QWidget::setTabOrder(ordre[i - 1], ordre[i]);
}

// Sous le commentaire : le modèle des pages et la finalisation du diaporama.
QLayout* frmPrincipal::ConstruireBoutonsPage(QWidget* panneau) {
    auto* rangee = new QHBoxLayout;
    auto* modele = new QPushButton(QStringLiteral("Modèle de page..."), panneau);
    modele->setObjectName(QStringLiteral("cmdChangerModele"));
    modele->setToolTip(QStringLiteral("Choisir un nouveau modèle"));
    connect(modele, &QPushButton::clicked, this, [this] { m_editeur.CommandeChangerModele(); });
    m_cmdFinaliser = new QPushButton(QStringLiteral("Finaliser..."), panneau);
    m_cmdFinaliser->setObjectName(QStringLiteral("cmdFinaliser"));
    m_cmdFinaliser->setToolTip(QStringLiteral("Finaliser le diaporama"));
    connect(m_cmdFinaliser, &QPushButton::clicked, this,
            [this] { m_editeur.FinaliserDiaporama(); });
    rangee->addWidget(modele);
    rangee->addStretch(1);
    rangee->addWidget(m_cmdFinaliser);
    return rangee;
}
