# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --install lays out a complete program folder under the prefix
# (/opt/vessomar by default): the programs and their data side by side, a
# launcher in bin/, and the desktop entry, file type and icon in share/.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX "/opt/vessomar" CACHE PATH "Install prefix" FORCE)
endif()

install(TARGETS Vessomar vessomar-render RUNTIME DESTINATION .)
install(DIRECTORY data/ DESTINATION . PATTERN desktop EXCLUDE)
install(FILES LICENSE DESTINATION .)
install(PROGRAMS packaging/vessomar-launcher DESTINATION bin RENAME vessomar)

# The empty marker that tells an installed program folder from a portable or a
# build folder: the program never writes into a folder that has it.
file(WRITE ${CMAKE_BINARY_DIR}/packaging/Installed "")
install(FILES ${CMAKE_BINARY_DIR}/packaging/Installed DESTINATION .)

set(VESSOMAR_DESKTOP_OUT ${CMAKE_BINARY_DIR}/desktop)
set(VESSOMAR_EXEC "\"${CMAKE_INSTALL_PREFIX}/Vessomar\" %f")
configure_file(${VESSOMAR_DESKTOP_ENTRY_TEMPLATE} ${VESSOMAR_DESKTOP_OUT}/vessomar.desktop @ONLY)
configure_file(${VESSOMAR_METAINFO_TEMPLATE}
               ${VESSOMAR_DESKTOP_OUT}/io.github.vessomar.Vessomar.metainfo.xml @ONLY)
install(FILES ${VESSOMAR_DESKTOP_OUT}/vessomar.desktop DESTINATION share/applications)
install(FILES ${VESSOMAR_MIME_PACKAGE} DESTINATION share/mime/packages RENAME vessomar.xml)
install(FILES ${VESSOMAR_DESKTOP_OUT}/io.github.vessomar.Vessomar.metainfo.xml
        DESTINATION share/metainfo)
install(FILES data/vessomar.svg DESTINATION share/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vessomar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vessomar developers")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Compose covers for disc cases and print them at true size")
set(CPACK_PACKAGING_INSTALL_PREFIX "/opt/vessomar")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vessomar developers <dev@vessomar.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-image-formats-plugins, fonts-liberation, shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    "${CMAKE_SOURCE_DIR}/packaging/postinst;${CMAKE_SOURCE_DIR}/packaging/postrm")
include(CPack)

install(FILES packaging/vessomar-render.1 DESTINATION share/man/man1)
