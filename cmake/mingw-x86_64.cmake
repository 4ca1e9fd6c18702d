# The same sources for 64-bit Windows, for hosts whose Wine runs no 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-gcc.cmake)
