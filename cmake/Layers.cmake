# The layers of the program, one library each, linked downwards only: platform, then install, removal and
# tools, then ui, then app. A layer's library does not see the project folder: it sees an include root of
# its own that holds links to its own folder only, and the roots of the layers it links. So "ui/texts.h"
# named in removal/ is no file there, and an include in the wrong direction fails to compile (the test
# trimlode_layer_direction makes sure it still does).
#
# Where the system refuses links (Windows without the right to make them), the libraries see the whole
# project folder instead: the build then works but no longer checks the direction.

set(TRIMLODE_LAYERS_ENFORCED ON CACHE INTERNAL "")

# trimlode_layer_root(<target> <path>...): <target>, and everything that links it, sees each <path> of the
# project (a folder, or a single file) at the same place below its include root.
function(trimlode_layer_root target)
    set(root ${CMAKE_BINARY_DIR}/layers/${target})
    foreach(path IN LISTS ARGN)
        set(link ${root}/${path})
        if(NOT IS_SYMLINK ${link})
            get_filename_component(parent ${link} DIRECTORY)
            file(MAKE_DIRECTORY ${parent})
            file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${path} ${link} RESULT made SYMBOLIC)
            if(NOT made EQUAL 0)
                set(TRIMLODE_LAYERS_ENFORCED OFF CACHE INTERNAL "")
                target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
                return()
            endif()
        endif()
    endforeach()
    target_include_directories(${target} PUBLIC ${root})
endfunction()

# The interfaces of the platform layer are the headers directly in platform/; its sim/ and win32/ folders
# belong to the libraries that implement them.
function(trimlode_platform_interface_root target)
    file(GLOB headers RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/platform/*.h)
    trimlode_layer_root(${target} ${headers})
endfunction()
