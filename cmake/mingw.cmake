# Cross toolchain: Windows with mingw-w64 (posix thread model), for the
# architecture given as -DTARVO_ARCH=i686 (the product) or x86_64 (the 64-bit
# test flavour, see cmake/windows.cmake).
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TARVO_ARCH)
if(NOT TARVO_ARCH MATCHES "^(i686|x86_64)$")
  message(FATAL_ERROR "cmake/mingw.cmake needs -DTARVO_ARCH=i686 or -DTARVO_ARCH=x86_64")
endif()
set(triple ${TARVO_ARCH}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TARVO_ARCH})
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
