# The icon and version record that Windows shows in a program file's properties. The script is
# generated on every platform, so that the tests can compile it with a cross resource compiler.
string(REPLACE "." "," TAVENOR_VERSION_COMMAS "${PROJECT_VERSION}")
set(TAVENOR_ICO_FILE "${PROJECT_SOURCE_DIR}/packaging/windows/tavenor.ico")

# Gives the program TARGET its record, as TARGET.rc in its build folder; the tests find every such
# program in the global property TAVENOR_RECORDED_PROGRAMS.
function(tavenor_add_program_record target description)
    set(TAVENOR_PROGRAM "${target}")
    set(TAVENOR_PROGRAM_DESCRIPTION "${description}")
    set(script "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
    configure_file("${PROJECT_SOURCE_DIR}/cmake/program_record.rc.in" "${script}" @ONLY)
    if(WIN32)
        target_sources(${target} PRIVATE "${script}")
    endif()
    set_property(GLOBAL APPEND PROPERTY TAVENOR_RECORDED_PROGRAMS ${target})
endfunction()
