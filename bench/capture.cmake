# Capture : de la touche Entrée au JPEG écrit, pour une zone de 1920 x 1080, sous Xvfb.
if(TARGET capture_windows)
    ajouter_mesure(bench_capture SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_capture.cpp
                   LIBS capture_windows)
    # La vraie bibliothèque de conversion, cherchée par son nom dans le dossier du programme.
    target_compile_definitions(bench_capture PRIVATE DOSSIER_PROGRAMME="${DOSSIER_PROGRAMME}")
    if(TARGET bmp2jpg)
        add_dependencies(bench_capture bmp2jpg)
    endif()
endif()
