#pragma once
// Drive1 : la liste des lecteurs du parcours (Parcours.h).

#include <QComboBox>
#include <QList>
#include <QString>

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
