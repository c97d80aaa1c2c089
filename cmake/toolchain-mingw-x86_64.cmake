# 64-bit Windows: the DLL that 64-bit hosts load and the Windows test programs
# (posix thread model: GoogleTest needs std::mutex).
set(KV_MINGW_ARCH x86_64)
set(KV_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw_toolchain.cmake)
