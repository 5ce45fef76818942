# The layers of the code, lowest first, each built as its own static library
# (pictovia_<layer>_lib). A file may include the headers of its own layer and of the layers its
# layer depends on, directly or through them; never of a layer above. The build stops on an
# include that climbs (cmake/CheckLayers.cmake, also the ctest case "layering").
#
#   pictovia_layer(NAME DEPENDS lower layers... )
# The files of a layer are matched by PICTOVIA_LAYER_RULES below: the first rule a path under
# src/ matches names its layer.

set(PICTOVIA_LAYERS)
macro(pictovia_layer name)
  cmake_parse_arguments(_layer "" "" "DEPENDS" ${ARGN})
  list(APPEND PICTOVIA_LAYERS ${name})
  set(PICTOVIA_LAYER_${name}_DEPENDS ${_layer_DEPENDS})
endmacro()

# Paths, constants, errors and their reports, logging, settings, the singleton helper.
pictovia_layer(foundation)
# The plain records every subsystem shares: slides, the project, a track, the style, the output.
pictovia_layer(records DEPENDS foundation)
# EXIF, decoding, thumbnails and the image providers.
pictovia_layer(images DEPENDS records)
# Media in and out: inputs, audio, the encoder and the video file.
pictovia_layer(media DEPENDS images)
# Theme templates, sprites, scene readers and the style previews drawn with them.
pictovia_layer(theme DEPENDS media)
# The background catalogue and its downloads.
pictovia_layer(backgrounds DEPENDS media)
# The compositor: a project, its theme and background into a video.
pictovia_layer(render DEPENDS theme)
# Project files and the saved-projects store.
pictovia_layer(projectfiles DEPENDS theme)
# Everything QML sees.
pictovia_layer(presenters DEPENDS render projectfiles backgrounds)
# The preview player and its presenter.
pictovia_layer(preview DEPENDS presenters)
# The composition root: start-up and the presenter registry. The programs (app/main.cpp,
# cli/) stand on it.
pictovia_layer(app DEPENDS preview)

# The layers whose presenters reach each other only through what the composition root
# (app/PresenterRegistry.cpp) hands them: no OtherPres::instance() or OtherModel::instance() there.
set(PICTOVIA_WIRED_LAYERS presenters preview)

# regex over the path under src/ -> layer; the first match wins.
set(PICTOVIA_LAYER_RULES
  "^app/(main|PresenterRegistry|CoreInit|TerminationNotifier|AppTranslations|QmlScreens|LaunchFiles)\\." app
  "^cli/" app
  "^preview/" preview
  "Pres\\.(h|cpp)$|Model\\.(h|cpp)$|^project/SlideThumbRouter\\.|^project/Edit(Command|History)\\.|^project/I(ProjectSource|OpenProject|ProjectStyle|StyleChoices|OutputChoices|SlideRows)\\.h$" presenters
  "^project/(Slide|Project|OutputSettings|ProjectTexts|BeatFit)\\.|^render/(MediaFileInfo|BeatGrid)\\.|^theme/StyleSettings\\.|^backgrounds/BackgroundDescriptor\\." records
  "^app/" foundation
  "^images/" images
  "^render/(LibavRender|RenderController|RenderWorker|ScenePlan)\\." render
  "^render/" media
  "^theme/" theme
  "^backgrounds/" backgrounds
  "^project/" projectfiles
)

# The layer of path (relative to src/) into var; empty when no rule matches.
function(pictovia_layer_of path var)
  set(rules ${PICTOVIA_LAYER_RULES})
  set(layer "")
  while(rules)
    list(POP_FRONT rules regex name)
    if(path MATCHES "${regex}")
      set(layer ${name})
      break()
    endif()
  endwhile()
  set(${var} ${layer} PARENT_SCOPE)
endfunction()

# Every layer under layer (its dependencies, theirs, ...) into var.
function(pictovia_layers_below layer var)
  set(below)
  set(pending ${PICTOVIA_LAYER_${layer}_DEPENDS})
  while(pending)
    list(POP_FRONT pending next)
    if(NOT next IN_LIST below)
      list(APPEND below ${next})
      list(APPEND pending ${PICTOVIA_LAYER_${next}_DEPENDS})
    endif()
  endwhile()
  set(${var} ${below} PARENT_SCOPE)
endfunction()
