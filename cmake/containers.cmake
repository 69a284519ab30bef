# drums_container_file(TARGET OUTPUT MANIFEST): writes the bitmap-list
# container file OUTPUT from MANIFEST with the stycont tool (the manifest's
# format is described in tools/stycont/main.cpp) before TARGET is built, and
# again whenever the manifest or one of its bitmaps changes.
include_guard(GLOBAL)

function(drums_container_file target output manifest)
  get_filename_component(manifest "${manifest}" ABSOLUTE)
  get_filename_component(output "${output}" ABSOLUTE)
  get_filename_component(name "${output}" NAME)
  string(MAKE_C_IDENTIFIER "${name}" id)
  set(dep "${CMAKE_CURRENT_BINARY_DIR}/container_${target}_${id}.d")
  get_filename_component(dir "${output}" DIRECTORY)
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${dir}"
    # The tool draws nothing: the headless host keeps it off the desktop.
    COMMAND ${CMAKE_COMMAND} -E env DRUMS_HOST=headless $<TARGET_FILE:stycont> --out "${output}" --depfile "${dep}" "${manifest}"
    DEPENDS stycont "${manifest}"
    DEPFILE "${dep}"
    COMMENT "Writing the container file ${name}"
    VERBATIM)
  add_custom_target(${target}_container_${id} DEPENDS "${output}")
  add_dependencies(${target} ${target}_container_${id})
endfunction()
