# Delay-import libraries: a DLL linked through one is loaded at the first call
# of one of its functions instead of at start-up, so that a run that never
# calls it never loads it. The program's notify hook (src/app/delayed_imports.cpp)
# loads it from the system folder only.
#
#   tolvrin_delay_import(NAME DLL EXPORTS...)
# makes the imported library NAME for DLL. Each export is written as on
# 32-bit x86, with its stdcall decoration ("SysFreeString@4"); the decoration
# is dropped for 64-bit builds and from the name that is looked up.
function(tolvrin_delay_import name dll)
  set(definition "LIBRARY ${dll}\nEXPORTS\n")
  set(kept_stubs "")
  foreach(export ${ARGN})
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      string(REGEX REPLACE "@[0-9]+$" "" export "${export}")
    else()
      list(APPEND kept_stubs "LINKER:-u,_${export}")
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
  # The 32-bit linker leaves out an import's jump stub when the code calls
  # only through the import pointer (as every dllimport declaration does).
  # A delayed import's pointer starts out aimed into that stub, so without
  # it the first call jumps to address 0: each stub is kept by name.
  set_target_properties(${name} PROPERTIES INTERFACE_LINK_OPTIONS "${kept_stubs}")
  add_dependencies(${name} ${name}_library)
endfunction()
