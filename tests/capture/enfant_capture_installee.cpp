// Un Kestrane sans fenêtre que l'essai pose comme une installation (bin/, lib/ostrelle/,
// share/ostrelle/) ou comme la construction : il démarre comme le vrai (PreparerProgramme),
// puis le moteur de capture, avec sa propre conversion JPEG chargée par son nom, capture une
// zone d'un faux écran. Il écrit sur sa sortie le dossier du programme, puis « JPEG » quand la
// capture a été convertie ; chaque message reçu va sur sa sortie d'erreur.

#include "Demarrage.h"
#include "Dialogues.h"
#include "FauxCapture.h"
#include "ModuleCapture.h"
#include "OptionsCapture.h"
#include "RegleCapture.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

namespace {
class DialoguesEnfant : public Dialogues {
public:
    Reponse message(const QString& titre, const QString& texte, Boutons boutons, Icone) override {
        std::fprintf(stderr, "%s : %s\n", qPrintable(titre), qPrintable(texte));
        return boutons == Boutons::OuiNon ? Reponse::Non : Reponse::OK;
    }
    std::optional<QString> saisie(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool ouvrirAvecShell(const QString&) override { return false; }
    int executerModal(QDialog&) override { return 0; }
    void debutProgression(const QString&, int) override {}
    void avancerProgression(int) override {}
    void finProgression() override {}
};
} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    DialoguesEnfant dialogues;
    const std::optional<QString> dossier =
        PreparerProgramme(application, QStringLiteral("Kestrane"), dialogues);
    if (!dossier)
        return 1;
    std::printf("%s\n", qPrintable(*dossier));

    FauxEcran ecran;
    FausseFenetre fenetre;
    OptionsCapture options = OptionsCapture::Kestrane(*dossier);
    options.terminer = nullptr;
    options.captureEcran = &ecran;
    // Pas de convertisseur donné : le moteur charge lui-même libbmp2jpg.
    ModuleCapture module(options, dialogues, fenetre);
    fenetre.module = &module;
    module.Charger();
    fenetre.cadres.push_back(CadreEntree());
    module.Capturer();
    if (QFileInfo(NomCapture(*dossier, 1, QStringLiteral(".jpg"))).isFile())
        std::printf("JPEG\n");
    return 0;
}
