# Dependencies point one way: shell -> ui -> engine -> toolkit -> host -> globals
# -> platform, with l10n and settings beside ui. globals holds the settings record
# and the toolkit globals, plain data that every layer above it reads. Nothing
# under src/ includes the simulated host, and the simulated host sees only the
# platform seam and the host ABI headers.
# Run as: cmake -DROOT=<source dir> -P check_layering.cmake
cmake_minimum_required(VERSION 3.25)
set(allowed_shell    shell ui engine toolkit host globals platform l10n settings)
set(allowed_ui       ui engine toolkit host globals platform l10n settings)
set(allowed_l10n     l10n toolkit host globals platform)
set(allowed_settings settings host globals platform)
set(allowed_engine   engine toolkit host globals platform)
set(allowed_toolkit  toolkit host globals platform)
set(allowed_host     host globals platform)
set(allowed_globals  globals platform)
set(allowed_platform platform)

set(failures "")
foreach(layer shell ui l10n settings engine toolkit host globals platform)
  file(GLOB_RECURSE files ${ROOT}/src/${layer}/*.cpp ${ROOT}/src/${layer}/*.h)
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^#include \"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"/]+)/.*$" "\\1" target "${line}")
      if(target STREQUAL line)
        continue()
      endif()
      if(NOT target IN_LIST allowed_${layer})
        string(APPEND failures "${file}: ${line}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

# sim/cli is the exception: dunvaro-sim is the program that links the plug-in
# and the simulated host together and drives the one through the other, as the
# host's process would, so it may include the plug-in's headers. The rest of
# sim/ stays on the host's side of the boundary.
file(GLOB_RECURSE sim_files ${ROOT}/sim/*.cpp ${ROOT}/sim/*.h)
foreach(file IN LISTS sim_files)
  file(STRINGS ${file} includes REGEX "^#include \"")
  foreach(line IN LISTS includes)
    if(line MATCHES "^#include \"(sim/|platform/|host/host_abi\\.h|host/plugin_entry_abi\\.h|host/fx_entry_table\\.h|host/record_tags\\.h)")
      continue()
    endif()
    if(file MATCHES "/sim/cli/" AND line MATCHES "^#include \"(shell|ui|engine|toolkit|host|globals|l10n|settings)/")
      continue()
    endif()
    string(APPEND failures "${file}: ${line}\n")
  endforeach()
endforeach()

if(failures)
  message(FATAL_ERROR "Includes that cross the layering:\n${failures}")
endif()
message(STATUS "layering: every include points down")
