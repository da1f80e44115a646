# Makes a program's manual page from its "--help" with help2man, compressed as Debian ships them:
#   cmake -DPROGRAM=<program> -DNAME=<one line for the NAME section> -DVERSION=<version>
#         -DSEE_ALSO="<page>(<section>), ..." -DOUTPUT=<page.1.gz> -P manual_page.cmake
# help2man reads the help text's sections (a line ending in ":"), its options and its usage
# lines; examples, whose lines continue with "\", it would break apart as options, so a last
# section "Examples:" goes into the page as written.
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()

set(include_file ${OUTPUT}.h2m)
set(include_text "")
if(SEE_ALSO)
    string(REGEX REPLACE "([^ ,]+)\\(([0-9])\\)" ".BR \\1 (\\2)" see_also "${SEE_ALSO}")
    string(REPLACE ", " ",\n" see_also "${see_also}")
    string(APPEND include_text "[SEE ALSO]\n${see_also}\n")
endif()
if(help MATCHES "\nExamples:\n(.*)$")
    string(REGEX REPLACE "\n+$" "" examples "${CMAKE_MATCH_1}")
    string(REPLACE "\\" "\\e" examples "${examples}")
    # Each line keeps its indent behind a zero-width "\&", which help2man does not strip.
    string(REGEX REPLACE "\n  " "\n\\\\&" examples "\n${examples}")
    string(APPEND include_text "\n[=EXAMPLES]\n.nf${examples}\n.fi\n")
endif()
file(WRITE ${include_file} "${include_text}")

execute_process(
    COMMAND help2man --no-info --version-string=${VERSION} --name=${NAME}
            --include=${include_file} --output=${OUTPUT}.page ${PROGRAM}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "help2man failed for ${PROGRAM}: ${status}")
endif()
# Compressed as dh_compress does: best compression, no name or time stamp.
execute_process(COMMAND gzip -9nf ${OUTPUT}.page RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed for ${OUTPUT}: ${status}")
endif()
file(RENAME ${OUTPUT}.page.gz ${OUTPUT})
file(REMOVE ${include_file})
