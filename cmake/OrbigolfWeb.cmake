# The browser build (the `web` preset, emscripten): the game alone, no tools or tests. Its
# content set is the one a native build generated (ORBIGOLF_WEB_CONTENT, the folder of the
# native program), preloaded into the page's file system; the intro movies are transcoded
# to WebM for the page's <video> element.

if(NOT EMSCRIPTEN)
    message(FATAL_ERROR "ORBIGOLF_WEB needs the emscripten toolchain (cmake --preset web)")
endif()

# The game reports failures as exceptions; the browser build must catch them too.
# The pixel loops are written on 128-bit vectors, which WebAssembly's SIMD runs as such
# rather than lane by lane, and whole rows are copied with memory.copy instead of a call
# out to JavaScript (every browser that plays WebM has both).
add_compile_options(-fexceptions -msimd128 -mbulk-memory)
add_link_options(-fexceptions)

# Sources that neither throw nor catch (the rules, the drawing, the replay loop) are built
# without exceptions: in the browser every call an exception could unwind through goes out
# to JavaScript and back, which cost the game tick a tenth of its time. An error thrown
# below them (a sound that will not play) still reaches the handler that reports it.
function(orbigolf_web_plain_sources)
    set_source_files_properties(${ARGN} PROPERTIES COMPILE_OPTIONS -fno-exceptions)
endfunction()

# The native content set: the release build's, else the test build's.
if(NOT ORBIGOLF_WEB_CONTENT)
    foreach(candidate release test debug)
        if(EXISTS ${PROJECT_SOURCE_DIR}/build/${candidate}/bin/menu.dxw)
            set(ORBIGOLF_WEB_CONTENT ${PROJECT_SOURCE_DIR}/build/${candidate}/bin)
            break()
        endif()
    endforeach()
endif()
set(ORBIGOLF_WEB_CONTENT "${ORBIGOLF_WEB_CONTENT}" CACHE PATH "The native build's program folder with the content set")
if(NOT EXISTS "${ORBIGOLF_WEB_CONTENT}/menu.dxw")
    message(FATAL_ERROR "No content set for the browser build: build the release or test preset first, "
                        "or set ORBIGOLF_WEB_CONTENT to a native build's bin folder")
endif()

# nlohmann/json is header-only; the system's copy is used without the rest of /usr/include,
# whose C library headers are not the browser's.
set(ORBIGOLF_WEB_JSON_HEADERS /usr/include/nlohmann CACHE PATH "The nlohmann/json header folder")
set(ORBIGOLF_WEB_HOST_INCLUDE ${CMAKE_BINARY_DIR}/host-include)
file(MAKE_DIRECTORY ${ORBIGOLF_WEB_HOST_INCLUDE})
if(NOT EXISTS ${ORBIGOLF_WEB_HOST_INCLUDE}/nlohmann)
    file(CREATE_LINK ${ORBIGOLF_WEB_JSON_HEADERS} ${ORBIGOLF_WEB_HOST_INCLUDE}/nlohmann SYMBOLIC)
endif()
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${ORBIGOLF_WEB_HOST_INCLUDE})

find_program(ORBIGOLF_FFMPEG_TOOL ffmpeg)
find_program(ORBIGOLF_GZIP_TOOL gzip REQUIRED)

# The page: <target>.html would be index.html with index.js, index.wasm.gz and
# index.data.gz in the build folder, with the movies as WebM beside them.
function(orbigolf_web_program target source)
    set(web_dir ${PROJECT_SOURCE_DIR}/src/platform/web)
    set(staged ${CMAKE_BINARY_DIR}/content)
    set(stamp ${CMAKE_BINARY_DIR}/content.stamp)
    file(GLOB_RECURSE content_files CONFIGURE_DEPENDS ${ORBIGOLF_WEB_CONTENT}/*.dx? ${ORBIGOLF_WEB_CONTENT}/*.hole
         ${ORBIGOLF_WEB_CONTENT}/*.avi)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DSOURCE=${ORBIGOLF_WEB_CONTENT} -DTARGET=${staged} -DMOVIES=${CMAKE_BINARY_DIR}
                -DFFMPEG=${ORBIGOLF_FFMPEG_TOOL} -P ${PROJECT_SOURCE_DIR}/cmake/StageWebContent.cmake
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${content_files} ${PROJECT_SOURCE_DIR}/cmake/StageWebContent.cmake
        COMMENT "Staging the content set for the browser"
        VERBATIM)
    add_custom_target(${target}-content DEPENDS ${stamp})

    add_executable(${target} ${source})
    add_dependencies(${target} ${target}-content)
    target_link_libraries(${target} PRIVATE orbigolf_program orbigolf_platform_web)
    orbigolf_warnings(${target})
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME index
        SUFFIX ".html"
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}
        LINK_DEPENDS "${web_dir}/shell.html;${stamp}")
    target_link_options(${target} PRIVATE
        # Waiting (nested modal loops, the intro's pause, a frame shown mid-work) gives
        # the browser its turn and resumes the program where it was.
        "SHELL:-s ASYNCIFY=1"
        "SHELL:-s ASYNCIFY_STACK_SIZE=1048576"
        "SHELL:-s ALLOW_MEMORY_GROWTH=1"
        "SHELL:-s INITIAL_MEMORY=67108864"
        "SHELL:-s TOTAL_STACK=1048576"
        "SHELL:-s FORCE_FILESYSTEM=1"
        "SHELL:-s EXPORTED_FUNCTIONS=_main,_malloc,_free,_orbigolf_mix"
        "SHELL:-s EXPORTED_RUNTIME_METHODS=FS,UTF8ToString,stringToUTF8,lengthBytesUTF8,addRunDependency,removeRunDependency"
        "SHELL:-s ENVIRONMENT=web"
        # Debian's emscripten cannot run its HTML minifier.
        "SHELL:-s MINIFY_HTML=0"
        -lidbfs.js
        "SHELL:--shell-file ${web_dir}/shell.html"
        "SHELL:--preload-file ${staged}@/data")
    # The program and its data package shrink to about a third compressed. They are shipped
    # as plain .gz files that the page unpacks itself (shell.html), not as a server's
    # Content-Encoding, so that any static server can serve the folder as it is. gzip
    # replaces each file with its .gz, so the folder holds only what the page loads.
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${ORBIGOLF_GZIP_TOOL} -9nf index.wasm index.data
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
        COMMENT "Compressing the program and its data package for the page"
        VERBATIM)
endfunction()
