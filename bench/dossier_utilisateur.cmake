# Le dossier du programme d'un programme installé : premier démarrage et démarrage suivant,
# contre une copie « cp -r » et une lecture complète des mêmes données.
ajouter_mesure(bench_dossier_utilisateur
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_dossier_utilisateur.cpp
    LIBS common Qt6::Gui)
target_compile_definitions(bench_dossier_utilisateur PRIVATE
    DOSSIER_PROGRAMME="${DOSSIER_PROGRAMME}")
add_dependencies(bench_dossier_utilisateur donnees)
