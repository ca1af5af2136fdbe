#pragma once
// Dir1 : la liste des dossiers du parcours (Parcours.h).

#include <QListWidget>
#include <QString>

// Liste des dossiers : les ancêtres du dossier courant depuis la racine, en retrait, puis ses
// sous-dossiers. Double clic ou Entrée ouvrent l'entrée, Retour arrière remonte d'un cran.
class ListeDossiers : public QListWidget {
    Q_OBJECT
public:
    enum Role { RoleChemin = Qt::UserRole, RoleNiveau };

    explicit ListeDossiers(QWidget* parent = nullptr);

    QString chemin() const { return m_chemin; }
    // Faux, sans rien changer, si le dossier n'existe pas ou ne peut être lu.
    bool definirChemin(const QString& chemin);
    // Relit le dossier ; s'il a disparu, remonte au premier ancêtre lisible.
    void rafraichir();
    // Nombre d'ancêtres montés avant les sous-dossiers (le dossier courant compris).
    int nombreAncetres() const { return m_nbAncetres; }

    static bool dossierLisible(const QString& chemin);

signals:
    void cheminChange(const QString& chemin);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Remplir();
    void Ouvrir(QListWidgetItem* item);

    QString m_chemin;
    int m_nbAncetres = 0;
};
