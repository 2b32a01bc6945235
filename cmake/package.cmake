# cpack -G DEB in a configured and built folder: a Debian package of what cmake --install lays out,
# under /usr. Its dependencies come from the shared libraries the executables link (dpkg-shlibdeps),
# plus what is loaded at run time and cannot be seen there.
set(CPACK_PACKAGE_NAME q417)
set(CPACK_PACKAGE_VENDOR "The Q417 configurator developers")
set(CPACK_PACKAGE_CONTACT "The Q417 configurator developers <q417@tarvell.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configurator of the Q417 gaming mouse (USB 04d9:a09f)")
set(CPACK_PACKAGE_DESCRIPTION
    "Sets what each of the ten buttons of the Q417 wired gaming mouse does in two key modes, the report rate, four DPI stages with their levels and colours, the lighting, the desktop's pointer settings and a library of recorded macros. The tray program Tarvell-Q417 does it in a window; q417ctl from a terminal. A udev rule gives the user at the seat access to the mouse.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(Q417_BUILD_GUI)
  # Qt loads its platform plugins at run time; the fonts are the interface's first choices.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-wqy-microhei")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/deb/postinst
                                       ${PROJECT_SOURCE_DIR}/packaging/deb/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_GENERATOR DEB)
include(CPack)
