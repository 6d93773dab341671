# The posix-thread variant of mingw-w64, so std::thread and std::mutex exist for GoogleTest.
set(CMAKE_C_COMPILER ${TRIMLODE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TRIMLODE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TRIMLODE_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TRIMLODE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Everything linked in: the executables need no mingw DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# ctest runs the Windows executables under Wine, in the project's own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
