// La barre d'outils entière : chaque bouton, sa bulle, son nom accessible, son couple d'images
// dans l'ordre de imgSprite, et sa commande lancée même quand la souris est relâchée ailleurs ;
// les boutons d'aide de chaque fenêtre ; la fenêtre « Info ».

#include "BancPrincipal.h"
#include "FenetresQt.h"
#include "FichierTexte.h"
#include "Nouveautes.h"
#include "Sprites.h"
#include "frmChangerImage.h"
#include "frmChangerModele.h"
#include "frmCin.h"
#include "frmCouleur.h"
#include "frmFichierImage.h"
#include "frmFondEcran.h"
#include "frmInfo.h"
#include "frmReglage.h"
#include "frmSauverSous.h"
#include "frmVisionneuse.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// Ce que la commande d'un bouton doit faire voir : une fenêtre (son objectName), une boîte
// (son titre), une page ouverte (la fin de son chemin) ou le projet « Nouveau » ouvert.
enum class Effet { Fenetre, Boite, Page, Nouveau };

struct Bouton {
    const char* nom;
    int numero; // rang dans imgSprite
    const char* bulle;
    Effet effet;
    const char* attendu;
};

const Bouton kBoutons[] = {
    {"imgFichier", 0, "Ouvrir un diaporama existant", Effet::Fenetre, "frmCin"},
    {"imgNew", 1, "Créer un nouveau diaporama", Effet::Nouveau, ""},
    {"imgSave", 2, "Enregistrer", Effet::Boite, "SAUVEGARDE"},
    {"imgVisual", 3, "Créer et visualiser dans le navigateur", Effet::Page, "/P.htm"},
    {"imgHelp", 4, "Aide", Effet::Page, "/Aide/AideCD.htm"},
    {"imgInfo", 5, "Info", Effet::Fenetre, "frmInfo"},
    {"imgQuitter", 6, "Quitter", Effet::Boite, "QUITTER"},
    {"imgDelete", 7, "Supprimer la diapo", Effet::Boite, "ATTENTION"},
    {"imgAjouter", 8, "Ajouter une diapo ( à la fin )", Effet::Fenetre, "frmFichierImage"},
    {"imgChangeDiapo", 10, "Changer l'image de la diapo", Effet::Fenetre, "frmChangerImage"},
    {"imgSaveSous", 11, "Enregistrer sous...", Effet::Fenetre, "frmSauverSous"},
    {"imgVisuHTML", 12, "Visualise un fichier HTML créé", Effet::Page, "/P.htm"},
    {"imgModele", 13, "Restaurer le modèle par défaut", Effet::Boite, "ALERTE"},
    {"imgChangerFond", 14, "Changer le fond d'un diaporama", Effet::Fenetre, "frmFondEcran"},
    {"imgCapturer", 15, "Capturer une image", Effet::Boite, "Opération Annulée"},
    {"imgDidact", 16, "Didacticiel", Effet::Page, "/Exemples/Didacticiel.htm"},
    {"imgVisionneuse", 17, "Visionneuse de diapositives", Effet::Fenetre, "frmVisionneuse"},
};

// Le projet « P » de trois diapos, ouvert et enregistré ; toute question reçoit Non et toute
// fenêtre est refermée sans rien choisir.
struct BancBarre : BancPrincipal {
    BancBarre() {
        // Des modèles assez longs pour que la page se fasse.
        QStringList page, script;
        for (int i = 1; i <= 12; ++i)
            page << QStringLiteral("page %1").arg(i);
        for (int i = 1; i <= 18; ++i)
            script << QStringLiteral("script %1").arg(i);
        EcrireLignes(bac.programme + "/Nouveau.htm", page);
        EcrireLignes(bac.programme + "/Nouveau.js", script);
        Fenetres().definirServicesCapture({nullptr, nullptr, &dialogues});
        OuvrirP({"a", "b", "c"}, {".jpg", ".jpg", ".jpg"});
        dialogues.reponseParDefaut = Reponse::Non;
        dialogues.fenetresRejetees = true;
        editeur.CommandeEnregistrer();
        dialogues.messages.clear();
    }
    FenetresQt& Fenetres() { return *static_cast<FenetresQt*>(editeur.fenetres); }
};

} // namespace

class TestBarreOutils : public QObject {
    Q_OBJECT
private slots:
    void chaqueBouton_data();
    void chaqueBouton();
    void ordreDeLaBarre();
    void boutonsAideDesFenetres();
    void infoTextesEtFermeture();
    void infoCouleursDesTops();
};

void TestBarreOutils::chaqueBouton_data() {
    QTest::addColumn<int>("ligne");
    for (int i = 0; i < int(std::size(kBoutons)); ++i)
        QTest::newRow(kBoutons[i].nom) << i;
}

