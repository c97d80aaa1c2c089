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
# against real Win32 (run under Wine where it is installed). 64-bit only:
# GoogleTest needs std::mutex, which only the posix thread model's C++ library
# has, and the 32-bit build uses the win32 model so that the product imports
# no thread library (its programs could not run on these machines anyway).
file(GLOB KV_CONFORMANCE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/conformance/*_test.cpp)
if(KV_CONFORMANCE_SOURCES AND EXISTS /usr/src/googletest/CMakeLists.txt
   AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_executable(kv_conformance_tests ${KV_CONFORMANCE_SOURCES})
  target_include_directories(kv_conformance_tests PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(kv_conformance_tests PRIVATE kv_plugin gtest gtest_main)
  target_link_options(kv_conformance_tests PRIVATE -static -static-libgcc -static-libstdc++)
endif()

# Under Wine: the 64-bit build runs its Windows programs with wine64 on a
# virtual display, in a Wine prefix of the build tree's own (the fixture
# creates it once; tests/wine/wine_run.sh bounds every wait).
find_program(KV_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(KV_WINE64 NAMES wine64)
find_program(KV_XVFB_RUN xvfb-run)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64" AND KV_WINE64 AND KV_XVFB_RUN)
  enable_testing()
  set(KV_WINE_RUN ${CMAKE_SOURCE_DIR}/tests/wine/wine_run.sh ${CMAKE_BINARY_DIR}/wine/prefix)
  add_test(NAME wine_prefix COMMAND ${KV_WINE_RUN} --create)
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine)
  if(TARGET kv_conformance_tests)
    add_test(NAME conformance COMMAND ${KV_WINE_RUN} $<TARGET_FILE:kv_conformance_tests> --gtest_brief=1)
    set_tests_properties(conformance PROPERTIES FIXTURES_REQUIRED wine)
  endif()
endif()

# FINALE.EXE (64-bit only): the simulated host's own sources built for Windows.
# A file in sim/host/windows/ or sim/ui/windows/ replaces the file of the same
# name one folder up (the stand-in's module table, window tree and control
# panel give way to the real loader, real windows and real input); everything
# else is shared with the native build.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64" AND EXISTS /usr/include/nlohmann/json.hpp)
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
    # Copied each time the DLL is linked: a copy made when FINALE.EXE links
    # would go stale when only the plug-in changes.
    add_custom_command(TARGET kvdunvaro POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/e2e
      COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:kvdunvaro> ${CMAKE_BINARY_DIR}/e2e/)
    add_dependencies(finale_e2e kvdunvaro)
    configure_file(${CMAKE_SOURCE_DIR}/examples/orchestral.json ${CMAKE_BINARY_DIR}/e2e/orchestral.json COPYONLY)
  endif()
  if(KV_WINE64 AND KV_XVFB_RUN)
    if(TARGET finale_e2e)
      # Run in e2e/, where the Apply test writes demo-respaced-wine.json.
      add_test(NAME e2e COMMAND ${KV_WINE_RUN} $<TARGET_FILE:finale_e2e> --gtest_brief=1
        --gtest_filter=-FinaleSwedishE2E.*)
      set_tests_properties(e2e PROPERTIES FIXTURES_REQUIRED wine FIXTURES_SETUP e2e_run
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/e2e)
      add_test(NAME e2e_swedish COMMAND ${KV_WINE_RUN} $<TARGET_FILE:finale_e2e> --gtest_brief=1
        --gtest_filter=FinaleSwedishE2E.*)
      set_tests_properties(e2e_swedish PROPERTIES FIXTURES_REQUIRED wine ENVIRONMENT KV_WINE_LOCALE=sv_SE.UTF-8)
      # The suite again in prefixes that report Windows 98 and Windows XP: on
      # 98 the plug-in takes the document's view from the window tree. Each
      # has a folder of its own for the Apply test's output.
      foreach(windows IN ITEMS win98 winxp)
        set(prefix ${CMAKE_BINARY_DIR}/wine/prefix-${windows})
        add_test(NAME wine_prefix_${windows} COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/wine_run.sh ${prefix} --create)
        set_tests_properties(wine_prefix_${windows} PROPERTIES FIXTURES_SETUP wine_${windows})
        file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/e2e-${windows})
        configure_file(${CMAKE_SOURCE_DIR}/examples/orchestral.json ${CMAKE_BINARY_DIR}/e2e-${windows}/orchestral.json
          COPYONLY)
        add_test(NAME e2e_${windows} COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/wine_run.sh ${prefix}
          $<TARGET_FILE:finale_e2e> --gtest_brief=1 --gtest_filter=-FinaleSwedishE2E.*)
        set_tests_properties(e2e_${windows} PROPERTIES FIXTURES_REQUIRED wine_${windows}
          ENVIRONMENT KV_WINE_VERSION=${windows} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/e2e-${windows})
      endforeach()
      # The gaps written under Wine against the native dunvaro-sim's: the
      # native presets live beside this build tree (./dev test builds them first).
      get_filename_component(KV_BUILD_ROOT ${CMAKE_BINARY_DIR} DIRECTORY)
      add_test(NAME e2e_gaps_native COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/e2e/compare_gaps.py
        ${CMAKE_BINARY_DIR}/e2e/demo-respaced-wine.json ${KV_BUILD_ROOT}/native-release/dunvaro-sim
        ${KV_BUILD_ROOT}/native-debug/dunvaro-sim)
      set_tests_properties(e2e_gaps_native PROPERTIES FIXTURES_REQUIRED e2e_run DEPENDS e2e)
    endif()
    add_test(NAME finale_self_check COMMAND ${KV_WINE_RUN} $<TARGET_FILE:finale> --self-check
      --score ${CMAKE_SOURCE_DIR}/examples/piano.json)
    set_tests_properties(finale_self_check PROPERTIES FIXTURES_REQUIRED wine)
  endif()
endif()
