# Cross build for 32-bit Windows with clang, on the headers and libraries of
# Debian's MinGW-w64 toolchain.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-gcc.cmake)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${mingw_triplet})
set(CMAKE_CXX_COMPILER_TARGET ${mingw_triplet})

# Debian names GCC's directory "12-posix", which clang does not take for a
# version, so point it at the C++ headers and the runtime libraries.
file(GLOB gcc_dirs /usr/lib/gcc/${mingw_triplet}/*-posix)
list(GET gcc_dirs 0 gcc_dir)
set(cxx_headers ${gcc_dir}/include/c++)
set(CMAKE_CXX_FLAGS_INIT
    "-isystem ${cxx_headers} -isystem ${cxx_headers}/${mingw_triplet} -isystem ${cxx_headers}/backward")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-L${gcc_dir}")
