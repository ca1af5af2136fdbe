ajouter_mesure(bench_apercu SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_apercu.cpp LIBS editor_core Qt6::Gui)
