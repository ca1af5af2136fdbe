# Le paquet Debian : « make package » (cible « package » de CMake) fait ostrelle_2.1_<arch>.deb
# dans build (ou dans le dossier que donne « cpack -B »), avec tout ce que « cmake --install »
# pose sous /usr : les deux programmes, leur bibliothèque privée, les données, les entrées de
# menu, les icônes, les fiches AppStream, les pages de manuel et la documentation.
#
# Les dépendances sont calculées sur les binaires par dpkg-shlibdeps (paquet dpkg-dev) ; seules
# les recommandations, que rien dans les binaires ne trahit, sont écrites ici. Pas de script de
# maintenance : les déclencheurs de dpkg mettent à jour le menu et le cache des icônes, et
# « apt remove » ne touche pas aux dossiers des utilisateurs (~/.local/share/Ostrelle), que le
# paquet ne connaît pas.

# La documentation, dans le dossier que Debian donne à chaque paquet.
set(INSTALL_DOCUMENTATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/ostrelle")
install(FILES "${CMAKE_SOURCE_DIR}/README.md" "${CMAKE_CURRENT_LIST_DIR}/debian/copyright"
        DESTINATION "${INSTALL_DOCUMENTATION}")

set(OSTRELLE_MAINTENEUR "Équipe Ostrelle <equipe@ostrelle.example>"
    CACHE STRING "Responsable du paquet Debian (nom et adresse)")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ostrelle)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Ostrelle")
set(CPACK_PACKAGE_CONTACT "${OSTRELLE_MAINTENEUR}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Un seul paquet, toutes parts comprises (programmes, données, bureau, documentation).
set(CPACK_DEB_COMPONENT_INSTALL OFF)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${OSTRELLE_MAINTENEUR}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack ajoute un appel à ldconfig après installation et suppression, parce que la bibliothèque
# est sous usr/lib ; inutile pour une bibliothèque privée, sans danger non plus.
# Le résumé puis la description, en anglais comme le veut Debian (ses traductions passent par
# ailleurs) ; CPack indente les lignes et remplace les lignes vides par « . ».
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photo slideshows published as a web page, and screen capture")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Ostrelle builds slideshows of up to 200 GIF or JPEG photos, each with a
formatted caption, and makes the web page that plays them in any browser,
from the disk and without a network. A rescue copy keeps the last saved
state, so unsaved changes can always be dropped, even after a crash.

Kestrane captures a region of the screen, marked by a see-through frame
moved with the arrow keys, or the whole screen, into numbered BMP files, and
converts them to JPEG at the chosen quality. Ostrelle turns its captures
into new slides.

Both programs have a French interface.")

# Les programmes chargent libbmp2jpg par son nom (dlopen) : elle ne figure pas parmi leurs
# bibliothèques liées, et ses propres dépendances (libturbojpeg) sont lues sur elle.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Ce que les binaires ne disent pas : le greffon Wayland de Qt et le portail de capture (Kestrane
# sous Wayland), les traductions françaises des boîtes standard de Qt, xdg-open pour l'aide et
# les pages faites.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, xdg-desktop-portal, qt6-translations-l10n, xdg-utils")

include(CPack)
