# The folders of src/ are layers, each a static library tolvrin_<folder>
# that links the layers below it that it uses.
#
#   tolvrin_layer(NAME [USES layer...] [ENGINE_SOURCES glob...] [EXCEPT file...])
#
# USES names layers declared before (so the layers form a line, never a
# cycle). A layer's sources see their own folder and those of the layers it
# uses, directly or through another, and no other: its include root is a
# folder of the build holding a link to each of those folders, never src/
# itself, so that `#include "ui/window.h"` in a layer below ui does not
# compile.
#
# ENGINE_SOURCES (globs in the folder) are the floor's sources that the skin
# engine links too: they compile as the engine's code does, without
# exceptions. The program's other sources compile without guards around
# function-local statics: all of them are first reached on its one thread,
# and guards would link the threads library. EXCEPT leaves sources to the
# executables that compile them. TOLVRIN_LAYER_LIBRARIES lists the layers
# declared so far, the highest first: the order they link in.
function(tolvrin_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "" "USES;ENGINE_SOURCES;EXCEPT")
  set(folders ${name})
  foreach(used ${LAYER_USES})
    get_property(below GLOBAL PROPERTY TOLVRIN_LAYER_FOLDERS_${used})
    if(NOT below)
      message(FATAL_ERROR "Layer ${name} uses ${used}, which is not a layer declared before it")
    endif()
    list(APPEND folders ${below})
  endforeach()
  list(REMOVE_DUPLICATES folders)
  set_property(GLOBAL PROPERTY TOLVRIN_LAYER_FOLDERS_${name} ${folders})

  # Made anew at each configure: a layer that stops using another loses the
  # link to its folder.
  set(root ${CMAKE_BINARY_DIR}/layers/${name})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root})
  foreach(folder ${folders})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()

  set(folder ${CMAKE_SOURCE_DIR}/src/${name})
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  list(TRANSFORM LAYER_EXCEPT PREPEND ${folder}/)
  list(REMOVE_ITEM sources ${LAYER_EXCEPT})
  set(engine_sources)
  foreach(pattern ${LAYER_ENGINE_SOURCES})
    file(GLOB matched CONFIGURE_DEPENDS ${folder}/${pattern})
    list(APPEND engine_sources ${matched})
  endforeach()
  set(program_sources ${sources})
  if(engine_sources)
    list(REMOVE_ITEM program_sources ${engine_sources})
    set_property(SOURCE ${engine_sources} APPEND PROPERTY COMPILE_OPTIONS -fno-exceptions)
  endif()
  if(program_sources)
    set_property(SOURCE ${program_sources} APPEND PROPERTY COMPILE_OPTIONS -fno-threadsafe-statics)
  endif()

  add_library(tolvrin_${name} STATIC ${sources})
  target_include_directories(tolvrin_${name} PUBLIC ${root})
  list(TRANSFORM LAYER_USES PREPEND tolvrin_)
  target_link_libraries(tolvrin_${name} PUBLIC tolvrin_options ${LAYER_USES})
  set(TOLVRIN_LAYER_LIBRARIES tolvrin_${name} ${TOLVRIN_LAYER_LIBRARIES} PARENT_SCOPE)
endfunction()
