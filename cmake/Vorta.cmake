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
  # Under the C locale, and under Czech and German settings with the C
  # library's locale really set (test main refuses a locale that is not
  # installed): every shown and typed number goes through the user's
  # separator, whatever the C library's.
  foreach(beh IN ITEMS "|C.UTF-8" "_cs|cs_CZ.UTF-8" "_de|de_DE.UTF-8")
    string(REPLACE "|" ";" beh "${beh}")
    list(GET beh 0 pripona)
    list(GET beh 1 locale)
    add_test(NAME ${name}${pripona} COMMAND test_${name})
    set_tests_properties(${name}${pripona} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=${locale};LANG=${locale}" TIMEOUT 600)
  endforeach()
endfunction()
