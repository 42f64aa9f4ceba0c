# Builds the MIME database a desktop has once the package is installed: the system's definitions
# and the installed ones compiled together, so that clashing endings are resolved as they will be.
# Inputs: PREFIX (the install prefix), OUT (the data folder to create), UPDATE_MIME_DATABASE.
cmake_minimum_required(VERSION 3.21)
file(REMOVE_RECURSE ${OUT})
file(GLOB system_definitions /usr/share/mime/packages/*.xml)
file(COPY ${system_definitions} ${PREFIX}/share/mime/packages/ardix.xml DESTINATION ${OUT}/mime/packages)
# update-mime-database reports bad definitions on its output but still exits with 0.
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${OUT} ${UPDATE_MIME_DATABASE} ${OUT}/mime
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR out MATCHES "[Ee]rror|[Ww]arning")
  message(FATAL_ERROR "update-mime-database rejected the definitions:\n${out}")
endif()
