# The message dialog, the balloon notice and the progress window.
velmar_gui_test(test_messages ${CMAKE_CURRENT_LIST_DIR}/test_messages.cpp)
