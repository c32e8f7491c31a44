# Installed layout: bin/tarnvale, share/tarnvale/{readme.txt,support.html} (the program looks
# there when they are not beside it) and the scalable icon; packaging/ adds the rest.
include(GNUInstallDirs)
install(TARGETS tarnvale RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/side/readme.txt
              ${CMAKE_CURRENT_SOURCE_DIR}/resources/side/support.html
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/tarnvale)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/app/tarnvale.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
