# The product: 32-bit Windows, run by 32-bit Wine (tools/host.sh says how).
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-gcc.cmake)
