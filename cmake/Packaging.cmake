# The portable ZIP of a Windows build (trimlode-<version>-win32.zip or -win64.zip): trimlode.exe, its help,
# a readme and the licence in one folder, ready to unpack anywhere. Built by `cpack -G ZIP` in the build
# folder. Only the "trimlode" component goes in, so install rules of test or demo code stay out.
if(NOT WIN32)
    return()
endif()

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(trimlode_package_arch win64)
else()
    set(trimlode_package_arch win32)
endif()

if(TARGET trimlode)
    install(PROGRAMS $<TARGET_FILE:trimlode> DESTINATION . COMPONENT trimlode)
else()
    message(STATUS "trimlode.exe is not built yet: the package holds only the help and the documents")
endif()
if(TARGET trimlode_help)
    install(FILES ${CMAKE_BINARY_DIR}/Trimlode.chm DESTINATION . COMPONENT trimlode)
endif()

# Text files go out with Windows line ends, whatever line ends the checkout has.
function(trimlode_windows_text source destination)
    file(READ ${source} text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${destination} "${text}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()
trimlode_windows_text(${PROJECT_SOURCE_DIR}/packaging/README.txt ${CMAKE_BINARY_DIR}/package-text/README.txt)
trimlode_windows_text(${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/package-text/LICENSE.txt)
install(FILES ${CMAKE_BINARY_DIR}/package-text/README.txt ${CMAKE_BINARY_DIR}/package-text/LICENSE.txt
        DESTINATION . COMPONENT trimlode)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME trimlode)
set(CPACK_PACKAGE_VENDOR "The Trimlode developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME trimlode-${PROJECT_VERSION}-${trimlode_package_arch})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Removes unwanted preloaded modules from phone operating-system packages")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_COMPONENTS_ALL trimlode)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
set(CPACK_STRIP_FILES ON)
# Signs the staged programs when a certificate is given (scripts/package.sh).
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/SignStaged.cmake)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
