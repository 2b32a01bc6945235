# Widget tests of skins, drawing and the skinned dialogs.
target_sources(q417_gui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/capture_dialogs_screenshot_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/capture_dialogs_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/consumer_key_dialogs_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/delay_time_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fire_key_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/macro_key_dialog_screenshot_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/macro_key_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pick_dialogs_screenshot_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_drop_down_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_image_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_preview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_screenshots_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skinned_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skins_dialog_test.cpp
)
add_dependencies(q417_gui_tests q417_skins)
