# The game for the browser, included by the top CMakeLists.txt under emscripten's CMake (tools/make-web.sh):
# the library is Allegro built for the web by tools/web-allegro.sh (PELVARO_WEB_ALLEGRO), the programs are
# written into PELVARO_WEB_OUT beside index.html; the data package is made by tools/make-web.sh.
set(PELVARO_WEB_ALLEGRO ${CMAKE_SOURCE_DIR}/build/web-src CACHE PATH "Allegro built for the web (tools/web-allegro.sh)")
set(PELVARO_WEB_OUT ${CMAKE_SOURCE_DIR}/build/web CACHE PATH "where the page is written")

# Under the name the native build gives the library, so that the game's targets read the same.
add_library(PkgConfig::ALLEGRO INTERFACE IMPORTED)
target_include_directories(PkgConfig::ALLEGRO INTERFACE ${PELVARO_WEB_ALLEGRO}/allegro-src/include
                           ${PELVARO_WEB_ALLEGRO}/allegro-build/include)
target_link_libraries(PkgConfig::ALLEGRO INTERFACE ${PELVARO_WEB_ALLEGRO}/allegro-build/liballeg.a)

add_library(platform_web STATIC src/platform/platform_web.cpp src/platform/web_view.cpp src/platform/allegro_sound.cpp
            src/platform/speech_web.cpp
            src/platform/platform_common.cpp src/platform/pad_pointer.cpp src/platform/window_fit.cpp)
target_include_directories(platform_web PUBLIC src)
target_link_libraries(platform_web PUBLIC PkgConfig::ALLEGRO)

# The game's loops block: ASYNCIFY lets each of them give the page its turn (platform_web.cpp). The player's
# folder lives in IndexedDB (IDBFS); the data package (pelvaro.data.js) is loaded by index.html first.
function(web_programs)
  foreach(program ${ARGN})
    set_target_properties(${program} PROPERTIES SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${PELVARO_WEB_OUT})
    target_link_options(${program} PRIVATE -sASYNCIFY -sASYNCIFY_STACK_SIZE=131072 -sALLOW_MEMORY_GROWTH=1
                        -sINITIAL_MEMORY=67108864 -sFORCE_FILESYSTEM=1 -lidbfs.js
                        -sENVIRONMENT=web -sEXIT_RUNTIME=0
                        --pre-js ${CMAKE_SOURCE_DIR}/src/platform/web/page.js)
    set_property(TARGET ${program} APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/web/page.js)
  endforeach()
endfunction()
