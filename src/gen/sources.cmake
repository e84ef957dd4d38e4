# Sources of the gen subsystem: the output services, the output set and the run identifier at the
# top; the TDC writer and probe header in tdc/, the TSF writer in tsf/, the C++ driver writer in
# cpp/, the SPG scenario-plan writer in spg/.
file(GLOB _qmk_gen_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/gen/*.cpp ${CMAKE_SOURCE_DIR}/src/gen/*/*.cpp)
list(FILTER _qmk_gen_sources EXCLUDE REGEX "_main\\.cpp$|/main\\.cpp$")
list(APPEND QMK_SOURCES ${_qmk_gen_sources})
