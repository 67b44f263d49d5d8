velmar_gui_test(test_main_window ${CMAKE_CURRENT_LIST_DIR}/test_main_window.cpp)