void TestBarreOutils::chaqueBouton() {
    QFETCH(int, ligne);
    const Bouton& attendu = kBoutons[ligne];
    BancBarre b;
    b.fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.fenetre));
    auto* bouton = b.fenetre.findChild<BoutonImage*>(attendu.nom);
    QVERIFY(bouton);
    QCOMPARE(bouton->toolTip(), QString(attendu.bulle));
    QCOMPARE(bouton->accessibleName(), QString(attendu.bulle));
    QCOMPARE(bouton->imageRelachee().toImage(), ImageSprite(2 * attendu.numero).toImage());
    QCOMPARE(bouton->imageEnfoncee().toImage(), ImageSprite(2 * attendu.numero + 1).toImage());
    QVERIFY(bouton->imageRelachee().toImage() != bouton->imageEnfoncee().toImage());

    // La fenêtre de capture, montrée sans attente, est fermée par son cadre dès qu'elle se voit.
    QTimer fermerCapture;
    QObject::connect(&fermerCapture, &QTimer::timeout, [&] {
        if (frmReglage* r = b.Fenetres().Reglage(); r && r->isVisible())
            r->close();
    });
    fermerCapture.start(20);

    // Enfoncé, il se voit enfoncé et ne fait rien ; relâché loin de lui, il commande.
    const QString nomAvant = b.editeur.NomProjet;
    QTest::mousePress(bouton, Qt::LeftButton);
    QVERIFY(bouton->estEnfonce());
    QVERIFY(b.dialogues.fenetresVues.isEmpty() && b.dialogues.messages.isEmpty() &&
            b.dialogues.ouvertures.isEmpty());
    QTest::mouseRelease(bouton, Qt::LeftButton, {}, QPoint(-300, 400));
    QVERIFY(!bouton->estEnfonce());

    const QString cible = QString::fromUtf8(attendu.attendu);
    switch (attendu.effet) {
    case Effet::Fenetre:
        QVERIFY2(b.dialogues.fenetresVues.contains(cible),
                 qPrintable(b.dialogues.fenetresVues.join(' ')));
        break;
    case Effet::Boite: {
        QStringList titres;
        for (const MessageVu& m : b.dialogues.messages)
            titres << m.titre;
        QVERIFY2(titres.contains(cible), qPrintable(titres.join(' ')));
        break;
    }
    case Effet::Page:
        QVERIFY(!b.dialogues.ouvertures.isEmpty());
        QVERIFY2(b.dialogues.ouvertures.last().endsWith(cible),
                 qPrintable(b.dialogues.ouvertures.last()));
        break;
    case Effet::Nouveau:
        QCOMPARE(nomAvant, QString("P"));
        QCOMPARE(b.editeur.NomProjet, QString("Nouveau"));
        break;
    }
    // Rien ne reste caché derrière : l'éditeur se voit.
    QVERIFY(b.fenetre.isVisible());
}

// Les commandes se suivent par familles ; « Quitter » se tient seul au bout.
void TestBarreOutils::ordreDeLaBarre() {
    BancBarre b;
    QStringList noms;
    for (auto* bouton : b.fenetre.findChildren<BoutonImage*>())
        noms << bouton->objectName();
    QCOMPARE(noms.size(), int(std::size(kBoutons)));
    QCOMPARE(noms.last(), QString("imgQuitter"));
    QCOMPARE(noms.first(), QString("imgNew"));
    // Le bouton du bout est à droite de tous les autres.
    b.fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.fenetre));
    const int quitter = b.fenetre.findChild<BoutonImage*>("imgQuitter")->x();
    for (auto* bouton : b.fenetre.findChildren<BoutonImage*>())
        QVERIFY(bouton->objectName() == "imgQuitter" || bouton->x() < quitter);
}

// Le bouton « ? » de chaque fenêtre ouvre sa page, dans le dossier du programme.
void TestBarreOutils::boutonsAideDesFenetres() {
    BancBarre b;
    FenetresQt& f = b.Fenetres();
    const QList<QPair<QDialog*, QString>> fenetres = {
        {static_cast<QDialog*>(f.FichierImage()), "Aide_Contextuelle/AjouterImage.htm"},
        {static_cast<QDialog*>(f.ChangerImage()), "Aide_Contextuelle/ChangerImage.htm"},
        {static_cast<QDialog*>(f.Visionneuse()), "Aide_Contextuelle/Vision.htm"},
        {static_cast<QDialog*>(f.FondEcran()), "Aide_Contextuelle/ChangerFond.htm"},
        {static_cast<QDialog*>(f.Couleur()), "Aide_Contextuelle/CouleurTexte.htm"},
        {static_cast<QDialog*>(f.Cin()), "Aide_Contextuelle/OuvrirProjet.htm"},
        {static_cast<QDialog*>(f.SauverSous()), "Aide_Contextuelle/EnregistrerSous.htm"},
        {static_cast<QDialog*>(f.Modele()), "Aide_Contextuelle/ChangerModele.htm"},
    };
    for (const auto& [fenetre, page] : fenetres) {
        auto* aide = fenetre->findChild<QPushButton*>("cmdHelp");
        QVERIFY2(aide, qPrintable(page));
        aide->click();
        QCOMPARE(b.dialogues.ouvertures.last(), b.bac.programme + "/" + page);
    }

    // Celui de la fenêtre de capture ouvre l'aide de la capture.
    QTimer aideCapture;
    QObject::connect(&aideCapture, &QTimer::timeout, [&] {
        frmReglage* r = f.Reglage();
        if (!r || !r->isVisible())
            return;
        aideCapture.stop();
        auto* aide = r->findChild<QWidget*>("cmdHelp");
        QVERIFY(aide);
        QTest::mouseClick(aide, Qt::LeftButton);
        r->close();
    });
    aideCapture.start(20);
    b.editeur.CommandeCapturer();
    QVERIFY(b.dialogues.ouvertures.contains(b.bac.programme + "/AideCapture/index.htm"));
}

