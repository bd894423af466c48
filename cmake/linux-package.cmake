# Installing the Linux program (the program, its desktop entry and its icon) and the .deb that
# CPack makes of it.
include(GNUInstallDirs)
install(TARGETS appearance-calculator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/appearance-calculator.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/appearance.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
        RENAME appearance-calculator.png)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME appearance-calculator)
set(CPACK_PACKAGE_VENDOR "Quellmar")
set(CPACK_PACKAGE_CONTACT "Quellmar <quellmar@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Appearance number calculator for equipment and monsters")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The window needs Qt's widgets and its X11 platform plugin, and a font with the Chinese
# characters.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins, fonts-wqy-microhei | fonts-noto-cjk")
include(CPack)
