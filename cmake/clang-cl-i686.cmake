# The product in MSVC mode, from Debian 13's packages: clang-cl, llvm-rc and
# lld-link over Wine's headers and import libraries, run in the emulation
# root (tools/host.sh). Wine has no MSVC static runtime: the program links
# Wine's msvcrt.dll and its start-up code instead, and leaves out the buffer
# security checks, whose support lives in that runtime, and the SafeSEH
# tables, which Wine's import libraries lack.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CXX_COMPILER clang-cl-19)
set(CMAKE_CXX_COMPILER_TARGET i686-pc-windows-msvc)
set(CMAKE_RC_COMPILER llvm-rc)
set(CMAKE_LINKER lld-link)
set(CMAKE_MT llvm-mt)
set(wine_headers /usr/include/wine/wine)
set(CMAKE_CXX_FLAGS_INIT "/GS- -imsvc ${wine_headers}/msvcrt -imsvc ${wine_headers}/windows")
set(CMAKE_RC_FLAGS_INIT "/C 65001 /I ${wine_headers}/windows")
set(CMAKE_EXE_LINKER_FLAGS_INIT "/LIBPATH:/usr/lib/i386-linux-gnu/wine/i386-windows /ENTRY:mainCRTStartup /NODEFAULTLIB /SAFESEH:NO libmsvcrt.a")
set(CMAKE_CXX_STANDARD_LIBRARIES "libkernel32.a libuser32.a libadvapi32.a" CACHE STRING "")
