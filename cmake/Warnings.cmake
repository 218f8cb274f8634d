# Linked into every target of ours; third-party headers come in as system includes and stay quiet.
# Warnings become errors with -DCMAKE_COMPILE_WARNING_AS_ERROR=ON (CI sets it).
add_library(tavenor_warnings INTERFACE)
if(MSVC)
    target_compile_options(tavenor_warnings INTERFACE /W4 /permissive- /utf-8)
else()
    target_compile_options(tavenor_warnings INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
        -Wunused -Woverloaded-virtual -Wconversion -Wsign-conversion -Wnull-dereference
        -Wformat=2 -Wimplicit-fallthrough -Wdouble-promotion)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(tavenor_warnings INTERFACE
            -Wmisleading-indentation -Wduplicated-cond -Wduplicated-branches -Wlogical-op
            -Wuseless-cast -Wsuggest-override)
        # GCC 12 at -O3 (the Windows build) warns falsely of overlapping copies inside
        # std::string's operator+ (its bug 105329).
        if(CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            target_compile_options(tavenor_warnings INTERFACE -Wno-restrict)
        endif()
    elseif(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        target_compile_options(tavenor_warnings INTERFACE -Wmisleading-indentation)
    endif()
endif()
