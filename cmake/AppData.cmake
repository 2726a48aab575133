# SPDX-License-Identifier: GPL-3.0-or-later
# Copies data/ beside the executable. Each file is copied only when its source
# changed, so settings and catalogue edits made by running build/Vessomar survive
# a rebuild that does not touch them.
file(GLOB_RECURSE VESSOMAR_DATA_FILES RELATIVE ${CMAKE_SOURCE_DIR}/data
     CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
# data/desktop holds what the desktop and the package take, not the program.
list(FILTER VESSOMAR_DATA_FILES EXCLUDE REGEX "^desktop/")
set(VESSOMAR_DATA_OUTPUTS)
foreach(rel IN LISTS VESSOMAR_DATA_FILES)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/${rel}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/${rel} ${CMAKE_BINARY_DIR}/${rel}
    DEPENDS ${CMAKE_SOURCE_DIR}/data/${rel}
    COMMENT "Data ${rel}" VERBATIM)
  list(APPEND VESSOMAR_DATA_OUTPUTS ${CMAKE_BINARY_DIR}/${rel})
endforeach()
add_custom_target(appdata ALL DEPENDS ${VESSOMAR_DATA_OUTPUTS})
