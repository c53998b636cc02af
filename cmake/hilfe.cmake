# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The help file ZelmosV121.chm, beside the program.
# hilfebau (linked with the program's own pages and drawings) writes into build/hilfe: the topics of
# help/ with the numbers of the worked examples (help/beispiele.json) put in, the pictures of the
# pages' circuits, the contents (.hhc), the keyword index (.hhk), the project (.hhp) and the table of
# help context numbers. chmcmd compiles that folder. A new topic needs its .htm file in help/ and one
# line in help/inhalt.txt (see help/README.md).
find_program(CHMCMD chmcmd REQUIRED)

add_library(hilfe_beispiele OBJECT tools/hilfebau/Beispielseiten.cpp tools/hilfebau/Beispielseiten.h)
target_link_libraries(hilfe_beispiele PUBLIC zelmo_ui)
target_compile_options(hilfe_beispiele PRIVATE -Wall -Wextra)
add_executable(hilfebau tools/hilfebau/hilfebau.cpp)
target_link_libraries(hilfebau PRIVATE hilfe_beispiele)
target_compile_options(hilfebau PRIVATE -Wall -Wextra)

file(GLOB HILFE_QUELLEN CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*)
set(HILFE_DATEI ${CMAKE_BINARY_DIR}/ZelmosV121.chm)
add_custom_command(
  OUTPUT ${HILFE_DATEI}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/hilfe
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:hilfebau>
          ${CMAKE_SOURCE_DIR}/help ${CMAKE_BINARY_DIR}/hilfe
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/hilfe ${CHMCMD} --no-html-scan --verbosity 0 ZelmosV121.hhp
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/hilfe/ZelmosV121.chm ${HILFE_DATEI}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS ${HILFE_QUELLEN} hilfebau
  COMMENT "help file ZelmosV121.chm"
  VERBATIM)
add_custom_target(hilfe ALL DEPENDS ${HILFE_DATEI})
