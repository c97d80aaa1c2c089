# Windows (mingw-w64): the product DLL, linked statically against the C++
# runtime so that it imports only from Windows system DLLs.
set(CMAKE_SHARED_LIBRARY_PREFIX "")
add_compile_options(-fno-keep-inline-dllexport)

# The DLL is the whole plug-in library. exports.def lists its only exports, the
# six entry points: with the list given the linker exports nothing else, and
# --kill-at drops the stdcall decoration (@n) of the 32-bit names, so the host
# finds them under their plain names.
set(KV_EXPORTS_DEF ${CMAKE_SOURCE_DIR}/src/shell/exports.def)
if(NOT EXISTS ${KV_EXPORTS_DEF})
  message(FATAL_ERROR "src/shell/exports.def is missing: without it the DLL would export every symbol")
endif()
add_library(kvdunvaro SHARED ${CMAKE_SOURCE_DIR}/cmake/dll_anchor.cpp ${KV_EXPORTS_DEF})
file(GLOB KV_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/ui/*.rc)
if(KV_RESOURCES)
  enable_language(RC)
  target_sources(kvdunvaro PRIVATE ${KV_RESOURCES})
endif()
target_link_libraries(kvdunvaro PRIVATE -Wl,--whole-archive kv_plugin -Wl,--no-whole-archive)
target_link_options(kvdunvaro PRIVATE -static -static-libgcc -static-libstdc++ -Wl,--kill-at
  -Wl,--enable-stdcall-fixup)
set_target_properties(kvdunvaro PROPERTIES OUTPUT_NAME kvdunvaro
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/dll)

# Conformance tests: the Windows behaviours the stand-in imitates, compiled
# against real Win32 (run under Wine where it is installed).
file(GLOB KV_CONFORMANCE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/conformance/*_test.cpp)
if(KV_CONFORMANCE_SOURCES AND EXISTS /usr/src/googletest/CMakeLists.txt)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_executable(kv_conformance_tests ${KV_CONFORMANCE_SOURCES})
  target_include_directories(kv_conformance_tests PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(kv_conformance_tests PRIVATE kv_plugin gtest gtest_main)
  target_link_options(kv_conformance_tests PRIVATE -static -static-libgcc -static-libstdc++)
endif()
