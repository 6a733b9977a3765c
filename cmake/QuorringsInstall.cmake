# Installed like a desktop program: the three programs in bin/ (their install()
# calls sit where they are made, in src/app/), the shipped data in share/quorrings/
# (data/), and here what desktops, man, XScreenSaver and dpkg read. `cpack -G DEB`
# from the same build packs the tree installed under /usr.
include(GNUInstallDirs)

set(QUORRINGS_APP_ID io.github.quorrings.Quorrings)
set(QUORRINGS_RELEASE_DATE 2026-12-11)  # of this version; the manual pages carry it
set(QUORRINGS_PACKAGE_MAINTAINER "Quorrings developers <quorrings@users.noreply.github.com>"
    CACHE STRING "The Debian package's maintainer, as Name <address>")
set(QUORRINGS_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/quorrings)

# The program finds its shipped data from its own folder as ../share/quorrings;
# other folders would install a program that cannot start.
file(RELATIVE_PATH data_from_programs ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/quorrings)
if(NOT data_from_programs STREQUAL "../share/quorrings")
  message(FATAL_ERROR "The programs find their data as ../share/quorrings, but CMAKE_INSTALL_BINDIR and "
                      "CMAKE_INSTALL_DATADIR put it at ${data_from_programs}")
endif()

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_build_dir ${PROJECT_BINARY_DIR}/packaging)

install(FILES ${packaging_dir}/${QUORRINGS_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_dir}/${QUORRINGS_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging_dir}/icons/${QUORRINGS_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging_dir}/icons/${QUORRINGS_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

# XScreenSaver reads the module's description from its config folder and, on
# Debian, runs modules from libexec/xscreensaver/.
install(FILES ${packaging_dir}/quorrings.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config)
file(RELATIVE_PATH program_from_modules ${CMAKE_INSTALL_FULL_LIBEXECDIR}/xscreensaver
     ${CMAKE_INSTALL_FULL_BINDIR}/quorrings)
file(MAKE_DIRECTORY ${packaging_build_dir}/module)
file(CREATE_LINK ${program_from_modules} ${packaging_build_dir}/module/quorrings SYMBOLIC)
install(FILES ${packaging_build_dir}/module/quorrings DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver)

# Manual pages and the Debian changelog carry the version; both are installed
# compressed, as Debian ships them (-n: no name or time stamp, so builds repeat).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed_documents)
function(quorrings_compressed_document source configured destination)
  configure_file(${source} ${configured} @ONLY)
  add_custom_command(OUTPUT ${configured}.gz
    COMMAND ${GZIP_PROGRAM} -9 -n -k -f ${configured}
    DEPENDS ${configured}
    VERBATIM)
  install(FILES ${configured}.gz DESTINATION ${destination})
  set(compressed_documents ${compressed_documents} ${configured}.gz PARENT_SCOPE)
endfunction()
foreach(program quorrings quorrings-settings quorrings-render)
  quorrings_compressed_document(${packaging_dir}/man/${program}.1.in ${packaging_build_dir}/man/${program}.1
                                ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
quorrings_compressed_document(${packaging_dir}/debian/changelog.in ${packaging_build_dir}/doc/changelog
                              ${CMAKE_INSTALL_DOCDIR})
add_custom_target(quorrings_documents ALL DEPENDS ${compressed_documents})
install(FILES ${packaging_dir}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorrings)
set(CPACK_PACKAGE_VENDOR "Quorrings developers")
set(CPACK_PACKAGE_CONTACT ${QUORRINGS_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/quorrings/quorrings)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "full-screen rings coloured by palette animation")
set(CPACK_PACKAGE_DESCRIPTION
"Rings - regular polygons of 3 to 10 sides, segments and points - stream in
perspective between a vanishing point and the viewer, twist, change shape,
drift with the mouse or with random or parametric motion, and change colour
by palette animation on an emulated 8-bit screen. Every property of the
animation is a control on the settings form; named settings live in a
library, and the display can cycle through them at random times.

The package holds the full-screen program, a module for XScreenSaver,
quorrings-settings, which checks and converts settings files, and
quorrings-render, which draws a setting into a picture, an animated GIF
or a video.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "ffmpeg, xscreensaver")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
