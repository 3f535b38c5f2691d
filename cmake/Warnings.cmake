# Warning flags. The core and its tests build with warnings as errors.
function(lumbrel_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
        -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align -Wnull-dereference)
endfunction()

function(lumbrel_strict_warnings target)
    lumbrel_warnings(${target})
    target_compile_options(${target} PRIVATE -Werror)
endfunction()
