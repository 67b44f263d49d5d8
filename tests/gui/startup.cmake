# Start-up: the sequence, the update hand-off and program, the archive file type (core); the splash and the
# single-copy channel (windows).
velmar_test(test_startup
  ${CMAKE_CURRENT_LIST_DIR}/startup_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_startup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_update.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_file_type_registration.cpp
)
add_dependencies(test_startup velmar-update)
velmar_gui_test(test_startup_windows ${CMAKE_CURRENT_LIST_DIR}/test_startup_windows.cpp)
