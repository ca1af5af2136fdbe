#pragma once
// Parcours des disques à trois listes liées, comme dans les boîtes de dialogue d'origine :
// les lecteurs (Drive1), les dossiers (Dir1) et les fichiers d'un motif (File1).
// Les trois pièces servent aussi seules, par exemple deux paires dossiers + fichiers côte à côte.
// Le contenu est lu directement avec QDir : il est juste dès le retour des appels.

#include <QComboBox>
#include <QListWidget>
#include <QStringList>
#include <QWidget>
#include <functional>

// Liste déroulante des lecteurs : le dossier personnel d'abord, puis les volumes montés.
class ListeLecteurs : public QComboBox {
    Q_OBJECT
public:
    struct Lecteur {
        QString nom;    // texte montré
        QString racine; // chemin absolu de la racine
    };
    using Source = std::function<QList<Lecteur>()>;

    explicit ListeLecteurs(QWidget* parent = nullptr);

    // Racine du lecteur choisi.
    QString lecteur() const;
    // Choisit le lecteur dont la racine contient chemin au plus près, sans émettre lecteurChoisi.
    void choisirLecteurDe(const QString& chemin);
    // Relit les lecteurs en gardant le choix courant s'il existe encore.
    void actualiser();
    // Remplace la lecture des volumes (lecteurs factices des essais).
    void definirSource(Source source);

    // Dossier personnel puis volumes montés utiles, sans doublon.
    static QList<Lecteur> volumesMontes();
    // Faux pour les systèmes de fichiers du noyau et de service qui ne sont pas des lecteurs.
    static bool volumeUtile(const QString& racine, const QByteArray& type);

    void showPopup() override;

signals:
    // Seulement quand l'utilisateur change de lecteur.
    void lecteurChoisi(const QString& racine);

private:
    void Activer(int index);

    Source m_source;
    QString m_racine;
};

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

// Liste des fichiers d'un dossier qui répondent au motif, par exemple « *.jpg;*.gif ».
class ListeFichiers : public QListWidget {
    Q_OBJECT
public:
    explicit ListeFichiers(QWidget* parent = nullptr);

    void definirMotif(const QString& motif);
    QString motif() const { return m_motif; }
    // Faux, sans rien changer, si le dossier n'existe pas ou ne peut être lu.
    bool definirChemin(const QString& chemin);
    QString chemin() const { return m_chemin; }
    // Nom du fichier choisi, vide s'il n'y en a pas.
    QString nomFichier() const;
    // Choisit le fichier nommé (aucun si absent), sans émettre fichierClique.
    void selectionnerFichier(const QString& nom);
    // Relit le dossier en gardant le fichier choisi s'il existe encore.
    void rafraichir();

signals:
    void fichierClique(const QString& nom);
    void fichierDoubleClique(const QString& nom);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void Remplir();

    QString m_chemin;
    QString m_motif;
    bool m_enRemplissage = false;
    QListWidgetItem* m_avantClic = nullptr;
};

// Les trois listes réunies et tenues d'accord.
class Parcours : public QWidget {
    Q_OBJECT
public:
    enum class Disposition {
        CoteACote, // lecteurs au-dessus des dossiers, fichiers à droite
        EnColonne  // les trois l'un sous l'autre
    };

    explicit Parcours(QWidget* parent = nullptr, Disposition disposition = Disposition::CoteACote);

    ListeLecteurs* Drive1() { return m_drive1; }
    ListeDossiers* Dir1() { return m_dir1; }
    ListeFichiers* File1() { return m_file1; }

    // Place les trois listes sur ce dossier ; s'il est illisible, sur son plus proche ancêtre
    // lisible (à défaut le dossier personnel) et renvoie faux.
    bool allerA(const QString& dossier);
    QString dossier() const { return m_dir1->chemin(); }
    // Chemin complet du fichier choisi, vide s'il n'y en a pas.
    QString cheminFichier() const;
    // Relit lecteurs, dossiers et fichiers, au retour d'une boîte cachée par exemple.
    void rafraichir();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void LecteurChoisi(const QString& racine);
    void DossierChange(const QString& chemin);

    ListeLecteurs* m_drive1 = nullptr;
    ListeDossiers* m_dir1 = nullptr;
    ListeFichiers* m_file1 = nullptr;
};
