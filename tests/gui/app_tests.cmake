# Widget tests of the main window, tray and start-up.
target_sources(q417_gui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/advanced_page_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/application_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/assignment_rows_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exit_signals_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/basic_page_apply_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/basic_page_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window_screenshot_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mouse_link_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile_menu_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/single_instance_test.cpp
)
target_compile_definitions(q417_gui_tests PRIVATE Q417_TRAY_PROGRAM="$<TARGET_FILE:Tarvell-Q417>")
add_dependencies(q417_gui_tests Tarvell-Q417)
