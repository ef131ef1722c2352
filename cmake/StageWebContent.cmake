# Copies the content set of a native build (SOURCE, its program folder) into TARGET for the
# browser's preloaded file system, without the programs and build files beside it, and
# transcodes the movies to WebM (VP8 and Vorbis) into MOVIES with FFMPEG.
#   cmake -DSOURCE=... -DTARGET=... -DMOVIES=... -DFFMPEG=... -P StageWebContent.cmake

file(REMOVE_RECURSE ${TARGET})
file(MAKE_DIRECTORY ${TARGET})
# The content set: hole files, picture and sound lists, animations, pictures and settings
# texts, in the program folder and its sub-folders (skins, textures).
file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(name IN LISTS files)
    get_filename_component(ext ${name} LAST_EXT)
    string(TOLOWER "${ext}" ext)
    if(ext MATCHES "^\\.(hole|dxg|dxw|flc|fli|bmp|ini|txt|wav)$")
        get_filename_component(dir ${name} DIRECTORY)
        file(COPY ${SOURCE}/${name} DESTINATION ${TARGET}/${dir})
    endif()
endforeach()

file(GLOB movies ${SOURCE}/*.avi)
foreach(movie IN LISTS movies)
    get_filename_component(stem ${movie} NAME_WE)
    if(NOT FFMPEG)
        message(WARNING "No ffmpeg: ${stem}.avi is left out of the page, and the intro skips it")
        continue()
    endif()
    execute_process(
        COMMAND ${FFMPEG} -v error -y -i ${movie} -c:v libvpx -b:v 1M -c:a libvorbis -q:a 3 ${MOVIES}/${stem}.webm
        RESULT_VARIABLE failed)
    if(failed)
        message(WARNING "${stem}.avi cannot be transcoded; the intro skips it")
        file(REMOVE ${MOVIES}/${stem}.webm)
    endif()
endforeach()
