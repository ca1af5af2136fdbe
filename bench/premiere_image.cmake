# La première diapo d'une page de 200 diapos générée par l'éditeur, peinte dans Chromium sans
# tête (tests/browser/mesurer_premiere_image.mjs), contre une page qui ne montre que cette photo.
ajouter_mesure(bench_premiere_image
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_premiere_image.cpp
    LIBS editor_core soutien_tests Qt6::Gui)
target_include_directories(bench_premiere_image PRIVATE ${PROJECT_SOURCE_DIR}/tests/editor/core
    ${PROJECT_SOURCE_DIR}/tests/browser)
target_compile_definitions(bench_premiere_image PRIVATE
    DOSSIER_PROGRAMME="${DOSSIER_PROGRAMME}"
    DOSSIER_ESSAIS_NAVIGATEUR="${PROJECT_SOURCE_DIR}/tests/browser")
# Les modèles, le son et le fond viennent du dossier du programme construit.
add_dependencies(bench_premiere_image donnees)
