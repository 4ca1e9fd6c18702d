# The product: 32-bit Windows, run by 32-bit Wine; where the kernel runs no
# 32-bit programs, SOUNDCFG_WINE_LAUNCHER starts that Wine under emulation.
# Without address randomization, which now and then lays something where
# Wine maps its shared user data.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CROSSCOMPILING_EMULATOR ${SOUNDCFG_WINE_LAUNCHER} setarch -R /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-gcc.cmake)
