# cmake --install lays out a complete program folder under the prefix
# (/opt/vessomar by default): the programs and their data side by side, a
# launcher in bin/, and the desktop entry, file type and icon in share/.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX "/opt/vessomar" CACHE PATH "Install prefix" FORCE)
endif()

install(TARGETS Vessomar vessomar-render RUNTIME DESTINATION .)
install(DIRECTORY data/ DESTINATION .)
install(PROGRAMS packaging/vessomar-launcher DESTINATION bin RENAME vessomar)
configure_file(packaging/vessomar.desktop.in ${CMAKE_BINARY_DIR}/packaging/vessomar.desktop @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/vessomar.desktop DESTINATION share/applications)
install(FILES packaging/vessomar-mime.xml DESTINATION share/mime/packages RENAME vessomar.xml)
install(FILES data/vessomar.svg DESTINATION share/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vessomar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vessomar developers")
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
