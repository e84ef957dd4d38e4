# Sources of the iface subsystem, in its sub-folders: pp/ (preprocessor), cparse/ (C/C++ lexer,
# expressions and declarations), dict/ (type dictionary and descriptors), query/ (the analysis
# context and the anc_* services).
file(GLOB _qmk_iface_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/iface/*/*.cpp)
list(FILTER _qmk_iface_sources EXCLUDE REGEX "_main\\.cpp$|/main\\.cpp$")
list(APPEND QMK_SOURCES ${_qmk_iface_sources})
# The #if expression grammar of the preprocessor.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/generated)
BISON_TARGET(pp_expr ${CMAKE_SOURCE_DIR}/src/iface/pp/pp_expr.y ${CMAKE_BINARY_DIR}/generated/pp_expr.tab.cpp
             DEFINES_FILE ${CMAKE_BINARY_DIR}/generated/pp_expr.tab.hpp)
list(APPEND QMK_GENERATED_SOURCES ${BISON_pp_expr_OUTPUTS})
