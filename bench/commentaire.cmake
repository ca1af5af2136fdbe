# Conversions du commentaire contre QTextDocument::toHtml() sur le même document.
ajouter_mesure(bench_commentaire
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_commentaire.cpp
    LIBS editor_comment Qt6::Gui)
