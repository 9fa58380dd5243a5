# The game as a web page, built by Emscripten into build-web/ (make web):
# index.html, index.js, index.wasm and index.data, the packed content. The same
# game library as the desktop's, with the picture codecs on stb (libjpeg and
# libpng are not there), the headless driver for window.minamori.run, and the
# page's platform layer beside the SDL one.
set(MINAMORI_NATIVE_BUILD "" CACHE PATH "The desktop build whose generated cg/ and dat/ the page packs")
if(NOT IS_DIRECTORY "${MINAMORI_NATIVE_BUILD}/cg" OR NOT IS_DIRECTORY "${MINAMORI_NATIVE_BUILD}/dat")
  message(FATAL_ERROR "MINAMORI_NATIVE_BUILD must name a desktop build that has made its content (make web does)")
endif()
set(web_dir ${CMAKE_CURRENT_LIST_DIR})

# The CP932 tables come from the host's iconv, so their generator is built by
# the host's compiler: what em++ makes does not run here.
find_program(MINAMORI_HOST_CXX NAMES g++ c++ REQUIRED)
set(MINAMORI_CP932_TABLE ${CMAKE_BINARY_DIR}/generated/cp932_table.cpp)
set(table_tool ${CMAKE_BINARY_DIR}/host/minamori-cp932-table)
add_custom_command(
  OUTPUT ${table_tool}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
  COMMAND ${MINAMORI_HOST_CXX} -std=c++20 -O1 -I${CMAKE_SOURCE_DIR}/src
    ${CMAKE_SOURCE_DIR}/tools/cp932_table/cp932_table.cpp -o ${table_tool}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/cp932_table/cp932_table.cpp ${CMAKE_SOURCE_DIR}/src/core/cp932_table.h
  COMMENT "Building the CP932 table generator for the host"
  VERBATIM)
add_custom_command(
  OUTPUT ${MINAMORI_CP932_TABLE}
  COMMAND ${table_tool} ${MINAMORI_CP932_TABLE}
  DEPENDS ${table_tool}
  COMMENT "Asking iconv for the CP932 tables"
  VERBATIM)

# Header-only libraries from their Debian packages: only their own folders,
# since the Emscripten sysroot must not see the rest of /usr/include.
set(system_headers ${CMAKE_BINARY_DIR}/system-include)
file(MAKE_DIRECTORY ${system_headers})
file(CREATE_LINK /usr/include/nlohmann ${system_headers}/nlohmann SYMBOLIC)

file(GLOB_RECURSE game_sources CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/core/*.cpp ${CMAKE_SOURCE_DIR}/src/script/*.cpp
  ${CMAKE_SOURCE_DIR}/src/game/*.cpp ${CMAKE_SOURCE_DIR}/src/menus/*.cpp
  ${CMAKE_SOURCE_DIR}/src/actions/*.cpp ${CMAKE_SOURCE_DIR}/src/battle/*.cpp
  ${CMAKE_SOURCE_DIR}/src/view/*.cpp ${CMAKE_SOURCE_DIR}/src/audio/*.cpp)
list(FILTER game_sources EXCLUDE REGEX "src/view/(jpeg|png_file)\\.cpp$")
add_library(minamori_game STATIC ${game_sources} ${MINAMORI_CP932_TABLE})
target_include_directories(minamori_game PUBLIC ${CMAKE_SOURCE_DIR}/src)

set(driver_sources ${CMAKE_SOURCE_DIR}/tools/headless/driver.cpp
  ${CMAKE_SOURCE_DIR}/tools/headless/fields.cpp ${CMAKE_SOURCE_DIR}/tools/headless/state_hash.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/gamepad_keys.cpp)
include(${web_dir}/stb_fonts.cmake)
set(web_sources)
foreach(part web_app web_audio web_dialogs web_page web_pictures web_storage dom_keys
    touch_gestures audio_levels)
  list(APPEND web_sources ${web_dir}/${part}.cpp)
endforeach()
add_executable(index ${web_sources} ${driver_sources})
target_include_directories(index PRIVATE ${CMAKE_SOURCE_DIR}/tools/headless)
target_include_directories(index SYSTEM PRIVATE /usr/include/stb ${system_headers})
target_link_libraries(index PRIVATE minamori_game minamori_stb_fonts)
# Built whole every time: the common headers once per target, not per file.
include(${CMAKE_SOURCE_DIR}/tools/build/common_headers.cmake)
minamori_precompile_common_headers(minamori_game minamori_stb_fonts index)

# What the page packs: the pictures and sounds, the music as recordings, and
# the fonts the desktop build cut down (tools/web_fonts: their glyph table is
# measured with SDL_ttf, which only the desktop build has).
set(MINAMORI_WEB_FONTS_DIR ${MINAMORI_NATIVE_BUILD}/web-fonts)
set(web_content ${CMAKE_BINARY_DIR}/content)
set(content_stamp ${CMAKE_BINARY_DIR}/content.stamp)
# A host file: the cross build's find_file would look under Emscripten's sysroot.
set(MINAMORI_SOUNDFONT /usr/share/sounds/sf2/TimGM6mb.sf2)
if(NOT EXISTS ${MINAMORI_SOUNDFONT})
  message(FATAL_ERROR "${MINAMORI_SOUNDFONT} is missing: install timgm6mb-soundfont")
endif()
add_custom_command(
  OUTPUT ${content_stamp}
  COMMAND bash ${web_dir}/pack_content.sh ${MINAMORI_NATIVE_BUILD} ${web_content}
    ${MINAMORI_SOUNDFONT} ${MINAMORI_WEB_FONTS_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${content_stamp}
  DEPENDS ${web_dir}/pack_content.sh ${MINAMORI_NATIVE_BUILD}/content.stamp
    ${MINAMORI_WEB_FONTS_DIR}/minamori-pgothic.ttf ${MINAMORI_WEB_FONTS_DIR}/minamori-gothic.ttf
    ${MINAMORI_WEB_FONTS_DIR}/glyph-reach.txt
  COMMENT "Gathering the page's content and recording its music"
  VERBATIM)
add_custom_target(minamori-web-content DEPENDS ${content_stamp})
add_dependencies(index minamori-web-content)

set_target_properties(index PROPERTIES SUFFIX .html
  LINK_DEPENDS "${web_dir}/page.js;${web_dir}/shell.html;${content_stamp}")
target_link_options(index PRIVATE
  -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web -sMINIFY_HTML=0 -sFORCE_FILESYSTEM=1 -lidbfs.js
  "-sEXPORTED_RUNTIME_METHODS=['ccall']"
  --pre-js ${web_dir}/page.js --shell-file ${web_dir}/shell.html
  --preload-file ${web_content}@/content)
# The fonts' licence, linked from the page.
add_custom_command(TARGET index POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy ${web_content}/fonts/IPA_Font_License_Agreement_v1.0.txt
    ${web_content}/fonts/README.txt ${CMAKE_BINARY_DIR}/
  VERBATIM)
# The desktop build's screenshots, where the software centre's metadata looks
# for them: beside the published page.
add_custom_target(minamori-web-screenshots ALL
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${MINAMORI_NATIVE_BUILD}/screenshots
    ${CMAKE_BINARY_DIR}/screenshots
  VERBATIM)
