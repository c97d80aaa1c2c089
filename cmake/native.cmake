# Linux: the plug-in against the Win32 stand-in and the simulated host.
find_package(GTest REQUIRED)
find_package(nlohmann_json 3 REQUIRED)
find_package(CLI11 REQUIRED)
enable_testing()

kv_sources(KV_STANDIN_SOURCES src/platform/posix)
add_library(kv_win32_standin STATIC ${KV_STANDIN_SOURCES})
target_include_directories(kv_win32_standin PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(kv_plugin PUBLIC kv_win32_standin)

# The plug-in's resources (the dialog template): the resource scripts the DLL
# links, compiled by the same resource compiler into the bytes of a .res image
# (kvPluginResourceFile). The stand-in builds dialogs from those bytes.
find_program(KV_WINDRES NAMES x86_64-w64-mingw32-windres i686-w64-mingw32-windres REQUIRED)
file(GLOB KV_RESOURCE_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/ui/*.rc)
set(KV_RESOURCE_IMAGE ${CMAKE_BINARY_DIR}/generated/plugin_resources.cpp)
add_custom_command(OUTPUT ${KV_RESOURCE_IMAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND ${CMAKE_COMMAND} -DWINDRES=${KV_WINDRES} -DINCLUDE=${CMAKE_SOURCE_DIR}/src
          -DOUT=${KV_RESOURCE_IMAGE} -P ${CMAKE_SOURCE_DIR}/cmake/embed_resources.cmake ${KV_RESOURCE_SCRIPTS}
  DEPENDS ${KV_RESOURCE_SCRIPTS} ${CMAKE_SOURCE_DIR}/src/ui/respacing_dialog_ids.h
          ${CMAKE_SOURCE_DIR}/cmake/embed_resources.cmake
  COMMENT "Compiling the plug-in's resources for the stand-in")
add_library(kv_plugin_resources STATIC ${KV_RESOURCE_IMAGE})

# The plug-in as the loader would find the DLL: a module "kvdunvaro.dll" with
# the six entry points and the resources, registered with the stand-in before
# main(). An object library, so that its registering object is always linked.
# Every program that loads the plug-in with LoadLibraryA links it.
add_library(kv_plugin_module OBJECT ${CMAKE_SOURCE_DIR}/src/shell/posix/plugin_module.cpp)
target_link_libraries(kv_plugin_module PUBLIC kv_plugin kv_plugin_resources)

kv_sources(KV_SIM_SOURCES sim/score sim/host sim/ui sim/render)
add_library(kv_sim STATIC ${KV_SIM_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/dll_anchor.cpp)
target_include_directories(kv_sim PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(kv_sim PUBLIC kv_win32_standin nlohmann_json::nlohmann_json)

kv_sources(KV_CLI_SOURCES sim/cli)
if(KV_CLI_SOURCES)
  add_executable(dunvaro-sim ${KV_CLI_SOURCES})
  target_link_libraries(dunvaro-sim PRIVATE kv_plugin_module kv_plugin kv_sim CLI11::CLI11)
  target_compile_definitions(dunvaro-sim PRIVATE KV_VERSION="${PROJECT_VERSION}")
endif()

# The unit suite: one executable for every test file except those that need a
# process of their own (tests/isolated/: the host binding cache lives as long as
# the process, so each host shape gets its own executable).
file(GLOB_RECURSE KV_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*_test.cpp)
list(FILTER KV_TEST_SOURCES EXCLUDE REGEX "/tests/(isolated|e2e|corpus)/")
file(GLOB KV_TEST_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_library(kv_test_support STATIC ${KV_TEST_SUPPORT} ${CMAKE_SOURCE_DIR}/tests/support/empty.cpp)
target_include_directories(kv_test_support PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/src
  ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(kv_test_support PUBLIC kv_plugin kv_sim kv_plugin_resources GTest::gtest GTest::gmock)

add_executable(kv_unit_tests ${KV_TEST_SOURCES})
target_link_libraries(kv_unit_tests PRIVATE kv_plugin_module kv_test_support GTest::gtest_main)
add_test(NAME unit COMMAND kv_unit_tests --gtest_brief=1)
if(TARGET dunvaro-sim)
  add_dependencies(kv_unit_tests dunvaro-sim)  # tests/cli run the program beside the suite
endif()

file(GLOB KV_ISOLATED_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/isolated/*_test.cpp)
foreach(test_source IN LISTS KV_ISOLATED_TESTS)
  get_filename_component(test_name ${test_source} NAME_WE)
  add_executable(${test_name} ${test_source})
  target_link_libraries(${test_name} PRIVATE kv_plugin_module kv_test_support GTest::gtest_main)
  add_test(NAME ${test_name} COMMAND ${test_name} --gtest_brief=1)
endforeach()

# The respacing corpus replay: thousands of whole runs, in a ctest entry of its
# own so that its time shows apart.
add_executable(respace_corpus_test ${CMAKE_SOURCE_DIR}/tests/corpus/respace_corpus_test.cpp)
target_link_libraries(respace_corpus_test PRIVATE kv_test_support GTest::gtest_main)
target_compile_definitions(respace_corpus_test PRIVATE KV_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_test(NAME respace_corpus COMMAND respace_corpus_test --gtest_brief=1)

add_test(NAME layering
  COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/check_layering.cmake)

file(GLOB KV_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
foreach(bench_source IN LISTS KV_BENCH_SOURCES)
  get_filename_component(bench_name ${bench_source} NAME_WE)
  add_executable(${bench_name} ${bench_source})
  target_link_libraries(${bench_name} PRIVATE kv_plugin_module kv_plugin kv_sim)
endforeach()

# Fuzz targets: each fuzz/<name>_fuzz.cpp defines LLVMFuzzerTestOneInput. Every
# native build replays its seed corpus (fuzz/corpus/<name>/) through a plain
# driver as a ctest; with clang and KV_LIBFUZZER=ON the same target is also
# built against libFuzzer for real fuzzing. Every target links the plug-in (as
# the module "kvdunvaro.dll", for targets that load it through a session) and
# the simulated host; a target that uses neither pulls nothing from them.
file(GLOB KV_FUZZ_TARGETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*_fuzz.cpp)
foreach(fuzz_source IN LISTS KV_FUZZ_TARGETS)
  get_filename_component(fuzz_name ${fuzz_source} NAME_WE)
  string(REGEX REPLACE "_fuzz$" "" corpus_name ${fuzz_name})
  add_executable(${fuzz_name}_replay ${fuzz_source} ${CMAKE_SOURCE_DIR}/fuzz/replay_main.cpp)
  target_link_libraries(${fuzz_name}_replay PRIVATE kv_plugin_module kv_sim)
  add_test(NAME ${fuzz_name}_corpus
    COMMAND ${fuzz_name}_replay ${CMAKE_SOURCE_DIR}/fuzz/corpus/${corpus_name})
  if(KV_LIBFUZZER AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_executable(${fuzz_name} ${fuzz_source})
    target_compile_options(${fuzz_name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${fuzz_name} PRIVATE kv_plugin_module kv_sim -fsanitize=fuzzer)
  endif()
endforeach()
