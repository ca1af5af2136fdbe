# La visionneuse : défilement de 200 photos de 24 mégapixels, ordre appliqué contre mv.
ajouter_mesure(bench_visionneuse
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_visionneuse.cpp
    LIBS editor_windows Qt6::Widgets)
