#ifndef BMP2JPG_H
#define BMP2JPG_H
/* Conversion d'une capture BMP en JPEG, appelée par nom depuis le moteur de capture.
   Interface C pour qu'un QLibrary::resolve() trouve le symbole sans décoration. */

#include <stdint.h>

#if defined(__GNUC__)
#define BMP2JPG_EXPORTE __attribute__((visibility("default")))
#else
#define BMP2JPG_EXPORTE
#endif

/* Codes de retour : 0 quand le JPEG est écrit ; chaque échec a le sien, pour le journal. */
#define BMP2JPG_REUSSI 0
#define BMP2JPG_CHEMIN_NUL 1          /* chemin absent ou vide */
#define BMP2JPG_QUALITE_INVALIDE 2    /* hors de 1 à 100 */
#define BMP2JPG_BMP_ILLISIBLE 3       /* absent, interdit ou pas un fichier ordinaire */
#define BMP2JPG_PAS_UN_BMP 4          /* signature « BM » absente */
#define BMP2JPG_BMP_TRONQUE 5         /* en-tête ou pixels coupés */
#define BMP2JPG_DIMENSIONS_REFUSEES 6 /* vide ou démesurée */
#define BMP2JPG_FORMAT_NON_GERE 7     /* profondeur, compression, sens ou en-tête */
#define BMP2JPG_DECODAGE_IMPOSSIBLE 8 /* refusé par le lecteur de BMP */
#define BMP2JPG_COMPRESSION_IMPOSSIBLE 9
#define BMP2JPG_DESTINATION_IMPOSSIBLE 10 /* dossier absent, interdit, ou destination dossier */
#define BMP2JPG_ECRITURE_IMPOSSIBLE 11    /* disque plein, erreur d'entrée-sortie */
#define BMP2JPG_REMPLACEMENT_IMPOSSIBLE 12
#define BMP2JPG_MEME_FICHIER 13 /* la destination écraserait la source */
#define BMP2JPG_MEMOIRE_INSUFFISANTE 14

/* Au-delà, on refuse avant toute allocation : aucun écran ne produit cela. */
#define BMP2JPG_COTE_MAX 32768
#define BMP2JPG_PIXELS_MAX 500000000LL

#ifdef __cplusplus
extern "C" {
#endif

/* Écrit jpg (créé ou remplacé d'un seul coup) à partir de bmp ; qualite de 1 à 100.
   En cas d'échec, un JPEG déjà présent reste intact et aucun fichier partiel ne traîne. */
BMP2JPG_EXPORTE int16_t ConvertirBMPenJPG(const char* bmp, const char* jpg, int16_t qualite);

/* Type de la fonction, pour qui la cherche par son nom à l'exécution. */
typedef int16_t (*FonctionConvertirBMPenJPG)(const char* bmp, const char* jpg, int16_t qualite);

#ifdef __cplusplus
}
#endif

#endif
