# Le cadre sur l'écran figé : du bouton au cadre affiché, d'Entrée au JPEG, sous X11 mis à
# l'échelle et sous Wayland (scripts/bench le lance dans ces deux bureaux).
if(TARGET capture_windows)
    ajouter_mesure(bench_cadre_fige SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_cadre_fige.cpp
                   LIBS capture_windows Qt6::Test)
    target_compile_definitions(bench_cadre_fige PRIVATE DOSSIER_PROGRAMME="${DOSSIER_PROGRAMME}")
    if(TARGET bmp2jpg)
        add_dependencies(bench_cadre_fige bmp2jpg)
    endif()
endif()
