# One interface target carries the warnings and Qt defines shared by every target.
add_library(tarvex_settings INTERFACE)
target_compile_features(tarvex_settings INTERFACE cxx_std_20)
target_compile_options(tarvex_settings INTERFACE
    -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Woverloaded-virtual
    $<$<BOOL:${TARVEX_WERROR}>:-Werror>)
target_compile_definitions(tarvex_settings INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_USE_QSTRINGBUILDER
    $<$<CONFIG:Debug>:_GLIBCXX_ASSERTIONS>)

if(TARVEX_SANITIZE)
    # Undefined behaviour stops the program like any other finding.
    target_compile_options(tarvex_settings INTERFACE
        -fsanitize=${TARVEX_SANITIZE} -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(tarvex_settings INTERFACE -fsanitize=${TARVEX_SANITIZE})
endif()

if(TARVEX_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "The fuzzers need clang: configure with CXX=clang++.")
    endif()
    # Coverage for libFuzzer in every library; only the harnesses link its main.
    target_compile_options(tarvex_settings INTERFACE -fsanitize=fuzzer-no-link)
endif()

# tarvex_add_library(<folder> SOURCES... [DEPENDS targets...])
# Each src/ folder is one static library named after it.
function(tarvex_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
    target_link_libraries(${name} PUBLIC tarvex_settings ${ARG_DEPENDS})
endfunction()
