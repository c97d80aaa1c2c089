# The plug-in proper: everything under src/ except the Win32 stand-in, built
# the same way for every target.
kv_sources(KV_PLUGIN_SOURCES
  src/globals src/shell src/engine src/toolkit src/host src/ui src/l10n src/settings)

add_library(kv_plugin STATIC ${KV_PLUGIN_SOURCES})
target_include_directories(kv_plugin PUBLIC ${CMAKE_SOURCE_DIR}/src)
