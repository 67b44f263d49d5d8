# Start-up: the sequence and the update hand-off (core), the splash and the single-copy channel (windows),
# the update program, and the platform pieces they start programs and register the file type with.
set(VELMAR_PLATFORM_DIR ${CMAKE_CURRENT_LIST_DIR}/../platform)

target_sources(velmar_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/startup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_handoff.cpp
  # The county list is data-store material; it sits here until the store's own list takes it.
  ${CMAKE_CURRENT_LIST_DIR}/../store/counties.cpp
  ${VELMAR_PLATFORM_DIR}/launcher.cpp
  ${VELMAR_PLATFORM_DIR}/file_type_registration_linux.cpp
)
target_sources(velmar_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/splash_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/splash_window.ui
  ${VELMAR_PLATFORM_DIR}/single_instance.cpp
)

# The update program Velmar carries: built beside velmar, which copies it into the program folder.
add_executable(velmar-update ${CMAKE_CURRENT_LIST_DIR}/../update/velmar_update_main.cpp)
target_link_libraries(velmar-update PRIVATE velmar_core)
add_dependencies(velmar velmar-update)
