# fw_palette_glyphs(TARGET): builds the palette's glyph bitmaps from
# app/glyphs/make_glyphs.py into the build tree and links them into TARGET as
# bitmap resources ("TBUTTON", ..., "TCOMPONENT", "ARROWBUTTON", "DSNSWITCH",
# "BUILD"), which the palette loads when it assembles itself.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(FW_GLYPH_SCRIPT ${CMAKE_SOURCE_DIR}/app/glyphs/make_glyphs.py)

function(fw_palette_glyphs target)
  set(_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_glyphs)
  set(_rc ${_dir}/glyphs.rc)
  add_custom_command(OUTPUT ${_rc}
                     COMMAND Python3::Interpreter ${FW_GLYPH_SCRIPT} ${_dir}
                     DEPENDS ${FW_GLYPH_SCRIPT}
                     COMMENT "Drawing the palette glyphs for ${target}")
  target_sources(${target} PRIVATE ${_rc})
endfunction()
