# DLLs whose .def file names their __stdcall exports undecorated
# (DllGetClassObject, where 32-bit x86 code defines DllGetClassObject@12):
# there the linker matches each name to its decorated symbol only when told
# to. 64-bit code has no decoration.
#
#   tolvrin_undecorated_stdcall_exports(TARGET)
function(tolvrin_undecorated_stdcall_exports target)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_link_options(${target} PRIVATE -Wl,--enable-stdcall-fixup)
  endif()
endfunction()
