# Enregistrer sous d'un projet de 200 grandes diapos contre cp des mêmes fichiers.
ajouter_mesure(bench_enregistrer_sous
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_enregistrer_sous.cpp
    LIBS editor_core Qt6::Gui)
