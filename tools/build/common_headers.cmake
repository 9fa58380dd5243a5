# The standard headers most of the game's files read, precompiled once per
# target: a file of the game spends most of its compile time in them. Only the
# builds made whole in one go use them (the web page, the sanitized build);
# the desktop build, rebuilt file by file as the game is worked on, does
# without, so that a file missing one of its includes still fails there.
# GoogleTest's test files gain almost nothing from it, being mostly their own
# code, and nlohmann/json in it made these builds slower.
set(MINAMORI_COMMON_HEADERS <algorithm> <array> <cstdint> <filesystem> <functional> <memory>
  <optional> <string> <string_view> <vector>)

function(minamori_precompile_common_headers)
  foreach(target ${ARGN})
    target_precompile_headers(${target} PRIVATE ${MINAMORI_COMMON_HEADERS})
  endforeach()
endfunction()
