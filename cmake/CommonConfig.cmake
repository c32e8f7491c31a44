# Flags every target of ours shares, carried by one interface target.
add_library(tarnvale_options INTERFACE)
target_compile_options(tarnvale_options INTERFACE
    -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Woverloaded-virtual)
# GCC 12 at -O3 reports overlapping copies inside std::string concatenation that cannot happen
# (its bug 105651); the warning stays on for every other compiler.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(tarnvale_options INTERFACE -Wno-restrict)
endif()
if(TARNVALE_WERROR)
    target_compile_options(tarnvale_options INTERFACE -Werror)
endif()
if(TARNVALE_SANITIZE)
    target_compile_options(tarnvale_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(tarnvale_options INTERFACE -fsanitize=address,undefined)
endif()
