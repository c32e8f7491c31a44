# Flags every target of ours shares, carried by one interface target.
add_library(tarnvale_options INTERFACE)
target_compile_options(tarnvale_options INTERFACE
    -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Woverloaded-virtual)
if(TARNVALE_WERROR)
    target_compile_options(tarnvale_options INTERFACE -Werror)
endif()
if(TARNVALE_SANITIZE)
    target_compile_options(tarnvale_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(tarnvale_options INTERFACE -fsanitize=address,undefined)
endif()
