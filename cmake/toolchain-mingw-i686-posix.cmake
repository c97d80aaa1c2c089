# The 32-bit test programs (FINALE.EXE, the end-to-end suite, the conformance
# tests): the posix thread model's compilers, as GoogleTest needs std::mutex.
# Their imports do not matter; the product DLL stays on the win32 model
# (toolchain-mingw-i686.cmake), and these programs load its shipped bytes.
set(KV_MINGW_ARCH i686)
set(KV_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw_toolchain.cmake)
