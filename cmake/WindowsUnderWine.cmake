# A Windows build made on Linux runs its programs under Wine: ctest through the emulator, and by
# hand through ${PROJECT_BINARY_DIR}/run-under-wine. They find Qt's libraries and the compiler's
# runtime where they were built, with no copy.
set(TAVENOR_WINE_DLL_DIRS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
foreach(runtime IN LISTS TAVENOR_MINGW_RUNTIME_DLLS)
    get_filename_component(runtime_dir "${runtime}" DIRECTORY)
    list(APPEND TAVENOR_WINE_DLL_DIRS "${runtime_dir}")
endforeach()
list(REMOVE_DUPLICATES TAVENOR_WINE_DLL_DIRS)
set(TAVENOR_WINE_DLL_PATH "")
foreach(dir IN LISTS TAVENOR_WINE_DLL_DIRS)
    string(REPLACE "/" "\\\\" windows_dir "Z:${dir}")
    string(APPEND TAVENOR_WINE_DLL_PATH "${windows_dir}\\;")
endforeach()
set(TAVENOR_WINE_PREFIX "${PROJECT_BINARY_DIR}/wine-prefix")
configure_file(${CMAKE_CURRENT_LIST_DIR}/run-under-wine.in ${PROJECT_BINARY_DIR}/run-under-wine
               @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
               GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/run-under-wine)
