# SPDX-License-Identifier: MIT
# One place for the warning flags and for registering test executables.

function(karvelo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()

# karvelo_test(NAME name SOURCES ... LIBS ... [QT] [LABELS ...])
# QT marks a Qt Test executable that runs in-process on the offscreen platform.
function(karvelo_test)
  cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  if(T_QT)
    qt_add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
  else()
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  endif()
  karvelo_warnings(${T_NAME})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set(env "")
  if(T_QT)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}" TIMEOUT 300
                       ENVIRONMENT "${env}")
endfunction()
