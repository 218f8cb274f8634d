# Linked into every target of ours; third-party headers come in as system includes and stay quiet.
add_library(tavenor_warnings INTERFACE)
target_compile_options(tavenor_warnings INTERFACE
    -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Wunused
    -Woverloaded-virtual -Wpedantic -Wconversion -Wsign-conversion -Wnull-dereference
    -Wformat=2 -Wimplicit-fallthrough
    $<$<BOOL:${TAVENOR_WERROR}>:-Werror>)
