# Installing the two programs and their manual pages, and packaging them as
# a Debian package. The package's name and version are the project's; its
# dependencies are computed from the binaries by dpkg-shlibdeps.
include(GNUInstallDirs)

string(REPLACE "_" "-" PACKAGE_NAME ${PROJECT_NAME})

install(TARGETS korvane miretta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The manual pages carry the package's name and version.
foreach(program korvane miretta)
  configure_file(${PROJECT_SOURCE_DIR}/man/${program}.1.in ${CMAKE_BINARY_DIR}/man/${program}.1
                 @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/man/${program}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGE_CONTACT "Compact-star sequences developers <developers@compact-stars.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "sequences of relativistic and Newtonian degenerate-star models")
set(CPACK_PACKAGE_DESCRIPTION
    "korvane computes general-relativistic (TOV) equilibrium models of stars of a degenerate \
ideal Fermi gas; miretta computes Newtonian white-dwarf models. Each writes its table to the \
current directory.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
