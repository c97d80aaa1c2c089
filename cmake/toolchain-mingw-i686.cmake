# The product: 32-bit Windows. The win32 thread model's compilers, so that the
# statically linked C and C++ runtimes call Windows directly instead of
# pulling in the POSIX thread library, whose imports (GetTickCount64 and
# others) are missing on the Windows versions the host ran on.
set(KV_MINGW_ARCH i686)
set(KV_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw_toolchain.cmake)
