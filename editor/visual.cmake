# Braille on screen: the Braille rows under the editor and the preview of the
# whole draft. The logic has no Qt; the window and the label rows do.
add_library(lumarel_visual STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/brlinhasbraille.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/brvisual.cpp)
target_include_directories(lumarel_visual PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(lumarel_visual PUBLIC lumarel_traducao lumarel_plataforma)

add_library(lumarel_visual_qt STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/formvisual.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/rotulosbraille.cpp)
target_link_libraries(lumarel_visual_qt PUBLIC lumarel_visual lumarel_braille_tela
  lumarel_plataforma_qt Qt6::Widgets)

lumarel_test(testes_visual
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/brvisual_test.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/tests/brlinhasbraille_test.cpp
  LIBS lumarel_visual lumarel_apoio_traducao)

lumarel_teste_qt(testes_visual_qt
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/formvisual_test.cpp
  LIBS lumarel_visual_qt lumarel_editor lumarel_apoio_testes Qt6::Test)

# A look at the preview: the example document translated and shown in a real
# X server, the window saved as a PNG in the build folder.
add_executable(captura_visual ${CMAKE_CURRENT_SOURCE_DIR}/tests/captura_visual.cpp)
target_link_libraries(captura_visual PRIVATE lumarel_visual_qt lumarel_editor)
add_dependencies(captura_visual lumarel_data)
find_program(LUMAREL_XVFB_RUN_VISUAL xvfb-run)
if(LUMAREL_XVFB_RUN_VISUAL)
  add_test(NAME visual_captura_xvfb
    COMMAND ${CMAKE_COMMAND} -E env
            LUMAREL_CAPTURA=${CMAKE_BINARY_DIR}/captura_visual.png
            LUMAREL_WINDIR=${CMAKE_CURRENT_BINARY_DIR}/windir-captura-visual
            ${LUMAREL_XVFB_RUN_VISUAL} -a -s "-screen 0 1024x768x24"
            $<TARGET_FILE:captura_visual> ${LUMAREL_BIN_DIR}/exemplo.txt
    WORKING_DIRECTORY ${LUMAREL_BIN_DIR})
  set_tests_properties(visual_captura_xvfb PROPERTIES TIMEOUT 60)
endif()
