# Sources of the script subsystem: hand-written reader, bison grammar.
file(GLOB _qmk_script_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/script/*.cpp)
list(FILTER _qmk_script_sources EXCLUDE REGEX "_main\\.cpp$|/main\\.cpp$")
list(APPEND QMK_SOURCES ${_qmk_script_sources})

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/generated/script)
# Grammar conflicts and bison's own warnings are errors in the developers' builds.
set(_qmk_bison_flags "-Wall")
if(QMK_WERROR)
  set(_qmk_bison_flags "-Wall -Werror")
endif()
BISON_TARGET(script_grammar ${CMAKE_SOURCE_DIR}/src/script/script_grammar.y
             ${CMAKE_BINARY_DIR}/generated/script/script_grammar.cpp
             DEFINES_FILE ${CMAKE_BINARY_DIR}/generated/script/script_grammar.hpp
             COMPILE_FLAGS "${_qmk_bison_flags}")
list(APPEND QMK_GENERATED_SOURCES ${BISON_script_grammar_OUTPUTS})
