include_guard(GLOBAL)
# drums_embed_resources(TARGET MODULE MANIFEST): embeds the resources the
# manifest lists into TARGET and gives it the function RegisterResources_<MODULE>(),
# which the program calls at start-up. An executable's resources are the
# program's own (a NULL module finds them); a library's are found through the
# module handle of MODULE (e.g. "shell32"). A library whose resources belong
# to the program that links it (as a component library's cursors do) passes
# MAIN as a fourth argument: they join the program's own.
#
# The call may come from another folder than the one that made TARGET: the
# generating step then hangs on a custom target of the calling folder.
function(drums_embed_resources target module manifest)
  get_filename_component(manifest "${manifest}" ABSOLUTE)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/resources_${target}_${module}.cpp")
  set(dep "${CMAKE_CURRENT_BINARY_DIR}/resources_${target}_${module}.d")
  get_target_property(type ${target} TYPE)
  set(main_flag)
  if(type STREQUAL "EXECUTABLE" OR "${ARGV3}" STREQUAL "MAIN")
    set(main_flag --main)
  endif()
  add_custom_command(
    OUTPUT "${out}"
    COMMAND resembed --module ${module} ${main_flag} --out "${out}" --depfile "${dep}" "${manifest}"
    DEPENDS resembed "${manifest}"
    DEPFILE "${dep}"
    COMMENT "Embedding the resources of ${module}"
    VERBATIM)
  add_custom_target(${target}_resources_${module} DEPENDS "${out}")
  # Each embedded file has its own data names: never merged with another
  # into one unity source.
  set_source_files_properties("${out}" TARGET_DIRECTORY ${target} PROPERTIES GENERATED TRUE SKIP_UNITY_BUILD_INCLUSION TRUE)
  target_sources(${target} PRIVATE "${out}")
  add_dependencies(${target} ${target}_resources_${module})
endfunction()
