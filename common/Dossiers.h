#pragma once
// Dossiers fixes des programmes.

#include <QString>

// Le dossier des exécutables, qui est aussi le dossier de travail et celui des données.
QString DossierProgramme();

// Le dossier de la copie de secours (« aaaa.cin »...), propre à l'utilisateur ; créé au besoin.
QString DossierSecours();
