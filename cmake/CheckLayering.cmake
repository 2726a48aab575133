# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file under src/ includes a header of a layer above its own:
#   common <- platform <- core (model, project, and the non-dialog files of
#   print, settings, title) <- widgets <- dialogs (frm* of print, settings,
#   title) <- ui <- app.
# Run as: cmake -DSOURCE_DIR=<tree> -P CheckLayering.cmake
cmake_minimum_required(VERSION 3.22)
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(core_folders model project print settings title)

# The folders a file may include from, or "" when its layer is not checked.
function(allowed_folders rel out)
  string(REGEX MATCH "^[^/]+" folder "${rel}")
  get_filename_component(name "${rel}" NAME)
  if(folder STREQUAL "common")
    set(${out} common PARENT_SCOPE)
  elseif(folder STREQUAL "platform")
    set(${out} common platform PARENT_SCOPE)
  elseif(folder IN_LIST core_folders AND NOT name MATCHES "^frm")
    set(${out} common platform ${core_folders} PARENT_SCOPE)
  elseif(folder STREQUAL "widgets")
    set(${out} common platform ${core_folders} widgets PARENT_SCOPE)
  elseif(folder IN_LIST core_folders)
    set(${out} common platform ${core_folders} widgets PARENT_SCOPE)
  elseif(folder STREQUAL "ui")
    set(${out} common platform ${core_folders} widgets ui PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}/src
     ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h.in)
set(violations "")
foreach(rel IN LISTS sources)
  allowed_folders("${rel}" allowed)
  if(NOT allowed)
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/src/${rel} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
    string(REGEX MATCH "^[^/]+/" top "${header}")
    string(REGEX REPLACE "/$" "" top "${top}")
    if(top AND NOT top IN_LIST allowed)
      string(APPEND violations "\n  src/${rel} includes \"${header}\"")
    endif()
    if(NOT top)
      string(APPEND violations "\n  src/${rel} includes \"${header}\" without its folder")
    endif()
    # Below the dialogs nothing includes a dialog, though it shares their folder.
    get_filename_component(header_name "${header}" NAME)
    if(NOT "widgets" IN_LIST allowed AND header_name MATCHES "^frm")
      string(APPEND violations "\n  src/${rel} includes the dialog \"${header}\"")
    endif()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "Includes that point up the layers:${violations}")
endif()
message(STATUS "Layering: ${SOURCE_DIR}/src includes point one way")
