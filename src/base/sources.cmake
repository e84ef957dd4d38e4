# Sources of the base subsystem.
file(GLOB _qmk_base_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/base/*.cpp)
list(FILTER _qmk_base_sources EXCLUDE REGEX "_main\\.cpp$|/main\\.cpp$")
list(APPEND QMK_SOURCES ${_qmk_base_sources})
