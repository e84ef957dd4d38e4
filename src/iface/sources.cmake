# Sources of the iface subsystem.
file(GLOB _qmk_iface_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/iface/*.cpp)
list(FILTER _qmk_iface_sources EXCLUDE REGEX "_main\\.cpp$|/main\\.cpp$")
list(APPEND QMK_SOURCES ${_qmk_iface_sources})
