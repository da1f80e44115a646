# The Debian packages, made by CPack from the build folder (scripts/package), one for each
# install component:
#   quarrow              the programs, their conversion engine, manual pages, menu entry, icon and
#                        AppStream metadata
#   lib<name><version>   each public library, named after its soname as Debian names shared
#                        library packages (libKorvutil32.so.1 in libkorvutil32-1)
#   libquarrow-dev       headers, CMake package, library links and the Qt Designer plugin
#
# CPack rather than a debian/ folder built by debhelper: the packages are made from the build the
# tests ran on, in seconds, where dpkg-buildpackage compiles everything again; and they follow
# the install rules and KORV_PUBLIC_LIBRARIES, so adding or renaming a library changes no second
# list. What debhelper would add, these settings add the same way:
#   dh_makeshlibs        each library package's shlibs file and "activate-noawait ldconfig"
#                        trigger (CPack's own shlibs come with maintainer scripts calling ldconfig)
#   dh_shlibdeps         dpkg-shlibdeps on the binaries each package holds (debian_dependencies.cmake)
#   dh_installdocs, dh_installchangelogs, dh_compress
#                        the copyright and the compressed changelog in each package's doc folder
#   dh_strip, dh_fixperms, dh_md5sums
#                        CPack's stripping, the permissions below, CPack's md5sums

# The package version is the changelog's latest entry, as dpkg-buildpackage takes it.
file(STRINGS changelog korv_changelog_entry LIMIT_COUNT 1)
if(NOT korv_changelog_entry MATCHES "^quarrow \\(([^)]+)\\)")
    message(FATAL_ERROR "packaging/changelog does not start with an entry of quarrow")
endif()
set(korv_package_version ${CMAKE_MATCH_1})
string(REGEX MATCH "^[0-9.]+" korv_changelog_upstream_version ${korv_package_version})
if(NOT korv_changelog_upstream_version STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/changelog's latest entry is of version ${korv_package_version}, "
                        "the project's version is ${PROJECT_VERSION}: add an entry")
endif()

# korv_package_description(<component> <synopsis> <line>...): the Description field, each line
# at most 80 characters, "" between paragraphs.
function(korv_package_description component synopsis)
    string(TOUPPER ${component} upper)
    list(JOIN ARGN "\n" body)
    set(CPACK_DEBIAN_${upper}_DESCRIPTION "${synopsis}\n${body}" PARENT_SCOPE)
endfunction()

set(korv_doc_folder ${CMAKE_INSTALL_DATADIR}/doc)
add_custom_command(OUTPUT changelog.gz
    COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" sh ${CMAKE_CURRENT_SOURCE_DIR}/changelog
            ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    DEPENDS changelog
    VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS changelog.gz)

# korv_debian_package(<component> <package> <section>): the component's package, with the
# copyright and the changelog in its doc folder (only in the packages: EXCLUDE_FROM_ALL keeps them
# out of a plain install).
set(korv_debian_components)
function(korv_debian_package component package section)
    string(TOUPPER ${component} upper)
    set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${package} PARENT_SCOPE)
    set(CPACK_DEBIAN_${upper}_PACKAGE_SECTION ${section} PARENT_SCOPE)
    install(FILES copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
            DESTINATION ${korv_doc_folder}/${package} COMPONENT ${component} EXCLUDE_FROM_ALL)
    set(korv_debian_components ${korv_debian_components} ${component} PARENT_SCOPE)
endfunction()

# korv_library_package(<library target> <package variable> <shlibs variable>): the Debian package
# of a shared library, its soname's name in lower case with "-" for "_" and then the soname's
# version, after a "-" where the name ends in a digit; and the library's line in a shlibs file.
function(korv_library_package library package_variable shlibs_variable)
    get_target_property(name ${library} OUTPUT_NAME)
    if(NOT name)
        set(name ${library})
    endif()
    get_target_property(version ${library} SOVERSION)
    string(TOLOWER "lib${name}" package)
    string(REPLACE "_" "-" package ${package})
    if(package MATCHES "[0-9]$")
        string(APPEND package "-")
    endif()
    set(${package_variable} ${package}${version} PARENT_SCOPE)
    set(${shlibs_variable}
        "lib${name} ${version} ${package}${version} (>= ${korv_package_version})" PARENT_SCOPE)
endfunction()

korv_debian_package(programs quarrow science)
korv_package_description(programs
    "define and test the coordinate system and datum shift of survey data"
    "Quarrow is a desktop tool for surveyors and GIS people. In one dialog the"
    "user states the coordinate system of the source data (a local grid, the"
    "zoned transverse Mercator grids, three conics, on 22 classic spheroids),"
    "picks or edits a seven-parameter datum shift to the map datum, tries both"
    "on single points and converts whole files of points."
    ""
    "quarrow-convert converts files of points with the same definition on the"
    "command line.")

# The libraries' packages, described by their target names (a library renamed in
# KORV_PUBLIC_LIBRARIES is renamed here too). Each one's shlibs file tells dpkg-shlibdeps which
# package a program linked with the library needs; the trigger lets ldconfig update its cache
# once per install.
set(korv_summary_korv_platform "Quarrow platform library: numbers in text, files, settings")
set(korv_description_korv_platform
    "Numeric text and its fixed formats, the settings store, files and file"
    "numbers, the message box, the program's folder and the creation of controls"
    "by class name, shared by Quarrow's programs and its other libraries.")
