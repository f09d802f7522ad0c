# The Debian package (cpack -G DEB, scripts/release): both programs in /usr/bin, the window's
# .desktop file and icon (ui/qt), both programs' manual pages, the technician's guide, the
# changelog, the lintian override and the copyright file. Its Depends are computed from the programs' libraries
# (dpkg-shlibdeps).
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

# The changelog of a native package, from CAMBIOS.md, compressed as the manual pages.
set(ttz_mantenedor "transTempalosZeda <transtempaloszeda@invalid>")
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${ttz_debian}/changelog.gz
  COMMAND Python3::Interpreter ${ttz_debian_fuentes}/changelog.py ${PROJECT_SOURCE_DIR}/CAMBIOS.md
    transtempaloszeda ${ttz_mantenedor} ${ttz_debian}/changelog
  COMMAND gzip -9nf ${ttz_debian}/changelog
  DEPENDS ${PROJECT_SOURCE_DIR}/CAMBIOS.md ${ttz_debian_fuentes}/changelog.py
  VERBATIM)
add_custom_target(ttz_changelog ALL DEPENDS ${ttz_debian}/changelog.gz)
install(FILES ${ttz_debian}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The technician's guide, which the manual pages point to, compressed in the same way.
add_custom_command(OUTPUT ${ttz_debian}/guia-tecnico.md.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/docs/guia-tecnico.md ${ttz_debian}/guia-tecnico.md
  COMMAND gzip -9nf ${ttz_debian}/guia-tecnico.md
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/guia-tecnico.md
  VERBATIM)
add_custom_target(ttz_guia ALL DEPENDS ${ttz_debian}/guia-tecnico.md.gz)
install(FILES ${ttz_debian}/guia-tecnico.md.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The project has no public address yet: the maintainer's is a placeholder, which lintian
# reports; the override says so, until there is a real address.
install(FILES ${ttz_debian_fuentes}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
  RENAME transtempaloszeda)

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
set(CPACK_PACKAGE_CONTACT ${ttz_mantenedor})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "exporta e importa datos entre Tempalix y ZEDA")
set(CPACK_PACKAGE_DESCRIPTION "Pasa los datos de un centro entre ZEDA, que intercambia archivos\n\
de texto de columnas fijas, y Tempalix, el programa de horarios, que guarda\n\
tablas dBase: la exportación convierte los archivos de ZEDA en las tablas de\n\
Tempalix, y la importación escribe el horario resuelto por Tempalix en el\n\
archivo de horario de ZEDA. Trae el programa con ventana (transtempaloszeda) y\n\
la herramienta por lotes (transtempaloszeda-lote).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Spanish texts for the window's standard buttons; the libraries' Depends are added to it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
