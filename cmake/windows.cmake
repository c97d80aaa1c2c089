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

# The Windows test programs: the conformance tests, FINALE.EXE and the
# end-to-end suite. GoogleTest needs std::mutex, which only the posix thread
# model's C++ library has: the x86_64 preset builds them beside its DLL, and
# the mingw-i686-tests preset (posix model) builds them for 32-bit Wine, where
# they load the product's shipped bytes (KV_SHIPPED_DLL) and no DLL of their
# own is built. The product preset mingw-i686 (win32 model, so that the DLL
# imports no thread library) builds the DLL alone.
set(KV_SHIPPED_DLL "" CACHE FILEPATH "The shipped DLL the test programs load (empty: this tree's own)")
set(KV_WINE_ARCH win64 CACHE STRING "The kind of Wine prefix this tree's programs run in: win64 or win32")
set(KV_TEST_PROGRAMS OFF)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64" OR KV_SHIPPED_DLL)
  set(KV_TEST_PROGRAMS ON)
endif()
if(KV_SHIPPED_DLL)
  set_target_properties(kvdunvaro PROPERTIES EXCLUDE_FROM_ALL ON)
endif()

# Conformance tests: the Windows behaviours the stand-in imitates, compiled
# against real Win32 (run under Wine).
file(GLOB KV_CONFORMANCE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/conformance/*_test.cpp)
if(KV_CONFORMANCE_SOURCES AND EXISTS /usr/src/googletest/CMakeLists.txt AND KV_TEST_PROGRAMS)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_executable(kv_conformance_tests ${KV_CONFORMANCE_SOURCES})
  target_include_directories(kv_conformance_tests PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(kv_conformance_tests PRIVATE kv_plugin gtest gtest_main)
  target_link_options(kv_conformance_tests PRIVATE -static -static-libgcc -static-libstdc++)
endif()

# FINALE.EXE: the simulated host's own sources built for Windows.
# A file in sim/host/windows/ or sim/ui/windows/ replaces the file of the same
# name one folder up (the stand-in's module table, window tree and control
# panel give way to the real loader, real windows and real input); everything
# else is shared with the native build.
if(KV_TEST_PROGRAMS AND EXISTS /usr/include/nlohmann/json.hpp)
  kv_sources(KV_WIN_SIM_SOURCES sim/score sim/host sim/ui)
  set(KV_WIN_SIM_REPLACEMENTS)
  foreach(dir IN ITEMS host ui)
    file(GLOB replacements CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/sim/${dir}/windows/*.cpp)
    foreach(replacement IN LISTS replacements)
      get_filename_component(replaced ${replacement} NAME)
      list(REMOVE_ITEM KV_WIN_SIM_SOURCES ${CMAKE_SOURCE_DIR}/sim/${dir}/${replaced})
    endforeach()
    list(APPEND KV_WIN_SIM_REPLACEMENTS ${replacements})
  endforeach()
  add_library(kv_sim_windows STATIC ${KV_WIN_SIM_SOURCES} ${KV_WIN_SIM_REPLACEMENTS})
  # nlohmann-json is header-only: the Debian package's headers serve mingw too.
  add_library(kv_nlohmann_json INTERFACE)
  target_include_directories(kv_nlohmann_json SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/nlohmann-include)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/nlohmann-include)
  file(CREATE_LINK /usr/include/nlohmann ${CMAKE_BINARY_DIR}/nlohmann-include/nlohmann SYMBOLIC)
  target_include_directories(kv_sim_windows PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(kv_sim_windows PUBLIC kv_nlohmann_json)

  set(KV_HOST_EXPORTS_DEF ${CMAKE_BINARY_DIR}/generated/finale_exports.def)
  add_custom_command(OUTPUT ${KV_HOST_EXPORTS_DEF}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
    COMMAND ${CMAKE_COMMAND} -DTABLE=${CMAKE_SOURCE_DIR}/src/host/fx_entry_table.h
            -DOUT=${KV_HOST_EXPORTS_DEF} -P ${CMAKE_SOURCE_DIR}/cmake/host_exports_def.cmake
    DEPENDS ${CMAKE_SOURCE_DIR}/src/host/fx_entry_table.h ${CMAKE_SOURCE_DIR}/cmake/host_exports_def.cmake
    COMMENT "Listing the host functions FINALE.EXE exports")
  file(GLOB KV_FINALE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/sim/finale/*.cpp)
  add_executable(finale ${KV_FINALE_SOURCES} ${KV_HOST_EXPORTS_DEF})
  target_link_libraries(finale PRIVATE kv_sim_windows)
  # The linker takes the .def as an input of the executable's link.
  target_link_options(finale PRIVATE -static -static-libgcc -static-libstdc++ ${KV_HOST_EXPORTS_DEF})
  set_target_properties(finale PROPERTIES OUTPUT_NAME FINALE SUFFIX .EXE
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/host)
  # The end-to-end suite is a FINALE.EXE of its own (the plug-in binds the
  # host's functions in the module of that name), with the DLL beside it.
  file(GLOB KV_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
  if(KV_E2E_SOURCES AND TARGET gtest)
    add_executable(finale_e2e ${KV_E2E_SOURCES} ${CMAKE_SOURCE_DIR}/sim/finale/message_box_catcher.cpp
      ${KV_HOST_EXPORTS_DEF})
    target_include_directories(finale_e2e PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(finale_e2e PRIVATE kv_sim_windows gtest gtest_main)
    target_link_options(finale_e2e PRIVATE -static -static-libgcc -static-libstdc++ ${KV_HOST_EXPORTS_DEF})
    set_target_properties(finale_e2e PROPERTIES OUTPUT_NAME FINALE SUFFIX .EXE
      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/e2e)
    if(NOT KV_SHIPPED_DLL)
      # Copied each time the DLL is linked: a copy made when FINALE.EXE links
      # would go stale when only the plug-in changes.
      add_custom_command(TARGET kvdunvaro POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/e2e
        COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:kvdunvaro> ${CMAKE_BINARY_DIR}/e2e/)
      add_dependencies(finale_e2e kvdunvaro)
    endif()
    configure_file(${CMAKE_SOURCE_DIR}/examples/orchestral.json ${CMAKE_BINARY_DIR}/e2e/orchestral.json COPYONLY)
  endif()
endif()

include(${CMAKE_SOURCE_DIR}/cmake/wine_tests.cmake)