set(korv_summary_KorvVBUtils "Quarrow utility library: angle text, fields, file choices")
set(korv_description_KorvVBUtils
    "The Utilities class of Quarrow's libraries: angles as text in degrees,"
    "minutes and seconds, lines split into fields, file choices and the current"
    "directory.")
set(korv_summary_Korvutil32 "Quarrow geodesy library with a C interface")
set(korv_description_Korvutil32
    "Projects and unprojects points of a coordinate system and converts them"
    "between datums with a seven-parameter shift, through five C functions"
    "(CRDPRM, LL2EN, EN2LL, DEFINE_DATUM, CONVERT_DATUM) on PROJ.")
set(korv_summary_KorvProjection "Quarrow Projection control for Qt programs")
set(korv_description_KorvProjection
    "The Projection control edits the coordinate system of survey source data:"
    "projection, spheroid, hemisphere, zone, origins, standard parallels, false"
    "easting and northing, scale factor and zone width, checked before they are"
    "accepted. Programs create it by its class name, KorvProjection.Projection.")
set(korv_summary_KorvPointTransform "Quarrow PointTransform control for Qt programs")
set(korv_description_KorvPointTransform
    "The PointTransform control edits a plane transform from grid to map"
    "coordinates, as origin, scale and azimuth or from two pairs of points, with"
    "an elevation shift and scale, and keeps it in coordinate files (*.crd)."
    "Programs create it by its class name, KorvPointTransform.PointTransform.")

set(korv_shlibs_local ${CMAKE_CURRENT_BINARY_DIR}/debian/shlibs.local)
set(korv_shlibs_lines)
set(korv_library_packages)
foreach(library IN LISTS KORV_PUBLIC_LIBRARIES)
    if(NOT korv_summary_${library} OR NOT korv_description_${library})
        message(FATAL_ERROR "The library ${library} has no package description: set "
                            "korv_summary_${library} and korv_description_${library} above")
    endif()
    korv_library_package(${library} package shlibs)
    string(TOUPPER ${library} upper)
    korv_debian_package(${library} ${package} libs)
    korv_package_description(${library} "${korv_summary_${library}}"
                             ${korv_description_${library}})
    set(control ${CMAKE_CURRENT_BINARY_DIR}/debian/${library})
    file(CONFIGURE OUTPUT ${control}/shlibs CONTENT "${shlibs}\n")
    file(CONFIGURE OUTPUT ${control}/triggers CONTENT "activate-noawait ldconfig\n")
    set(CPACK_DEBIAN_${upper}_PACKAGE_CONTROL_EXTRA ${control}/shlibs ${control}/triggers)
    list(APPEND korv_shlibs_lines "${shlibs}")
    list(APPEND korv_library_packages ${package})
    set(korv_package_of_${library} ${package})
endforeach()
list(JOIN korv_shlibs_lines "\n" korv_shlibs_lines)
file(CONFIGURE OUTPUT ${korv_shlibs_local} CONTENT "${korv_shlibs_lines}\n")

# What is loaded by name at run time, which no binary records as needed: the program creates the
# Projection control by class name. (The conversion engine it binds is in its own package.)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_DEPENDS
    "${korv_package_of_KorvProjection} (>= ${korv_package_version})")
# quarrow-convert's help and manual page check its numbers with PROJ's cct and cs2cs.
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_SUGGESTS proj-bin)

korv_debian_package(development libquarrow-dev libdevel)
korv_package_description(development
    "development files for Quarrow's control and geodesy libraries"
    "Headers, the CMake package (find_package(Quarrow)) and the library links for"
    "programs that place Quarrow's Projection and PointTransform controls or call"
    "its geodesy library Korvutil32, and a Qt Designer plugin that lists both"
    "controls.")
# The links for the linker point into the library packages of this very version; the headers and
# the CMake package need Qt's.
list(TRANSFORM korv_library_packages APPEND " (= ${korv_package_version})"
     OUTPUT_VARIABLE korv_development_depends)
list(APPEND korv_development_depends qt6-base-dev)
list(JOIN korv_development_depends ", " CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS)

# Every install rule belongs to a package: a rule without one of these components would be left
# out of all of them.
get_cmake_property(korv_installed_components COMPONENTS)
list(REMOVE_ITEM korv_installed_components ${korv_debian_components})
if(korv_installed_components)
    list(JOIN korv_debian_components ", " korv_components_named)
    message(FATAL_ERROR "Install rules of components no Debian package holds: "
                        "${korv_installed_components}. Give them one of: ${korv_components_named}")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarrow)
set(CPACK_PACKAGE_VENDOR "Halvern")
set(CPACK_PACKAGE_CONTACT "Halvern <quarrow@halvern.example>")
set(CPACK_PACKAGE_VERSION ${korv_package_version})
set(CPACK_DEBIAN_PACKAGE_VERSION ${korv_package_version})
set(CPACK_DEBIAN_PACKAGE_SOURCE quarrow)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${korv_debian_components})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Dependencies and shlibs as set up above, not CPack's (see the top of this file).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_BINARY_DIR}/debian/dependencies.cmake)
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/debian/dependencies.cmake CONTENT [[
set(KORV_SHLIBS_LOCAL "@korv_shlibs_local@")
set(KORV_SHLIBDEPS_FOLDER "@CMAKE_CURRENT_BINARY_DIR@/debian/shlibdeps")
include("@CMAKE_CURRENT_SOURCE_DIR@/debian_dependencies.cmake")
]] @ONLY)
include(CPack)