// « Info » : ses textes, ses nouveautés, fermée d'un clic sur le fond ou sur l'image ; rouverte,
// son compteur repart de 0.
namespace {
// Ce que montre « Info » à son ouverture, puis sa fermeture d'un clic.
void JouerInfo(frmInfo& info, bool surImage) {
    const QStringList lignesInfo = {
        "Ostrelle  v 2.1", "--> générateur de diaporamas et didacticiels au format HTML.",
        "--> accepte jusqu'à 200 photographies.", "--> commentaires possibles avec balises HTML.",
        "--> fonctionnement sous IE et sous Netscape."};
    info.show();
    QCOMPARE(info.windowTitle(), QString("Info"));
    QCOMPARE(info.compteur(), 0u);
    for (int i = 0; i < lignesInfo.size(); ++i)
        QCOMPARE(info.lblInfo(i)->text(), lignesInfo[i]);
    QVERIFY(!info.lblInfo(5));
    QCOMPARE(info.lblInfo(8)->text(), QString("--> éditeur HTML WYSIWYG pour les commentaires."));
    QCOMPARE(info.lblInfo(7)->toolTip(), QString("Visitez mon site !"));
    QCOMPARE(info.Image1()->toolTip(), QString("Quitter la fenêtre INFO"));
    QCOMPARE(info.Text1()->toPlainText().split('\n').first(),
             QString("NOUVEAUTES DE LA VERSION 2.1 :"));
    QCOMPARE(info.Timer1().interval(), 50);
    QVERIFY(info.Timer1().isActive());
    // La forme : une ellipse, les coins n'en font pas partie.
    QVERIFY(!info.mask().contains(QPoint(2, 2)));
    QVERIFY(info.mask().contains(info.rect().center()));
    QTRY_VERIFY(info.compteur() >= 3);
    if (surImage)
        QTest::mouseClick(info.Image1(), Qt::LeftButton);
    else
        QTest::mouseClick(&info, Qt::LeftButton, {}, info.rect().center() + QPoint(0, 60));
    QVERIFY(!info.isVisible());
}
} // namespace

// « Info » : ses textes, ses nouveautés, fermée d'un clic sur le fond ou sur l'image ; rouverte,
// son compteur repart de 0.
void TestBarreOutils::infoTextesEtFermeture() {
    BancBarre b;
    int ouvertures = 0;
    for (const bool surImage : {false, true}) {
        b.dialogues.fenetres.push_back([&, surImage](QDialog& d) {
            ++ouvertures;
            JouerInfo(static_cast<frmInfo&>(d), surImage);
            return d.isVisible() ? -1 : d.result();
        });
        b.Relacher("imgInfo");
        QVERIFY(!QTest::currentTestFailed());
    }
    QCOMPARE(ouvertures, 2);
    QCOMPARE(b.dialogues.fenetresVues.count("frmInfo"), 2);
    QCOMPARE(Nouveautes::Texte(),
             QString("NOUVEAUTES DE LA VERSION 2.1 :\r\n"
                     "-> visionneuse performante de diapositives.\r\n"
                     "-> insertion, duplication et échange de diapositives.\r\n"
                     "-> amélioration de l'éditeur HTML ( possibilité de copier-coller )\r\n"
                     "-> aide contextuelle intégrée\r\n"
                     "-> finalisation améliorée du fichier HTML créé.\r\n"));
}

// La couleur de la ligne des auteurs aux tops 1, 125 et 375, puis à chaque top de la fenêtre.
void TestBarreOutils::infoCouleursDesTops() {
    QCOMPARE(Nouveautes::CouleurCredits(1), QColor(128, 125, 128));
    QCOMPARE(Nouveautes::CouleurCredits(125), QColor(253, 128, 39));
    QCOMPARE(Nouveautes::CouleurCredits(375), QColor(0, 128, 39));
    // Chaque canal reste entre 0 et 255 sur un cycle entier.
    for (std::uint32_t n = 0; n <= 1000; ++n) {
        const QColor c = Nouveautes::CouleurCredits(n);
        QVERIFY(c.isValid());
    }
    frmInfo info(QString{});
    for (int i = 0; i < 125; ++i)
        info.Top();
    QCOMPARE(info.compteur(), 125u);
    QCOMPARE(info.lblInfo(6)->palette().color(QPalette::WindowText), QColor(253, 128, 39));
    QVERIFY(info.lblInfo(6)->isVisibleTo(&info));
}

QTEST_MAIN(TestBarreOutils)
#include "test_barre_outils.moc"
