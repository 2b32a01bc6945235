# Qt sources of skins, drawing and the skinned dialogs; added to q417_gui.
target_sources(q417_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt_colour_picker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_drop_down.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_font.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skinned_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skins_dialog.cpp
)
