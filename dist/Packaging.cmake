# The desktop entry, icon, AppStream data and manual pages of an installed
# copy, and the Debian package of the programs (`make package`).

set(QUILLMARK_DIST_DIR ${CMAKE_CURRENT_LIST_DIR})
set(QUILLMARK_DIST_BINARY_DIR ${CMAKE_BINARY_DIR}/dist)

# The version is written into the AppStream data and the manual pages.
configure_file(${QUILLMARK_DIST_DIR}/org.quillmark.quillmark.metainfo.xml
    ${QUILLMARK_DIST_BINARY_DIR}/org.quillmark.quillmark.metainfo.xml @ONLY)
set(QUILLMARK_MAN_PAGES quillmark.1 newcompanyfile.1 quillmark-report.1)
foreach(page ${QUILLMARK_MAN_PAGES})
    configure_file(${QUILLMARK_DIST_DIR}/man/${page} ${QUILLMARK_DIST_BINARY_DIR}/man/${page} @ONLY)
    list(APPEND QUILLMARK_MAN_FILES ${QUILLMARK_DIST_BINARY_DIR}/man/${page})
endforeach()

install(FILES ${QUILLMARK_DIST_DIR}/quillmark.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Runtime)
install(FILES ${QUILLMARK_DIST_DIR}/quillmark.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT Runtime)
install(FILES ${QUILLMARK_DIST_BINARY_DIR}/org.quillmark.quillmark.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Runtime)
install(FILES ${QUILLMARK_MAN_FILES}
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT Runtime)

# One package of the programs and the control server: the Runtime component
# only, so headers and other development files never end up in it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "Quillmark")
set(CPACK_PACKAGE_CONTACT "Quillmark maintainers <maintainers@quillmark.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bookkeeping for a person or a small business")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillmark keeps income and expense entries by category, the owner's business\n"
    "details and the books of several companies, one data file per company, and\n"
    "makes income, expense and profit-and-loss reports, also from the command line\n"
    "(quillmark-report). Its command buttons come from LumoKit, a library of\n"
    "owner-drawn controls installed with it.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Runtime;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quillmark.org")
# The dependencies are what dpkg-shlibdeps finds the programs and library need.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
