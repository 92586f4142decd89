# Include roots per layer, so that the compiler itself refuses an include
# that runs up the layers.
#
# Every source includes by path from src/ ("platform/win/window.h",
# "grid/zrl_spread.h"). Instead of src/ for everyone, each layer of
# cmake/layers.txt gets a root of its own in the build folder that shows its
# folder alone, through a symbolic link:
#   <build>/layers/grid/grid          -> src/grid
#   <build>/layers/platform/win/platform/win -> src/platform/win
# A target of a layer is given the roots of its layer and of every layer it
# may use, and nothing else; a header of a higher layer is then simply not
# found. tools/check_layers.py checks the same table line by line and also
# finds include loops.

set(ZRLSS_LAYERS_FILE ${PROJECT_SOURCE_DIR}/cmake/layers.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZRLSS_LAYERS_FILE})

# ZRLSS_LAYERS: every layer of the table, in its order;
# ZRLSS_USES_<layer>: the layers it names.
set(ZRLSS_LAYERS "")
file(STRINGS ${ZRLSS_LAYERS_FILE} _layer_lines)
foreach(_line IN LISTS _layer_lines)
  string(REGEX REPLACE "#.*" "" _line "${_line}")
  string(STRIP "${_line}" _line)
  if(_line STREQUAL "")
    continue()
  endif()
  if(NOT _line MATCHES "^([^:]+):(.*)$")
    message(FATAL_ERROR "${ZRLSS_LAYERS_FILE}: expected 'folder: uses...', got '${_line}'")
  endif()
  string(STRIP "${CMAKE_MATCH_1}" _name)
  string(STRIP "${CMAKE_MATCH_2}" _uses)
  separate_arguments(_uses UNIX_COMMAND "${_uses}")
  list(APPEND ZRLSS_LAYERS ${_name})
  set(ZRLSS_USES_${_name} ${_uses})
endforeach()

# The root of each layer whose folder exists.
set(_layer_root_base ${CMAKE_BINARY_DIR}/layers)
foreach(_name IN LISTS ZRLSS_LAYERS)
  if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/src/${_name})
    set(_link ${_layer_root_base}/${_name}/${_name})
    get_filename_component(_parent ${_link} DIRECTORY)
    file(MAKE_DIRECTORY ${_parent})
    if(NOT EXISTS ${_link})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${_name} ${_link} SYMBOLIC)
    endif()
  endif()
endforeach()

# zrlss_layer_reach(<layer> <out>): the layer and every layer it may use.
function(zrlss_layer_reach layer out)
  set(reach ${layer})
  set(todo ${layer})
  while(todo)
    list(POP_FRONT todo current)
    foreach(used IN LISTS ZRLSS_USES_${current})
      if(NOT used IN_LIST reach)
        list(APPEND reach ${used})
        list(APPEND todo ${used})
      endif()
    endforeach()
  endwhile()
  set(${out} ${reach} PARENT_SCOPE)
endfunction()

# zrlss_layer_includes(<target> <layer> [PUBLIC|PRIVATE|INTERFACE]): gives
# the target the include roots its layer may see (PUBLIC by default, since
# the layer's headers include those of the layers below).
function(zrlss_layer_includes target layer)
  set(scope PUBLIC)
  if(ARGC GREATER 2)
    set(scope ${ARGV2})
  endif()
  if(NOT layer IN_LIST ZRLSS_LAYERS)
    message(FATAL_ERROR "${target}: ${layer} is not a layer of ${ZRLSS_LAYERS_FILE}")
  endif()
  zrlss_layer_reach(${layer} reach)
  set(roots "")
  foreach(name IN LISTS reach)
    if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/src/${name})
      list(APPEND roots ${_layer_root_base}/${name})
    endif()
  endforeach()
  target_include_directories(${target} ${scope} ${roots})
endfunction()
