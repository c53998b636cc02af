# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The test that starts the real program twice needs to know where it is.
if(TARGET einzelinstanz_guitest)
  target_compile_definitions(einzelinstanz_guitest PRIVATE ZELMO_PROGRAMM="$<TARGET_FILE:zelmotron>")
  add_dependencies(einzelinstanz_guitest zelmotron)
endif()

if(ZELMO_FUZZ)
  add_subdirectory(fuzz)
endif()
