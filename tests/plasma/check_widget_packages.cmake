# Checks the Plasma widget packages as they are in the source tree: each
# package's metadata is JSON naming the widget's Id, and every QML file,
# the shared ones too, parses.
foreach(package IN ITEMS plasma5 plasma6)
  file(READ ${WIDGETS}/${package}/metadata.json.in metadata)
  string(JSON id ERROR_VARIABLE error GET "${metadata}" KPlugin Id)
  if(error)
    message(FATAL_ERROR "${package}/metadata.json.in: ${error}")
  endif()
  if(NOT id STREQUAL "@HORALET_PLASMA_WIDGET_ID@")
    message(FATAL_ERROR "${package}/metadata.json.in names the widget \"${id}\", not the build's widget Id")
  endif()
  if(NOT EXISTS ${WIDGETS}/${package}/contents/ui/main.qml)
    message(FATAL_ERROR "${package} has no contents/ui/main.qml")
  endif()
endforeach()

file(GLOB_RECURSE qml_files ${WIDGETS}/*.qml)
foreach(file IN LISTS qml_files)
  execute_process(COMMAND ${QMLFORMAT} ${file} OUTPUT_QUIET ERROR_VARIABLE errors RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${file} does not parse:\n${errors}")
  endif()
endforeach()
