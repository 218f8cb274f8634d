# One library per folder of the map: static, or header-only when it has no sources. Its headers
# are included by their path from the repository root ("table/syllable_table.h"), but the include
# root that a target gets holds only a link to this one folder: a file reaches another folder's
# headers only through a library it links, so a core file that includes a front end's header (or
# Qt's, which no core library links) does not build.
function(tavenor_add_library target)
    if(ARGN)
        add_library(${target} STATIC ${ARGN})
        set(scope PUBLIC)
        target_link_libraries(${target} PRIVATE tavenor_warnings)
    else()
        add_library(${target} INTERFACE)
        set(scope INTERFACE)
    endif()
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} ${scope} ${root})
endfunction()
