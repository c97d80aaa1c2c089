# The Windows test programs under Wine on a virtual display, each Wine prefix
# of the build tree's own (a fixture creates it once; tests/wine/wine_run.sh
# bounds every wait). The same rows in both test trees: mingw-x86_64 runs its
# own 64-bit DLL in 64-bit prefixes; mingw-i686-tests runs the shipped 32-bit
# DLL in 32-bit prefixes. The 32-bit rows are there whatever this machine has:
# without Wine's 32-bit loader they fail with wine_run.sh's message, rather
# than go missing.
find_program(KV_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(KV_WINE64 NAMES wine64)
find_program(KV_XVFB_RUN xvfb-run)
if(NOT KV_TEST_PROGRAMS OR NOT (KV_SHIPPED_DLL OR (KV_WINE64 AND KV_XVFB_RUN)))
  return()
endif()
enable_testing()
set(KV_WINE_RUN ${CMAKE_COMMAND} -E env KV_WINE_ARCH=${KV_WINE_ARCH} ${CMAKE_SOURCE_DIR}/tests/wine/wine_run.sh)
add_test(NAME wine_prefix COMMAND ${KV_WINE_RUN} ${CMAKE_BINARY_DIR}/wine/prefix --create)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine)
if(TARGET kv_conformance_tests)
  add_test(NAME conformance COMMAND ${KV_WINE_RUN} ${CMAKE_BINARY_DIR}/wine/prefix
    $<TARGET_FILE:kv_conformance_tests> --gtest_brief=1)
  set_tests_properties(conformance PROPERTIES FIXTURES_REQUIRED wine)
endif()
if(NOT TARGET finale)
  return()
endif()

# The plug-in the programs load: the shipped DLL, copied beside the suite's
# FINALE.EXE before every run (it is stripped after the build), and named to
# --self-check by its own path; or this tree's DLL, which the build copies.
set(KV_DLL_FIXTURE)
set(KV_SELF_CHECK_PLUGIN)
if(KV_SHIPPED_DLL)
  add_test(NAME shipped_dll COMMAND ${CMAKE_COMMAND} -E copy ${KV_SHIPPED_DLL} ${CMAKE_BINARY_DIR}/e2e/kvdunvaro.dll)
  set_tests_properties(shipped_dll PROPERTIES FIXTURES_SETUP shipped_dll)
  set(KV_DLL_FIXTURE shipped_dll)
  string(REPLACE "/" "\\" windows_path "Z:${KV_SHIPPED_DLL}")
  set(KV_SELF_CHECK_PLUGIN --plugin ${windows_path})
endif()
add_test(NAME finale_self_check COMMAND ${KV_WINE_RUN} ${CMAKE_BINARY_DIR}/wine/prefix $<TARGET_FILE:finale>
  --self-check --score ${CMAKE_SOURCE_DIR}/examples/piano.json ${KV_SELF_CHECK_PLUGIN})
set_tests_properties(finale_self_check PROPERTIES FIXTURES_REQUIRED wine)
if(NOT TARGET finale_e2e)
  return()
endif()

# The suite once per Windows version, a row each: the ctest name, the version
# the prefix is set to report (KV_WINE_VERSION; "default" leaves the prefix as
# Wine made it) and the Windows the suite must then see (KV_EXPECT_WINDOWS,
# checked against GetVersionExA, so no row passes on a version it did not ask
# for). On 98 the plug-in reads the document's view from the window tree.
# The default row runs in e2e/, where the Apply test writes
# demo-respaced-wine.json; the others in folders of their own, each in a
# prefix of its own.
set(KV_E2E_ROWS "e2e default win7" "e2e_win98 win98 win98" "e2e_winxp winxp winxp")
foreach(row IN LISTS KV_E2E_ROWS)
  separate_arguments(row)
  list(GET row 0 name)
  list(GET row 1 windows)
  list(GET row 2 expected)
  if(windows STREQUAL "default")
    set(prefix ${CMAKE_BINARY_DIR}/wine/prefix)
    set(fixture wine)
    set(dir ${CMAKE_BINARY_DIR}/e2e)
    set(environment KV_EXPECT_WINDOWS=${expected})
  else()
    set(prefix ${CMAKE_BINARY_DIR}/wine/prefix-${windows})
    set(fixture wine_${windows})
    set(dir ${CMAKE_BINARY_DIR}/e2e-${windows})
    set(environment KV_EXPECT_WINDOWS=${expected} KV_WINE_VERSION=${windows})
    add_test(NAME wine_prefix_${windows} COMMAND ${KV_WINE_RUN} ${prefix} --create)
    set_tests_properties(wine_prefix_${windows} PROPERTIES FIXTURES_SETUP ${fixture})
    file(MAKE_DIRECTORY ${dir})
    configure_file(${CMAKE_SOURCE_DIR}/examples/orchestral.json ${dir}/orchestral.json COPYONLY)
  endif()
  add_test(NAME ${name} COMMAND ${KV_WINE_RUN} ${prefix} $<TARGET_FILE:finale_e2e> --gtest_brief=1
    --gtest_filter=-FinaleSwedishE2E.*)
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "${fixture};${KV_DLL_FIXTURE}"
    ENVIRONMENT "${environment}" WORKING_DIRECTORY ${dir})
endforeach()
set_tests_properties(e2e PROPERTIES FIXTURES_SETUP e2e_run)

add_test(NAME e2e_swedish COMMAND ${KV_WINE_RUN} ${CMAKE_BINARY_DIR}/wine/prefix $<TARGET_FILE:finale_e2e>
  --gtest_brief=1 --gtest_filter=FinaleSwedishE2E.*)
set_tests_properties(e2e_swedish PROPERTIES FIXTURES_REQUIRED "wine;${KV_DLL_FIXTURE}"
  ENVIRONMENT KV_WINE_LOCALE=sv_SE.UTF-8)
# The gaps written under Wine against the native dunvaro-sim's: the native
# presets live beside this build tree (./dev test builds them first).
get_filename_component(KV_BUILD_ROOT ${CMAKE_BINARY_DIR} DIRECTORY)
add_test(NAME e2e_gaps_native COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/e2e/compare_gaps.py
  ${CMAKE_BINARY_DIR}/e2e/demo-respaced-wine.json ${KV_BUILD_ROOT}/native-release/dunvaro-sim
  ${KV_BUILD_ROOT}/native-debug/dunvaro-sim)
set_tests_properties(e2e_gaps_native PROPERTIES FIXTURES_REQUIRED e2e_run DEPENDS e2e)
