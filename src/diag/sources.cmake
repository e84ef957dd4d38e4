# Sources of the diag subsystem.
file(GLOB _qmk_diag_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/diag/*.cpp)
list(FILTER _qmk_diag_sources EXCLUDE REGEX "_main\\.cpp$|/main\\.cpp$")
list(APPEND QMK_SOURCES ${_qmk_diag_sources})
