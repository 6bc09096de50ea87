# One static library per layer; the layer's folder name is also its test label.
function(it_layer name)
  cmake_parse_arguments(L "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${L_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${L_DEPS})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF)
endfunction()

# A test executable of one layer, labelled with the layer's folder name:
# tests_<label>, or tests_<NAME> for a second executable of the layer.
function(it_tests label)
  cmake_parse_arguments(T "" "NAME" "SOURCES;DEPS" ${ARGN})
  set(exe tests_${label})
  if(T_NAME)
    set(exe tests_${T_NAME})
  endif()
  add_executable(${exe} ${T_SOURCES})
  target_link_libraries(${exe} PRIVATE ${T_DEPS} GTest::gmock GTest::gtest_main)
  target_include_directories(${exe} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  gtest_discover_tests(${exe}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS ${label} ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
