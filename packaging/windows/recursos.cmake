# ttz_recursos_windows(TARGET DESCRIPTION): gives a Windows program its resources, built by
# windres: the tool's icon (made from ui/qt/transtempaloszeda.svg by icono.sh), the application
# manifest, and a Spanish version resource with the project's version and DESCRIPTION.
set(TTZ_RECURSOS_WINDOWS ${CMAKE_CURRENT_LIST_DIR})

function(ttz_recursos_windows objetivo descripcion)
  set(carpeta ${CMAKE_CURRENT_BINARY_DIR}/recursos-${objetivo})
  set(svg ${PROJECT_SOURCE_DIR}/ui/qt/transtempaloszeda.svg)
  set(TTZ_NOMBRE ${objetivo})
  set(TTZ_ARCHIVO ${objetivo}.exe)
  set(TTZ_DESCRIPCION ${descripcion})
  set(TTZ_ICONO ${carpeta}/transtempaloszeda.ico)
  set(TTZ_MANIFIESTO ${TTZ_RECURSOS_WINDOWS}/transtempaloszeda.manifest)
  configure_file(${TTZ_RECURSOS_WINDOWS}/recursos.rc.in ${carpeta}/recursos.rc @ONLY)
  add_custom_command(OUTPUT ${TTZ_ICONO}
    COMMAND bash ${TTZ_RECURSOS_WINDOWS}/icono.sh ${svg} ${TTZ_ICONO}
    DEPENDS ${TTZ_RECURSOS_WINDOWS}/icono.sh ${svg}
    VERBATIM)
  target_sources(${objetivo} PRIVATE ${carpeta}/recursos.rc)
  set_source_files_properties(${carpeta}/recursos.rc PROPERTIES
    OBJECT_DEPENDS "${TTZ_ICONO};${TTZ_MANIFIESTO}")
endfunction()
