# The Debian package (cpack -G DEB, scripts/release): both programs in /usr/bin, the window's
# .desktop file and icon (ui/qt), both programs' manual pages and the copyright file. Its
# Depends are computed from the programs' libraries (dpkg-shlibdeps).
include(GNUInstallDirs)
set(ttz_debian_fuentes ${CMAKE_CURRENT_LIST_DIR})
set(ttz_debian ${CMAKE_BINARY_DIR}/debian)

# The manual pages of both programs, compressed without a name or time inside (the same bytes
# on every build).
set(ttz_paginas)
foreach(ttz_pagina transtempaloszeda transtempaloszeda-lote)
  configure_file(${ttz_debian_fuentes}/${ttz_pagina}.1.in ${ttz_debian}/${ttz_pagina}.1 @ONLY)
  add_custom_command(OUTPUT ${ttz_debian}/${ttz_pagina}.1.gz
    COMMAND gzip -9nkf ${ttz_debian}/${ttz_pagina}.1
    DEPENDS ${ttz_debian}/${ttz_pagina}.1
    VERBATIM)
  list(APPEND ttz_paginas ${ttz_debian}/${ttz_pagina}.1.gz)
endforeach()
add_custom_target(ttz_manual ALL DEPENDS ${ttz_paginas})
install(FILES ${ttz_paginas} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The machine-readable copyright file, with the licence's text from LICENSE.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE ttz_licencia)
string(STRIP "${ttz_licencia}" ttz_licencia)
string(REPLACE "\n" "\n " ttz_licencia " ${ttz_licencia}")
string(REPLACE "\n \n" "\n .\n" ttz_licencia "${ttz_licencia}")
file(WRITE ${ttz_debian}/copyright
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: transTempalosZeda\n"
  "\n"
  "Files: *\n"
  "Copyright: 2026 los autores de transTempalosZeda\n"
  "License: Expat\n"
  "${ttz_licencia}\n")
install(FILES ${ttz_debian}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# scripts/release builds what the package holds; installing need not build everything first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME transtempaloszeda)
set(CPACK_PACKAGE_CONTACT "transTempalosZeda <transtempaloszeda@invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "exporta e importa datos entre Tempalix y ZEDA")
set(CPACK_PACKAGE_DESCRIPTION "Pasa los datos de un centro entre ZEDA, que intercambia archivos de\n\
texto de columnas fijas, y Tempalix, el programa de horarios, que guarda tablas dBase: la\n\
exportación convierte los archivos de ZEDA en las tablas de Tempalix, y la importación escribe\n\
el horario resuelto por Tempalix en el archivo de horario de ZEDA. Trae la ventana\n\
(transtempaloszeda) y la herramienta por lotes (transtempaloszeda-lote).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Spanish texts for the window's standard buttons; the libraries' Depends are added to it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
