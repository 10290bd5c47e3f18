set(CMAKE_C_COMPILER ${TYP_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TYP_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TYP_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TYP_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Executables need only system DLLs. Programs with a wide entry point add -municode themselves.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# zlib is linked in too, so no zlib1.dll has to travel with the programs.
set(ZLIB_USE_STATIC_LIBS ON)
