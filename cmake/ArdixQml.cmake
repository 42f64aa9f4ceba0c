# The interface module ARDIX 1.0. Files land at qrc:/ARDIX/qml/..., the generated qmldir says
# "prefer :/ARDIX/" and marks the singletons.
file(GLOB_RECURSE ARDIX_QML_FILES RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/qml/*.qml ${CMAKE_SOURCE_DIR}/qml/*.js)
set(ARDIX_QML_SINGLETONS
  qml/myComponents/AppStyle.qml
  qml/myComponents/AppSettings.qml
  qml/myComponents/DevSettings.qml
  qml/myComponents/MyDefines.qml)
set_source_files_properties(${ARDIX_QML_SINGLETONS} PROPERTIES QT_QML_SINGLETON_TYPE TRUE)

file(GLOB_RECURSE ARDIX_QML_RESOURCES RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/images/*.png ${CMAKE_SOURCE_DIR}/images/*.svg ${CMAKE_SOURCE_DIR}/fonts/*.ttf)
list(REMOVE_ITEM ARDIX_QML_RESOURCES images/splash_desktop.png)

qt_add_library(ardix_qml STATIC)
qt_add_qml_module(ardix_qml
  URI ARDIX
  VERSION 1.0
  RESOURCE_PREFIX /
  TYPEINFO Ardix.qmltypes
  NO_PLUGIN
  OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/qml/ARDIX
  QML_FILES ${ARDIX_QML_FILES}
  RESOURCES ${ARDIX_QML_RESOURCES})

# The splash picture lives in a resource tree of its own.
qt_add_resources(ardix_qml "splash" PREFIX / FILES images/splash_desktop.png)
