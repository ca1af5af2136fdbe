#pragma once
// Le presse-papiers de l'éditeur de commentaire : « Copier » y met la source RTF de la
// sélection comme texte brut, « Coller » la relit. Le copier-coller de Qt passe par le HTML et
// perd le décalage vertical (FormatCommentaire.h) : d'où ce petit RTF à nous.
//
// Ce qui voyage, caractère par caractère : police, taille (à la demi-point près), couleur,
// gras, italique, souligné, barré, décalage en twips (exact, même hors des demi-points),
// fins de paragraphe (\par), passages à la ligne U+2028 (\line), tabulations (\tab).
//
// Les positions sont celles du document Qt : une fin de paragraphe y compte pour une.
//
// L'écriture est dans EcritureRTF, la lecture et le collage dans LectureRTF.

#include "EcritureRTF.h"
#include "LectureRTF.h"
