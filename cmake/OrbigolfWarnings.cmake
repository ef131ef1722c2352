# Warnings for our own code (not for third-party headers). They are errors where we are the
# ones to mend them: the test and fuzz presets, and so CI. Elsewhere (the release preset, a
# plain configure with another compiler) a new compiler's new warning must not stop the build.
option(ORBIGOLF_WERROR "Treat warnings in our own code as errors" OFF)

function(orbigolf_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(ORBIGOLF_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
