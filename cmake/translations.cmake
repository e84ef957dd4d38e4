# Compiles every translations/*.ts into lib/locale/*.qm of the build (and of the installation).
find_program(QMK_LRELEASE NAMES lrelease-qt6 lrelease PATHS /usr/lib/qt6/bin /usr/lib/qt6/libexec NO_DEFAULT_PATH)
if(NOT QMK_LRELEASE)
  find_program(QMK_LRELEASE NAMES lrelease-qt6 lrelease REQUIRED)
endif()
file(GLOB QMK_TS_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/*.ts)
set(QMK_QM_FILES)
foreach(ts ${QMK_TS_FILES})
  get_filename_component(base ${ts} NAME_WE)
  set(qm ${QMK_LOCALE_DIR}/${base}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QMK_LOCALE_DIR}
    COMMAND ${QMK_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts} VERBATIM)
  list(APPEND QMK_QM_FILES ${qm})
endforeach()
add_custom_target(translations ALL DEPENDS ${QMK_QM_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QMK_LOCALE_DIR})
install(DIRECTORY ${QMK_LOCALE_DIR}/ DESTINATION lib/locale)
