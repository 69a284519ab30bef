# The pictures and built-in skins, drawn at build time by tools/draw_skins.py:
# the "skins" folder goes into the program folder; the icons, the tips
# picture, the about boxes' JPEG pictures and the manifest of the main
# window's bitmap list ("resource2.txt": ident and picture, in item order)
# stay in DRUMS_PICTURES_DIR for the programs' resources to take.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(DRUMS_PICTURES_DIR "${CMAKE_BINARY_DIR}/data/pictures" CACHE INTERNAL "The pictures the build draws")
set(draw_script "${CMAKE_SOURCE_DIR}/tools/draw_skins.py")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${draw_script}")
execute_process(COMMAND ${Python3_EXECUTABLE} "${draw_script}" --list
  OUTPUT_VARIABLE drawn_list RESULT_VARIABLE drawn_result OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT drawn_result EQUAL 0)
  message(FATAL_ERROR "tools/draw_skins.py --list failed")
endif()
string(REPLACE "\n" ";" drawn_files "${drawn_list}")

set(drawn_outputs)
set(staged_outputs)
set(jpeg_outputs)
foreach(file IN LISTS drawn_files)
  list(APPEND drawn_outputs "${DRUMS_PICTURES_DIR}/${file}")
  if(file MATCHES "^skins/")
    list(APPEND staged_outputs "${DRUMS_PROGRAM_DIR}/${file}")
  elseif(file MATCHES "^about/(.*)\\.ppm$")
    list(APPEND jpeg_outputs "${DRUMS_PICTURES_DIR}/about/${CMAKE_MATCH_1}.jpg")
  endif()
endforeach()

add_custom_command(OUTPUT ${drawn_outputs}
  COMMAND ${Python3_EXECUTABLE} "${draw_script}" "${DRUMS_PICTURES_DIR}"
  DEPENDS "${draw_script}"
  COMMENT "Drawing the skins and pictures"
  VERBATIM)
add_custom_command(OUTPUT ${staged_outputs}
  COMMAND ${CMAKE_COMMAND} -E make_directory "${DRUMS_PROGRAM_DIR}/skins"
  COMMAND ${CMAKE_COMMAND} -E copy_directory "${DRUMS_PICTURES_DIR}/skins" "${DRUMS_PROGRAM_DIR}/skins"
  DEPENDS ${drawn_outputs}
  COMMENT "Staging the skins"
  VERBATIM)
foreach(jpeg IN LISTS jpeg_outputs)
  string(REGEX REPLACE "\\.jpg$" ".ppm" ppm "${jpeg}")
  add_custom_command(OUTPUT "${jpeg}"
    COMMAND jpegc "${ppm}" "${jpeg}"
    DEPENDS jpegc "${ppm}"
    VERBATIM)
endforeach()
add_custom_target(skin_pictures ALL DEPENDS ${staged_outputs} ${jpeg_outputs})

# The main window's bitmap list file, written from the drawn pictures by the
# container-file writer.
if(COMMAND drums_container_file AND TARGET stycont)
  drums_container_file(skin_pictures "${DRUMS_PROGRAM_DIR}/skins/resource2.bml" "${DRUMS_PICTURES_DIR}/resource2.txt")
endif()

# drums_embed_tips_picture(TARGET): the tips dialog's picture (bitmap 16816)
# joins TARGET's own resources, taken from where the build draws it.
function(drums_embed_tips_picture target)
  set(manifest "${CMAKE_CURRENT_BINARY_DIR}/${target}_tips_manifest.txt")
  file(WRITE "${manifest}.in" "# The tips dialog's picture, drawn by tools/draw_skins.py.\nBITMAP 16816 ${DRUMS_PICTURES_DIR}/icons/tips16816.bmp\n")
  configure_file("${manifest}.in" "${manifest}" COPYONLY)
  # A static library's picture belongs to the program that links it.
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "STATIC_LIBRARY")
    drums_embed_resources(${target} tips "${manifest}" MAIN)
  else()
    drums_embed_resources(${target} tips "${manifest}")
  endif()
  add_dependencies(${target}_resources_tips skin_pictures)
endfunction()
