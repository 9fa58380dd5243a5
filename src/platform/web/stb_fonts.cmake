# The browser's text engine: TrueType fonts read and drawn with stb_truetype,
# measured as the desktop's SDL_ttf measures (stb_fonts.h). Nothing of SDL,
# FreeType or fontconfig: em++ builds it as the native compiler does, and the
# native build has it for the tests. stb's folder alone is searched, never
# /usr/include, whose C library headers would shadow the target's.
find_path(MINAMORI_STB_INCLUDE_DIR stb_truetype.h PATHS /usr/include/stb
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(MINAMORI_STB_FONTS_SOURCES)
foreach(part stb_fonts stb_face stb_truetype truetype_tables char_map glyph_check font_scale
    text_layout text_codes glyph_reach)
  list(APPEND MINAMORI_STB_FONTS_SOURCES ${CMAKE_CURRENT_LIST_DIR}/${part}.cpp)
endforeach()
add_library(minamori_stb_fonts STATIC ${MINAMORI_STB_FONTS_SOURCES})
target_include_directories(minamori_stb_fonts PUBLIC ${CMAKE_CURRENT_LIST_DIR}/../..)
# As a system folder: stb's own code is not held to our warnings.
target_include_directories(minamori_stb_fonts SYSTEM PRIVATE ${MINAMORI_STB_INCLUDE_DIR})
target_link_libraries(minamori_stb_fonts PUBLIC minamori_game)
