# One program per data folder: the local socket between a first and a second start is a plain Unix
# socket (no Qt Network at start); the test talks to it with Qt's own QLocalSocket as well.
find_package(Qt6 REQUIRED COMPONENTS Network)

# The test that starts the real program twice needs to know where it is.
if(TARGET einzelinstanz_guitest)
  target_compile_definitions(einzelinstanz_guitest PRIVATE ZELMO_PROGRAMM="$<TARGET_FILE:zelmotron>")
  target_link_libraries(einzelinstanz_guitest PRIVATE Qt6::Network)
  add_dependencies(einzelinstanz_guitest zelmotron)
endif()

if(ZELMO_FUZZ)
  add_subdirectory(fuzz)
endif()
