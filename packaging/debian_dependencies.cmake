# Run by cpack once it has staged every component (CPACK_PRE_BUILD_SCRIPTS): adds to each package's
# Depends what dpkg-shlibdeps finds from the binaries the package holds, as dh_shlibdeps does.
# The system's libraries lead to their packages through the system's shlibs and symbols files,
# this project's public libraries through KORV_SHLIBS_LOCAL, and they are found in the staged
# library packages. A package named in a Depends already is left out of what is found.
#   KORV_SHLIBS_LOCAL        the shlibs lines of this project's library packages
#   KORV_SHLIBDEPS_FOLDER    a folder to run dpkg-shlibdeps in
find_program(KORV_DPKG_SHLIBDEPS dpkg-shlibdeps REQUIRED)

# korv_elf_files(<folder> <variable>): the ELF files under the folder, links left out.
function(korv_elf_files folder variable)
    file(GLOB_RECURSE files LIST_DIRECTORIES false "${folder}/*")
    set(elf_files)
    foreach(file IN LISTS files)
        if(NOT IS_SYMLINK "${file}")
            file(READ "${file}" magic LIMIT 4 HEX)
            if(magic STREQUAL "7f454c46")
                list(APPEND elf_files "${file}")
            endif()
        endif()
    endforeach()
    set(${variable} ${elf_files} PARENT_SCOPE)
endfunction()

# Every staged folder that holds a library, for dpkg-shlibdeps to find this project's libraries.
set(library_folders)
foreach(component IN LISTS CPACK_COMPONENTS_ALL)
    korv_elf_files("${CPACK_TEMPORARY_INSTALL_DIRECTORY}/${component}" files)
    set(binaries_${component} ${files})
    foreach(file IN LISTS files)
        get_filename_component(folder "${file}" DIRECTORY)
        list(APPEND library_folders "-l${folder}")
    endforeach()
endforeach()
list(REMOVE_DUPLICATES library_folders)

file(MAKE_DIRECTORY "${KORV_SHLIBDEPS_FOLDER}/debian")
file(TOUCH "${KORV_SHLIBDEPS_FOLDER}/debian/control")
foreach(component IN LISTS CPACK_COMPONENTS_ALL)
    if(NOT binaries_${component})
        continue()
    endif()
    string(TOUPPER ${component} upper)
    set(depends "${CPACK_DEBIAN_${upper}_PACKAGE_DEPENDS}")
    string(REGEX REPLACE " *\\([^)]*\\)" "" named "${depends}")
    string(REGEX REPLACE ", *" ";" named "${named}")
    list(TRANSFORM named PREPEND "-x")
    list(TRANSFORM binaries_${component} PREPEND "-e")
    execute_process(
        COMMAND ${KORV_DPKG_SHLIBDEPS} -O -L${KORV_SHLIBS_LOCAL} ${library_folders}
                -x${CPACK_DEBIAN_${upper}_PACKAGE_NAME} ${named} ${binaries_${component}}
        WORKING_DIRECTORY "${KORV_SHLIBDEPS_FOLDER}"
        OUTPUT_VARIABLE found
        ERROR_VARIABLE messages
        RESULT_VARIABLE status)
    # Binaries outside a debian/ build tree draw two warnings that say nothing here.
    string(REGEX REPLACE "[^\n]*(should already be installed|\\$ORIGIN is used)[^\n]*\n?" ""
           messages "${messages}")
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "dpkg-shlibdeps failed for ${component}:\n${messages}")
    endif()
    if(messages)
        message(WARNING "dpkg-shlibdeps for ${component}:\n${messages}")
    endif()
    if(NOT found MATCHES "shlibs:Depends=([^\n]*)")
        message(FATAL_ERROR "dpkg-shlibdeps found no dependencies for ${component}: ${found}")
    endif()
    if(depends)
        string(APPEND depends ", ")
    endif()
    set(CPACK_DEBIAN_${upper}_PACKAGE_DEPENDS "${depends}${CMAKE_MATCH_1}")
endforeach()
