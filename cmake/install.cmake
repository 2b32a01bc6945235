# cmake --install: the program as a Linux desktop program.
#   bin/                          q417ctl and Tarvell-Q417
#   share/q417/                   the factory config.bin and str.ini, and the skins; each user's
#                                 own folder is seeded from here on first start
#   share/applications/           the applications menu entry
#   share/icons/hicolor/          the program icon, scalable and in pixel sizes
#   share/metainfo/               the software centre's description, with the mouse's USB ID
#   share/man/man1/               the manual pages
#   lib/udev/rules.d/             the rule that lets the user at the seat open the mouse; udev reads
#                                 /usr/local/lib/udev/rules.d as well as /usr/lib/udev/rules.d
set(Q417_UDEV_RULES_DIR "lib/udev/rules.d" CACHE PATH "Where the udev rule is installed, under the prefix")
set(Q417_SHARED_DIR ${CMAKE_INSTALL_DATADIR}/q417)

# The factory files for the installation, made apart from the ones beside the built executables:
# those belong to whoever runs the program from the build folder.
set(Q417_FACTORY_DIR ${CMAKE_BINARY_DIR}/factory)
add_custom_command(
  OUTPUT ${Q417_FACTORY_DIR}/config.bin ${Q417_FACTORY_DIR}/str.ini
  COMMAND ${CMAKE_COMMAND} -E make_directory ${Q417_FACTORY_DIR}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${Q417_FACTORY_DIR}/config.bin ${Q417_FACTORY_DIR}/str.ini
  COMMAND q417_make_factory_files ${Q417_FACTORY_DIR}
  DEPENDS q417_make_factory_files
  COMMENT "Making the factory config.bin and str.ini to install"
  VERBATIM)
add_custom_target(q417_install_factory_files ALL DEPENDS ${Q417_FACTORY_DIR}/config.bin ${Q417_FACTORY_DIR}/str.ini)

# Manual pages, compressed as Debian keeps them.
find_program(Q417_GZIP gzip REQUIRED)
set(Q417_MAN_PAGES q417ctl.1)
if(Q417_BUILD_GUI)
  list(APPEND Q417_MAN_PAGES Tarvell-Q417.1)
endif()
set(q417_man_outputs)
foreach(page ${Q417_MAN_PAGES})
  set(out ${CMAKE_BINARY_DIR}/man/${page}.gz)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND sh -c "'${Q417_GZIP}' -9 -n -c '${PROJECT_SOURCE_DIR}/packaging/${page}' > '${out}'"
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${page}
    COMMENT "Compressing the manual page ${page}"
    VERBATIM)
  list(APPEND q417_man_outputs ${out})
endforeach()
add_custom_target(q417_man_pages ALL DEPENDS ${q417_man_outputs})

install(TARGETS q417ctl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${Q417_FACTORY_DIR}/config.bin ${Q417_FACTORY_DIR}/str.ini DESTINATION ${Q417_SHARED_DIR})
install(FILES ${q417_man_outputs} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/60-q417-mouse.rules DESTINATION ${Q417_UDEV_RULES_DIR})

if(Q417_BUILD_GUI)
  install(TARGETS Tarvell-Q417 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Only the skins the build draws, not whatever else was copied into the build folder's Skins.
  install(DIRECTORY ${Q417_RUNTIME_DIR}/Skins/Default ${Q417_RUNTIME_DIR}/Skins/Ember
          DESTINATION ${Q417_SHARED_DIR}/Skins)
  install(FILES packaging/${Q417_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/${Q417_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY ${Q417_ICONS_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()
