# Every test runs with its own settings store, data folder and temp folder, offscreen, and with
# every device and web address pointing at loopback (port 9 on 127.0.0.1 has no listener here).
set(ARDIX_TEST_ROOT ${CMAKE_BINARY_DIR}/test-home)

function(ardix_test_environment out name)
  set(home ${ARDIX_TEST_ROOT}/${name})
  file(MAKE_DIRECTORY ${home}/config ${home}/data ${home}/tmp ${home}/runtime)
  file(CHMOD ${home}/runtime PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  set(${out}
      "XDG_CONFIG_HOME=${home}/config"
      "XDG_DATA_HOME=${home}/data"
      "XDG_CACHE_HOME=${home}/cache"
      "XDG_RUNTIME_DIR=${home}/runtime"
      "HOME=${home}"
      "TMPDIR=${home}/tmp"
      "QT_QPA_PLATFORM=offscreen"
      "ARDIX_DEVICE_HOST=127.0.0.1"
      "ARDIX_DEVICE_PORT=9"
      "ARDIX_DEVICE_WEB_PORT=9"
      "ARDIX_FIRMWARE_URL=http://127.0.0.1:9/firmware/"
      "ARDIX_SITE_URL=http://127.0.0.1:9/site/"
      "ARDIX_TEST_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
      # The client speaks the language of its texts unless a test asks for another.
      "ARDIX_LANGUAGE=ru"
      PARENT_SCOPE)
endfunction()

# ardix_add_test(<name> SOURCES <files...> [LIBS <targets...>] [TIMEOUT <s>])
function(ardix_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ardix_testsupport ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  ardix_test_environment(env ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT})
endfunction()
