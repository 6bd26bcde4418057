# Installing Lexavo: one self-contained program folder (the program, the bundled
# dictionary sets, their licence and the icon), because the program keeps its
# files beside itself; a desktop launcher and the icon where desktops look for
# them. `cmake --install build --prefix P` lays out
#   P/opt/lexavo/                     the program folder, with lexavo-launcher
#   P/usr/share/applications/lexavo.desktop
#   P/usr/share/icons/hicolor/scalable/apps/lexavo.svg
# The launcher runs the program from a per-user copy of the folder
# (~/.local/share/lexavo), where lexavo.ini and minule.txt can be written.
# `cpack -G DEB` (in the build folder) packs the same under / .

set(LEXAVO_INSTALL_DIR opt/lexavo)
install(TARGETS lexavo pomocnik RUNTIME DESTINATION ${LEXAVO_INSTALL_DIR})
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/lexavo-launcher DESTINATION ${LEXAVO_INSTALL_DIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lexavo.svg DESTINATION ${LEXAVO_INSTALL_DIR})
if(LEXAVO_BUNDLED_DICTIONARIES)
  foreach(stem angcze czeang nemcze czenem)
    foreach(ext nfo dt1 dt2)
      install(FILES ${PROJECT_BINARY_DIR}/src/${stem}.${ext} DESTINATION ${LEXAVO_INSTALL_DIR})
    endforeach()
  endforeach()
  install(FILES ${PROJECT_BINARY_DIR}/src/dictionary-data-licence.txt DESTINATION ${LEXAVO_INSTALL_DIR})
endif()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lexavo.svg
  DESTINATION usr/share/icons/hicolor/scalable/apps)
# The launcher's path is known only when installing (the prefix may be given then).
install(CODE "
  set(folder \"\${CMAKE_INSTALL_PREFIX}/${LEXAVO_INSTALL_DIR}\")
  string(REGEX REPLACE \"//+\" \"/\" folder \"\${folder}\")
  set(LAUNCHER \"\${folder}/lexavo-launcher\")
  configure_file(\"${CMAKE_CURRENT_LIST_DIR}/lexavo.desktop.in\"
    \"${CMAKE_CURRENT_BINARY_DIR}/lexavo.desktop\" @ONLY)
  file(INSTALL \"${CMAKE_CURRENT_BINARY_DIR}/lexavo.desktop\"
    DESTINATION \"\${CMAKE_INSTALL_PREFIX}/usr/share/applications\")
")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lexavo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tým Lexavo <podpora@lexavo.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "English-Czech and German-Czech dictionary with a word-by-word text translator")
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6widgets6, libqt6printsupport6, libqt6gui6, libqt6core6, libhunspell-1.7-0, hunspell-cs, hunspell-de-de, hunspell-en-us, qt6-translations-l10n, qt6-qpa-plugins, fonts-liberation")
include(CPack)
