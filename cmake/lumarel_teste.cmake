# lumarel_teste(nome SOURCES ... LIBS ... [QT] [CUPS] [PASTA_TESTES])
#
# A GoogleTest program whose tests CTest lists when they run. Every test
# finds the shipped data files beside it (LUMAREL_DATA_DIR) and carries the
# program's name as its label (ctest -L selects a program's tests).
#   QT            the offscreen test main with a QApplication (windows,
#                 dialogs, printing) instead of GoogleTest's own main
#   CUPS          the tests need the private print server: the ctest
#                 fixture "cupsd" starts it first, and one test at a time
#                 uses it; its folder is compiled in (LUMAREL_CUPSD_DIR)
#   PASTA_TESTES  the folder of the test sources is compiled in as
#                 LUMAREL_DIR_TESTES (golden files, broken inputs)
function(lumarel_teste nome)
  cmake_parse_arguments(T "QT;CUPS;PASTA_TESTES" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${nome} ${T_SOURCES})
  target_link_libraries(${nome} PRIVATE ${T_LIBS} lumarel_apoio_testes GTest::gtest)
  add_dependencies(${nome} lumarel_data)

  # One environment entry only: a list here would be split into the other
  # properties. The Qt test main sets the offscreen platform itself.
  set(ambiente "LUMAREL_DATA_DIR=${LUMAREL_BIN_DIR}")
  if(T_QT)
    target_link_libraries(${nome} PRIVATE lumarel_teste_qt_main)
  else()
    target_link_libraries(${nome} PRIVATE GTest::gtest_main)
  endif()
  if(T_PASTA_TESTES)
    target_compile_definitions(${nome} PRIVATE
      LUMAREL_DIR_TESTES="${CMAKE_CURRENT_SOURCE_DIR}/tests")
  endif()

  if(T_CUPS)
    # The server's folder is compiled in, for the same reason.
    target_compile_definitions(${nome} PRIVATE LUMAREL_CUPSD_DIR="${LUMAREL_CUPSD_DIR}")
    gtest_discover_tests(${nome} WORKING_DIRECTORY ${LUMAREL_BIN_DIR}
      PROPERTIES FIXTURES_REQUIRED cupsd RESOURCE_LOCK cupsd LABELS ${nome}
                 ENVIRONMENT "${ambiente}"
      DISCOVERY_MODE PRE_TEST)
  else()
    gtest_discover_tests(${nome} WORKING_DIRECTORY ${LUMAREL_BIN_DIR}
      PROPERTIES LABELS ${nome} ENVIRONMENT "${ambiente}"
      DISCOVERY_MODE PRE_TEST)
  endif()
endfunction()
