# Installation as a Linux desktop program: the two programs in bin/, the program folder
# (Lng/, Hlp/, the read-me files, the example) in share/morvask/, where the programs look
# for it beside bin/, and the desktop integration: launcher, file types, icon, AppStream
# metainfo and the manual pages. `cpack -G DEB` packs the same tree.
include(GNUInstallDirs)

set(MORVASK_APP_ID example.morvask.Morvask)
# The program finds its folder as <bin>/../share/morvask, so the two must stay siblings.
if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
  message(WARNING "The programs look for their data in ../share/morvask beside bin/; "
                  "CMAKE_INSTALL_BINDIR=${CMAKE_INSTALL_BINDIR} and CMAKE_INSTALL_DATADIR=${CMAKE_INSTALL_DATADIR} break that.")
endif()
set(MORVASK_PROGRAM_DIR ${CMAKE_INSTALL_DATADIR}/morvask)

install(TARGETS morvask-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(MORVASK_GUI)
  install(TARGETS morvask RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Lng ${PROJECT_SOURCE_DIR}/data/Hlp DESTINATION ${MORVASK_PROGRAM_DIR}
        PATTERN .keep EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/data/LeesMij.txt ${PROJECT_SOURCE_DIR}/data/ReadMe.txt
        DESTINATION ${MORVASK_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/examples/voorbeeld.mpr ${PROJECT_SOURCE_DIR}/data/examples/voorbeeld.ritten.txt
        DESTINATION ${MORVASK_PROGRAM_DIR}/examples)

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
if(MORVASK_GUI)
  install(FILES ${packaging}/${MORVASK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${packaging}/${MORVASK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/src/gui/icons/morvask.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${MORVASK_APP_ID}.svg)
endif()
install(FILES ${packaging}/morvask-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${MORVASK_APP_ID}.xml)

# Manual pages, compressed as Debian keeps them.
set(manuals ${PROJECT_SOURCE_DIR}/man/morvask-cli.1)
if(MORVASK_GUI)
  list(APPEND manuals ${PROJECT_SOURCE_DIR}/man/morvask.1)
endif()
find_program(GZIP gzip)
foreach(manual IN LISTS manuals)
  get_filename_component(name ${manual} NAME)
  if(GZIP)
    set(packed ${CMAKE_BINARY_DIR}/man/${name}.gz)
    add_custom_command(OUTPUT ${packed}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${GZIP} -9 -n -c ${manual} > ${packed}
      DEPENDS ${manual} VERBATIM)
    list(APPEND packed_manuals ${packed})
    install(FILES ${packed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()
if(packed_manuals)
  add_custom_target(morvask-manuals ALL DEPENDS ${packed_manuals})
endif()

set(MORVASK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/morvask)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${MORVASK_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${MORVASK_DOC_DIR})

# The Debian package.
set(CPACK_PACKAGE_NAME morvask)
set(CPACK_PACKAGE_VENDOR "Morvask")
set(CPACK_PACKAGE_CONTACT "Morvask <morvask@morvask.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "licence-plate traffic surveys: intensities, plate comparison, routes")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Morvask keeps a licence-plate traffic survey as one project file (posts, travel times,\n"
  "registrations, notes) and turns its registrations into intensities per post and interval\n"
  "and a plate comparison that follows each vehicle from post to post, with routes, an\n"
  "origin-destination matrix and average travel times. The desktop program morvask shows\n"
  "every report in its own window, to export as text, CSV or PDF, or to print.\n"
  "morvask-cli runs the same analyses from a shell.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://morvask.example/")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries come from dpkg-shlibdeps; Qt's SVG plugin draws the icons and is loaded, not
# linked. Recommended: a fixed-pitch font for the reports, the Wayland platform, the desktop's
# file-type database.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-wayland, shared-mime-info")
set(CPACK_GENERATOR DEB)
include(CPack)
