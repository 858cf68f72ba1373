# Delay-import libraries: a DLL linked through one is loaded at the first call
# of one of its functions instead of at start-up, so that a run that never
# calls it never loads it. The program's notify hook (src/app/delay_load.cpp)
# loads it from the system folder only.
#
#   tolvrin_delay_import(NAME DLL EXPORTS...)
# makes the imported library NAME for DLL. Each export is written as on
# 32-bit x86, with its stdcall decoration ("SysFreeString@4"); the decoration
# is dropped for 64-bit builds and from the name that is looked up.
function(tolvrin_delay_import name dll)
  set(definition "LIBRARY ${dll}\nEXPORTS\n")
  foreach(export ${ARGN})
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      string(REGEX REPLACE "@[0-9]+$" "" export "${export}")
    endif()
    string(APPEND definition "  ${export}\n")
  endforeach()
  set(def_file ${CMAKE_CURRENT_BINARY_DIR}/${name}.def)
  set(library ${CMAKE_CURRENT_BINARY_DIR}/lib${name}.a)
  file(CONFIGURE OUTPUT ${def_file} CONTENT "${definition}" @ONLY)
  add_custom_command(OUTPUT ${library}
    COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def ${def_file} --dllname ${dll} --output-delaylib ${library}
    DEPENDS ${def_file}
    VERBATIM)
  add_custom_target(${name}_library DEPENDS ${library})
  add_library(${name} STATIC IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES IMPORTED_LOCATION ${library})
  add_dependencies(${name} ${name}_library)
endfunction()
