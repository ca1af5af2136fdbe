#pragma once
// « Choisir un nouveau modèle » sans fenêtre : ce que montre la fenêtre « Modèle »
// (frmChangerModele) selon le dossier et le fichier choisis, et le remplacement du modèle de
// page « Nouveau.htm » du dossier du programme (avec, pour « Image.htm », son image de fond de
// cadre « imgFondTable.jpg »).
//
// Le remplacement ne détruit jamais le modèle en place avant que le nouveau soit écrit : tout
// est copié à côté puis renommé, ou rien ne change. Un fichier qui ne peut pas servir de modèle
// est refusé avant toute question.

#include <QString>
#include <QStringList>
#include <optional>

class Dialogues;

// Pourquoi ces lignes ne peuvent pas servir de modèle de page ; rien si elles le peuvent.
std::optional<QString> DefautModelePage(const std::optional<QStringList>& lignes);

class ChangementModele {
public:
    explicit ChangementModele(QString dossierProgramme);

    QString dossierModeles() const;
    // La liste des modèles ne se montre que dans le dossier des modèles et ses sous-dossiers.
    bool ListeVisible(const QString& dossier) const;
    // Un clic sur un modèle de la liste : il devient NomModele.
    void ChoisirModele(const QString& dossier, const QString& nom);
    const QString& nomModele() const { return m_nom; }
    // « Image.htm » demande son image de fond de cadre.
    bool cadreDemande() const;
    // Un clic sur une image de la liste des fonds de cadre.
    void ChoisirCadre(const QString& chemin) { m_cadre = chemin; }
    const QString& cadre() const { return m_cadre; }

    enum class Issue {
        Rien,     // pas de modèle choisi : la fenêtre se ferme
        Non,      // l'utilisateur a répondu Non : la fenêtre se ferme
        Remplace, // le modèle a été remplacé : la fenêtre se ferme
        Refuse,   // le fichier ne peut pas servir, ou l'écriture a échoué (déjà dit)
    };
    // Command1 : sans modèle choisi (ou liste cachée), rien ; sinon la question, puis le
    // remplacement.
    Issue Valider(Dialogues& dialogues, bool modeleChoisi);

private:
    Issue Remplacer(Dialogues& dialogues);

    QString m_programme;
    QString m_dossier;
    QString m_nom;
    QString m_cadre;
};
