# cmake -DSOURCE_DIR=<src> [-DLAYERS_FILE=<Layers.cmake>] -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.16)
# Fails, naming each one, on every include of a header from a layer above the including file's
# (the layers and their order: src/Layers.cmake), on a file no layer rule takes, and on a
# presenter reaching another presenter through its instance() instead of through what the
# composition root hands it.
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()
if(NOT LAYERS_FILE)
  set(LAYERS_FILE ${SOURCE_DIR}/Layers.cmake)
endif()
include(${LAYERS_FILE})

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(problems)
foreach(file ${files})
  pictovia_layer_of(${file} layer)
  if(NOT layer)
    list(APPEND problems "${file}: no layer takes it (add a rule to src/Layers.cmake)")
    continue()
  endif()
  pictovia_layers_below(${layer} allowed)
  list(APPEND allowed ${layer})
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
    if(NOT EXISTS ${SOURCE_DIR}/${header})
      continue() # generated (BuildConfig.h) or beside the file
    endif()
    pictovia_layer_of(${header} theirs)
    if(theirs AND NOT theirs IN_LIST allowed)
      list(APPEND problems "${file} (${layer}) includes ${header} (${theirs}): a layer above its own")
    endif()
  endforeach()
  if(layer IN_LIST PICTOVIA_WIRED_LAYERS)
    get_filename_component(own ${file} NAME_WE)
    file(STRINGS ${SOURCE_DIR}/${file} reaches REGEX "[A-Za-z_]+(Pres|Model)::instance\\(\\)")
    foreach(line ${reaches})
      string(REGEX MATCHALL "[A-Za-z_]+(Pres|Model)::instance\\(\\)" calls "${line}")
      foreach(call ${calls})
        string(REGEX REPLACE "::instance\\(\\)$" "" other "${call}")
        if(NOT other STREQUAL own)
          list(APPEND problems
            "${file} (${layer}) reaches ${other} through its instance(): let app/PresenterRegistry.cpp hand it in")
        endif()
      endforeach()
    endforeach()
  endif()
endforeach()
list(REMOVE_DUPLICATES problems)

if(problems)
  list(LENGTH problems count)
  string(REPLACE ";" "\n  " listed "${problems}")
  message(FATAL_ERROR "${count} place(s) against the layering in src/Layers.cmake:\n  ${listed}\n"
    "A layer uses only the layers below it. Move the code to the layer where both sides may see it, "
    "or pass what is needed in from above (a signal, a narrow interface).")
endif()
