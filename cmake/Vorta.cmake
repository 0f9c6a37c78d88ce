# Each subsystem folder holds two kinds of source: computation files with
# lower-case names (no widgets, tested on their own) and window files named
# after their class (T...). The folder gives one library of each kind, so that
# the numbers build and are tested without Qt Widgets.
function(vorta_subsystem name)
  cmake_parse_arguments(V "" "" "CALC_DEPS;WINDOW_DEPS" ${ARGN})
  file(GLOB calc_src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/[a-z]*.cpp)
  file(GLOB window_src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/T*.cpp)
  if(calc_src)
    add_library(vorta_${name}_calc STATIC ${calc_src})
    target_include_directories(vorta_${name}_calc PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(vorta_${name}_calc PUBLIC vorta_core Qt6::Core Qt6::Gui ${V_CALC_DEPS})
  else()
    add_library(vorta_${name}_calc INTERFACE)
    target_link_libraries(vorta_${name}_calc INTERFACE vorta_core ${V_CALC_DEPS})
  endif()
  if(window_src)
    add_library(vorta_${name} STATIC ${window_src})
    target_include_directories(vorta_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(vorta_${name} PUBLIC vorta_${name}_calc vorta_graf vorta_shell Qt6::Widgets ${V_WINDOW_DEPS})
  else()
    add_library(vorta_${name} INTERFACE)
    target_link_libraries(vorta_${name} INTERFACE vorta_${name}_calc)
  endif()
endfunction()

# One test program per subsystem folder; its test classes register themselves
# (tests/common/VortaTest.h), so adding a test file needs no list to edit.
function(vorta_tests name)
  file(GLOB test_src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT test_src)
    return()
  endif()
  add_executable(test_${name} ${test_src} ${PROJECT_SOURCE_DIR}/tests/common/main.cpp)
  target_include_directories(test_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)
  target_link_libraries(test_${name} PRIVATE ${ARGN} Qt6::Test Qt6::Widgets)
  # Once with a decimal point and once under Czech settings with a decimal
  # comma: every shown and typed number goes through the user's separator.
  add_test(NAME ${name} COMMAND test_${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" TIMEOUT 600)
  add_test(NAME ${name}_cs COMMAND test_${name})
  set_tests_properties(${name}_cs PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=cs_CZ.UTF-8" TIMEOUT 600)
endfunction()
