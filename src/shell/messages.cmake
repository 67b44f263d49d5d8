# The message dialog, the balloon notice and the progress window; what they show is decided in the core.
target_sources(velmar_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/message_layout.cpp
)
target_sources(velmar_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/message_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_dialog.ui
  ${CMAKE_CURRENT_LIST_DIR}/problem_balloon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/progress_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/progress_window.ui
  ${CMAKE_CURRENT_LIST_DIR}/gui_interaction.cpp
)
