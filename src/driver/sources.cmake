# Sources of the driver subsystem.
file(GLOB _qmk_driver_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/driver/*.cpp)
list(FILTER _qmk_driver_sources EXCLUDE REGEX "_main\\.cpp$|/main\\.cpp$")
list(APPEND QMK_SOURCES ${_qmk_driver_sources})
