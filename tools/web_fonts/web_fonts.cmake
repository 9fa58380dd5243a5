# The browser build's fonts, made from the installed IPA fonts (Debian's
# fonts-ipafont-gothic) into MINAMORI_WEB_FONTS_DIR by the target
# minamori-web-fonts; MINAMORI_WEB_FONT_FILES lists what to ship:
#   minamori-pgothic.ttf, minamori-gothic.ttf  the two faces, cut down to the
#       characters the game can show, without hinting (the browser's engine
#       does not hint) and renamed, as the IPA Font License requires of a
#       derived font
#   glyph-reach.txt  how far the desktop's hinted glyphs reach out of the line
#       (src/platform/web/glyph_reach.h)
#   IPA_Font_License_Agreement_v1.0.txt, README.txt  the licence, and how to
#       put the original fonts back
# The glyph reach is measured with SDL_ttf by minamori-glyph-reach, so the
# desktop build makes these files and the web build (make web) packs them.
set(MINAMORI_WEB_FONTS_DIR ${CMAKE_BINARY_DIR}/web-fonts)
set(web_fonts_work ${CMAKE_BINARY_DIR}/web-fonts-work)
# The characters the fonts are cut to, one UTF-8 text, for the tests.
set(MINAMORI_WEB_FONT_CHARACTERS ${web_fonts_work}/characters.txt)
set(web_fonts_tools ${CMAKE_CURRENT_LIST_DIR})

find_program(MINAMORI_PYFTSUBSET pyftsubset NO_CMAKE_FIND_ROOT_PATH REQUIRED)
# The system's python3 first: fontTools comes with Debian's, not with others.
find_program(MINAMORI_FONT_PYTHON python3 HINTS /usr/bin NO_CMAKE_FIND_ROOT_PATH REQUIRED)
execute_process(COMMAND ${MINAMORI_FONT_PYTHON} -c "import fontTools"
  RESULT_VARIABLE web_fonts_no_fonttools OUTPUT_QUIET ERROR_QUIET)
if(web_fonts_no_fonttools)
  message(FATAL_ERROR "${MINAMORI_FONT_PYTHON} cannot import fontTools: install Debian's "
    "fonttools (tools/install-deps.sh does)")
endif()
set(web_fonts_ipa /usr/share/fonts/opentype/ipafont-gothic)
find_file(MINAMORI_IPA_PGOTHIC ipagp.ttf PATHS ${web_fonts_ipa} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_file(MINAMORI_IPA_GOTHIC ipag.ttf PATHS ${web_fonts_ipa} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(MINAMORI_IPA_COPYRIGHT /usr/share/doc/fonts-ipafont-gothic/copyright)

# Every character of the game's sources, and those it composes at run time.
# Rewritten only when the set changes, so the fonts are made anew only then.
set(web_fonts_chars ${MINAMORI_WEB_FONT_CHARACTERS})
file(GLOB_RECURSE web_fonts_sources CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h)
add_custom_command(
  OUTPUT ${web_fonts_chars}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${web_fonts_work}
  COMMAND ${MINAMORI_FONT_PYTHON} ${web_fonts_tools}/collect_chars.py ${web_fonts_chars}
    ${CMAKE_SOURCE_DIR}/src
  DEPENDS ${web_fonts_tools}/collect_chars.py ${web_fonts_sources}
  COMMENT "Collecting the characters the game shows"
  VERBATIM)

# One face: the subset, then its own name.
function(minamori_web_font source output family source_family)
  set(subset ${web_fonts_work}/${output})
  add_custom_command(
    OUTPUT ${MINAMORI_WEB_FONTS_DIR}/${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MINAMORI_WEB_FONTS_DIR}
    COMMAND ${MINAMORI_PYFTSUBSET} ${source} --text-file=${web_fonts_chars}
      --output-file=${subset} --no-hinting --notdef-outline --recalc-bounds
      --layout-features= --drop-tables+=GSUB,GPOS,GDEF,vhea,vmtx,gasp
    COMMAND ${MINAMORI_FONT_PYTHON} ${web_fonts_tools}/rename_font.py ${subset}
      ${MINAMORI_WEB_FONTS_DIR}/${output} ${family} ${source_family}
    DEPENDS ${source} ${web_fonts_chars} ${web_fonts_tools}/rename_font.py
    COMMENT "Cutting ${source_family} down to the game's characters"
    VERBATIM)
endfunction()
minamori_web_font(${MINAMORI_IPA_PGOTHIC} minamori-pgothic.ttf "Minamori PGothic" IPAPGothic)
minamori_web_font(${MINAMORI_IPA_GOTHIC} minamori-gothic.ttf "Minamori Gothic" IPAGothic)

add_executable(minamori-glyph-reach ${web_fonts_tools}/glyph_reach_main.cpp)
target_link_libraries(minamori-glyph-reach PRIVATE minamori_fonts minamori_stb_fonts)
set(web_fonts_reach_tool minamori-glyph-reach)
add_custom_command(
  OUTPUT ${MINAMORI_WEB_FONTS_DIR}/glyph-reach.txt
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MINAMORI_WEB_FONTS_DIR}
  COMMAND ${web_fonts_reach_tool} ${web_fonts_chars} ${MINAMORI_IPA_PGOTHIC}
    ${MINAMORI_IPA_GOTHIC} ${MINAMORI_WEB_FONTS_DIR}/glyph-reach.txt
  DEPENDS ${web_fonts_reach_tool} ${web_fonts_chars}
  COMMENT "Measuring how far the hinted glyphs reach out of the line"
  VERBATIM)

add_custom_command(
  OUTPUT ${MINAMORI_WEB_FONTS_DIR}/IPA_Font_License_Agreement_v1.0.txt
    ${MINAMORI_WEB_FONTS_DIR}/README.txt
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MINAMORI_WEB_FONTS_DIR}
  COMMAND ${MINAMORI_FONT_PYTHON} ${web_fonts_tools}/extract_licence.py ${MINAMORI_IPA_COPYRIGHT}
    ${MINAMORI_WEB_FONTS_DIR}/IPA_Font_License_Agreement_v1.0.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${web_fonts_tools}/README.web-fonts.txt
    ${MINAMORI_WEB_FONTS_DIR}/README.txt
  DEPENDS ${MINAMORI_IPA_COPYRIGHT} ${web_fonts_tools}/extract_licence.py
    ${web_fonts_tools}/README.web-fonts.txt
  COMMENT "Writing the IPA fonts' licence beside them"
  VERBATIM)

set(MINAMORI_WEB_FONT_FILES
  ${MINAMORI_WEB_FONTS_DIR}/minamori-pgothic.ttf
  ${MINAMORI_WEB_FONTS_DIR}/minamori-gothic.ttf
  ${MINAMORI_WEB_FONTS_DIR}/glyph-reach.txt
  ${MINAMORI_WEB_FONTS_DIR}/IPA_Font_License_Agreement_v1.0.txt
  ${MINAMORI_WEB_FONTS_DIR}/README.txt)
add_custom_target(minamori-web-fonts ALL DEPENDS ${MINAMORI_WEB_FONT_FILES})
