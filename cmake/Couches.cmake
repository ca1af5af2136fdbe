# Les couches que l'éditeur de liens vérifie : la logique (common, editor_comment, editor_core,
# capture) ne lie que Qt Core et Gui, jamais Qt Widgets.
#
# Deux gardes :
#  - à la configuration, verifier_sans_widgets() parcourt les liens de chaque bibliothèque de
#    la logique, de proche en proche, et s'arrête net sur Qt6::Widgets ;
#  - à la construction, l'exécutable verification_couches (tests/couches) prend ces
#    bibliothèques en entier sans Qt Widgets : un appel à un widget y reste un symbole non
#    défini, et la construction échoue.

function(_liens_de cible sortie)
    set(liens "")
    foreach(propriete LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
        get_target_property(valeurs ${cible} ${propriete})
        if(valeurs)
            list(APPEND liens ${valeurs})
        endif()
    endforeach()
    set(${sortie} ${liens} PARENT_SCOPE)
endfunction()

function(verifier_sans_widgets)
    foreach(racine IN LISTS ARGN)
        set(a_voir ${racine})
        set(vus "")
        while(a_voir)
            list(POP_FRONT a_voir cible)
            if(cible IN_LIST vus)
                continue()
            endif()
            list(APPEND vus ${cible})
            if(cible MATCHES "^Qt6?::Widgets$|Qt6Widgets|QtWidgets")
                message(FATAL_ERROR
                    "La bibliothèque « ${racine} » tire Qt Widgets (par « ${cible} ») : la logique "
                    "ne lie que Qt Core et Gui. Mettez ce qui a besoin d'un widget dans la "
                    "bibliothèque des fenêtres.")
            endif()
            if(TARGET ${cible} AND NOT cible MATCHES "^Qt6?::")
                _liens_de(${cible} liens)
                list(APPEND a_voir ${liens})
            endif()
        endwhile()
    endforeach()
endfunction()
