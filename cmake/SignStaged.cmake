# Run by CPack after it has staged the package's files: signs the staged executables with Authenticode
# (SHA-256) when TRIMLODE_SIGN_CERT and TRIMLODE_SIGN_KEY name a certificate and its private key (PEM files),
# so the ZIP holds signed programs while the build tree keeps what the compiler made. Without them the
# programs stay unsigned, and this says so.
set(certificate "$ENV{TRIMLODE_SIGN_CERT}")
set(key "$ENV{TRIMLODE_SIGN_KEY}")
if(certificate STREQUAL "" AND key STREQUAL "")
    message(STATUS "package: no certificate given (TRIMLODE_SIGN_CERT, TRIMLODE_SIGN_KEY): programs left unsigned")
    return()
endif()
if(certificate STREQUAL "" OR key STREQUAL "")
    message(FATAL_ERROR "package: signing needs both TRIMLODE_SIGN_CERT and TRIMLODE_SIGN_KEY")
endif()
find_program(osslsigncode osslsigncode REQUIRED)

file(GLOB_RECURSE programs "${CPACK_TEMPORARY_DIRECTORY}/*.exe")
if(NOT programs)
    message(FATAL_ERROR "package: no program staged in ${CPACK_TEMPORARY_DIRECTORY} to sign")
endif()
foreach(program IN LISTS programs)
    execute_process(
        COMMAND ${osslsigncode} sign -certs ${certificate} -key ${key} -h sha256 -n "Trimlode"
                -in ${program} -out ${program}.signed
        RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "package: signing ${program} failed:\n${output}")
    endif()
    file(RENAME ${program}.signed ${program})
    message(STATUS "package: signed ${program}")
endforeach()
