# ConvertirBMPenJPG contre cjpeg sur une capture d'écran 1920 x 1080 ; l'image vient du même
# fabricant que celle des essais.
ajouter_mesure(bench_bmp2jpg
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_bmp2jpg.cpp
            ${PROJECT_SOURCE_DIR}/tests/bmp2jpg/EcranFactice.cpp
    LIBS bmp2jpg Qt6::Gui)
target_include_directories(bench_bmp2jpg PRIVATE ${PROJECT_SOURCE_DIR}/tests/bmp2jpg)
