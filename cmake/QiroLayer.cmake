# qiro_layer(NAME SOURCES... DEPENDS layers...)
# One static library per layer. Each layer publishes only its own include/
# folder, so a header of a layer that is not linked cannot even be found:
# the link list is the dependency rule.
function(qiro_layer name)
  cmake_parse_arguments(LAYER "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${LAYER_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
  target_link_libraries(${name} PUBLIC ${LAYER_DEPENDS})
endfunction()

# qiro_test(NAME SOURCES... DEPENDS layers...)
# One GoogleTest executable per layer, its cases discovered by ctest.
function(qiro_test name)
  cmake_parse_arguments(TEST "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${TEST_SOURCES})
  target_link_libraries(${name} PRIVATE ${TEST_DEPENDS} GTest::gtest GTest::gtest_main)
  # Anything that draws runs headless, whatever display the machine has.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()
