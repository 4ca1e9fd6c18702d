# The same sources for 64-bit Windows, run by 64-bit Wine on every x86_64 kernel.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-gcc.cmake)
