# Sources of the script subsystem.
file(GLOB _qmk_script_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/script/*.cpp)
list(FILTER _qmk_script_sources EXCLUDE REGEX "_main\\.cpp$|/main\\.cpp$")
list(APPEND QMK_SOURCES ${_qmk_script_sources})
