# One program per data folder: the local socket between a first and a second start.
find_package(Qt6 REQUIRED COMPONENTS Network)
target_link_libraries(zelmo_ui PUBLIC Qt6::Network)

# The test that starts the real program twice needs to know where it is.
if(TARGET einzelinstanz_guitest)
  target_compile_definitions(einzelinstanz_guitest PRIVATE ZELMO_PROGRAMM="$<TARGET_FILE:zelmotron>")
  add_dependencies(einzelinstanz_guitest zelmotron)
endif()

if(ZELMO_FUZZ)
  add_subdirectory(fuzz)
endif()
