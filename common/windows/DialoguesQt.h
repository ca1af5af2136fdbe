#pragma once
// Implémentation réelle de Dialogues : QMessageBox, QInputDialog, QDesktopServices, exec().

#include "Dialogues.h"

#include <QElapsedTimer>
#include <QPointer>

class QProgressDialog;

class DialoguesQt : public Dialogues {
public:
    // parent : la fenêtre qui possède les boîtes (peut être nulle au démarrage).
    explicit DialoguesQt(QWidget* parent = nullptr);
    ~DialoguesQt() override;

    void definirParent(QWidget* parent);

    Reponse message(const QString& titre, const QString& texte, Boutons boutons,
                    Icone icone) override;
    std::optional<QString> saisie(const QString& titre, const QString& invite,
                                  const QString& texteInitial) override;
    bool ouvrirAvecShell(const QString& chemin) override;
    int executerModal(QDialog& fenetre) override;
    void debutProgression(const QString& texte, int total) override;
    void avancerProgression(int fait) override;
    void finProgression() override;

private:
    QPointer<QWidget> m_parent;
    QProgressDialog* m_progression = nullptr;
    QElapsedTimer m_dernierRafraichissement; // limite le coût des mises à jour de progression
};
