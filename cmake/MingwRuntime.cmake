# The compiler's runtime DLLs that every program of a mingw-w64 build loads (the C++ library, the
# unwinder, POSIX threads), as TAVENOR_MINGW_RUNTIME_DLLS: where the compiler keeps them, links
# resolved, so that the Windows folder gets the files and the Wine runner their folders.
set(TAVENOR_MINGW_RUNTIME_DLLS "")
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} knows no ${runtime}")
    endif()
    file(REAL_PATH "${runtime_path}" runtime_path)
    list(APPEND TAVENOR_MINGW_RUNTIME_DLLS "${runtime_path}")
endforeach()
