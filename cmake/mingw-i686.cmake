# The product: 32-bit Windows, run by 32-bit Wine, as SOUNDCFG_I686_WINE says
# (tools/host.sh decides it): where the kernel runs no 32-bit programs, the
# launcher starts that Wine under emulation. Without address randomization,
# which now and then lays something where Wine maps its shared user data.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(SOUNDCFG_WINE_LAUNCHER "")
if(SOUNDCFG_I686_WINE STREQUAL "emulated")
  set(SOUNDCFG_WINE_LAUNCHER ${CMAKE_CURRENT_LIST_DIR}/../tools/i386-root.sh)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${SOUNDCFG_WINE_LAUNCHER} setarch -R /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-gcc.cmake)
