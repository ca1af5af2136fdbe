#pragma once
// Conversion d'une capture BMP en JPEG. Le moteur ne connaît que cette interface ; la vraie
// conversion est la fonction ConvertirBMPenJPG de la bibliothèque bmp2jpg, chargée par son nom
// au premier appel : absente ou cassée, chaque conversion échoue et le programme continue.

#include <QLibrary>
#include <QString>
#include <cstdint>

class Convertisseur {
public:
    virtual ~Convertisseur() = default;
    // 0 quand le JPEG a été écrit ; toute autre valeur est un échec.
    virtual int16_t convertir(const QString& bmp, const QString& jpg, int16_t qualite) = 0;
};

// Statut rendu quand la bibliothèque ou sa fonction est introuvable.
inline constexpr int16_t ConversionIndisponible = -1;

class ConvertisseurBmp2jpg : public Convertisseur {
public:
    // nomBibliotheque : chemin sans préfixe ni suffixe (dossier + "/bmp2jpg"), QLibrary les
    // ajoute selon la plateforme.
    explicit ConvertisseurBmp2jpg(const QString& nomBibliotheque);

    int16_t convertir(const QString& bmp, const QString& jpg, int16_t qualite) override;

    // Vrai quand la fonction a été trouvée (après un premier appel ou charger()).
    bool charger();
    QString erreurChargement() const { return m_erreur; }

private:
    using Fonction = int16_t (*)(const char*, const char*, int16_t);
    QLibrary m_bibliotheque;
    Fonction m_fonction = nullptr;
    QString m_erreur;
};
