# The program the user starts, and the picture it shows: bin/nupireo-settings with
# Resources/R0026477.JPG beside bin/, in the build tree and in the install tree.
add_executable(nupireo-settings ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(nupireo-settings PRIVATE nupireo_app nupireo_framework_qt)

add_executable(nupireo_draw_picture ${PROJECT_SOURCE_DIR}/tools/draw_picture.cpp)
target_link_libraries(nupireo_draw_picture PRIVATE Qt6::Gui)
set_target_properties(nupireo_draw_picture PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(NUPIREO_PICTURE ${NUPIREO_RESOURCES_DIR}/R0026477.JPG)
add_custom_command(
  OUTPUT ${NUPIREO_PICTURE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${NUPIREO_RESOURCES_DIR}
  # Qt's own allocations look like leaks to a sanitizer build's leak checker.
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:nupireo_draw_picture> ${NUPIREO_PICTURE}
  DEPENDS nupireo_draw_picture
  COMMENT "Drawing the start window's picture"
  VERBATIM)
add_custom_target(nupireo_picture ALL DEPENDS ${NUPIREO_PICTURE})
add_dependencies(nupireo-settings nupireo_picture)

install(TARGETS nupireo-settings RUNTIME DESTINATION bin)
install(FILES ${NUPIREO_PICTURE} DESTINATION Resources)
