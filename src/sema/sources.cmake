# Sources of the sema subsystem: the semantic model and the analysis.
file(GLOB _qmk_sema_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/sema/*.cpp)
list(APPEND QMK_SOURCES ${_qmk_sema_sources})
