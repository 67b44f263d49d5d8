# The main window, the password prompt and the pictures of the command band.
target_sources(velmar_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/main_window.ui
  ${CMAKE_CURRENT_LIST_DIR}/password_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/password_dialog.ui
  ${CMAKE_CURRENT_LIST_DIR}/button_pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_band_row.cpp
)
