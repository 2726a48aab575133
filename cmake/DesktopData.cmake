# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry and the MIME type are kept once, in data/desktop. The
# registration at start embeds them (this header) and fills in the Exec line for
# the folder it runs from; the install rules configure the same files for the
# prefix.
set(VESSOMAR_DESKTOP_DATA ${CMAKE_SOURCE_DIR}/data/desktop)
set(VESSOMAR_DESKTOP_ENTRY_TEMPLATE ${VESSOMAR_DESKTOP_DATA}/vessomar.desktop.in)
set(VESSOMAR_MIME_PACKAGE ${VESSOMAR_DESKTOP_DATA}/vessomar-mime.xml)
set(VESSOMAR_METAINFO_TEMPLATE ${VESSOMAR_DESKTOP_DATA}/io.github.vessomar.Vessomar.metainfo.xml.in)

# Writes a header with both files as raw string literals; rewritten only when
# they change, so an unrelated configure rebuilds nothing.
function(vessomar_embed_desktop_data header)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${VESSOMAR_DESKTOP_ENTRY_TEMPLATE} ${VESSOMAR_MIME_PACKAGE})
  file(READ ${VESSOMAR_DESKTOP_ENTRY_TEMPLATE} entry)
  file(READ ${VESSOMAR_MIME_PACKAGE} mime)
  string(CONCAT text
    "#pragma once\n\n"
    "// Made by the build from data/desktop.\n\n"
    "namespace vsm::desktop_data {\n\n"
    "inline constexpr char kEntryTemplate[] = R\"vsm(" "${entry}" ")vsm\";\n"
    "inline constexpr char kExecPlaceholder[] = \"@VESSOMAR_EXEC@\";\n"
    "inline constexpr char kMimePackage[] = R\"vsm(" "${mime}" ")vsm\";\n\n"
    "}  // namespace vsm::desktop_data\n")
  file(WRITE ${header}.new "${text}")
  configure_file(${header}.new ${header} COPYONLY)
endfunction()
