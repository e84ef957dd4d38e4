# Sources of the gen subsystem.
file(GLOB _qmk_gen_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/gen/*.cpp)
list(FILTER _qmk_gen_sources EXCLUDE REGEX "_main\\.cpp$|/main\\.cpp$")
list(APPEND QMK_SOURCES ${_qmk_gen_sources})
