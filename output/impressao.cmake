# The page renderers and the print job (no Qt), and the print dialog.
add_library(lumarel_impressao STATIC
  brimprpagina.cpp
  brprint.cpp)
target_include_directories(lumarel_impressao PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(lumarel_impressao PUBLIC lumarel_saida lumarel_traducao lumarel_grafico
  lumarel_config lumarel_plataforma)

lumarel_test(testes_impressao
  SOURCES tests/brimprpagina_test.cpp tests/brprint_test.cpp
  LIBS lumarel_impressao lumarel_apoio_testes)

add_library(lumarel_impressao_qt STATIC
  formimprime.cpp)
target_link_libraries(lumarel_impressao_qt PUBLIC lumarel_impressao lumarel_saida_qt
  lumarel_plataforma_qt Qt6::Widgets)

lumarel_teste_qt(testes_formimprime
  SOURCES tests/formimprime_test.cpp
  LIBS lumarel_impressao_qt lumarel_apoio_testes Qt6::Test)

# A whole job through the private print server of the raw-job tests.
lumarel_teste_cups(testes_impressao_cups SOURCES tests/brprint_cups_test.cpp LIBS lumarel_impressao)
target_compile_definitions(testes_impressao PRIVATE
  LUMAREL_DIR_TESTES_IMPRESSAO="${CMAKE_CURRENT_SOURCE_DIR}/tests")
target_compile_definitions(testes_impressao_cups PRIVATE
  LUMAREL_DIR_TESTES_IMPRESSAO="${CMAKE_CURRENT_SOURCE_DIR}/tests")
target_compile_definitions(testes_formimprime PRIVATE
  LUMAREL_DIR_TESTES_IMPRESSAO="${CMAKE_CURRENT_SOURCE_DIR}/tests")
