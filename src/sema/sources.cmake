# Sources of the sema subsystem: the run's context, lookup and notices at the top; the semantic
# model in model/; the analysis of declarations in declarations/, of the scenario tree, blocks,
# procedures and instances in scenarios/, of bodies and statements in statements/.
file(GLOB _qmk_sema_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/sema/*.cpp ${CMAKE_SOURCE_DIR}/src/sema/*/*.cpp)
list(APPEND QMK_SOURCES ${_qmk_sema_sources})
