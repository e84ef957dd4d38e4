# Sources of the script subsystem: hand-written reader, bison grammar.
file(GLOB _qmk_script_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/script/*.cpp)
list(FILTER _qmk_script_sources EXCLUDE REGEX "_main\\.cpp$|/main\\.cpp$")
list(APPEND QMK_SOURCES ${_qmk_script_sources})

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/generated/script)
BISON_TARGET(script_grammar ${CMAKE_SOURCE_DIR}/src/script/script_grammar.y
             ${CMAKE_BINARY_DIR}/generated/script/script_grammar.cpp
             DEFINES_FILE ${CMAKE_BINARY_DIR}/generated/script/script_grammar.hpp
             COMPILE_FLAGS "-Wall -Werror")
list(APPEND QMK_GENERATED_SOURCES ${BISON_script_grammar_OUTPUTS})
