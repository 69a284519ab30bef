# drums_compile_forms(TARGET MODULE FORM_FILES...): compiles the text form
# files with formc and embeds each as RT_RCDATA named by its root's class in
# capitals, through drums_embed_resources. TARGET then has the function
# RegisterResources_<MODULE>(), which the program calls at start-up; give the
# forms a module name of their own (e.g. "mallowen_forms") when the target
# embeds other resources too.
include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/resources.cmake)

function(drums_compile_forms target module)
  set(forms)
  foreach(form IN LISTS ARGN)
    get_filename_component(form "${form}" ABSOLUTE)
    list(APPEND forms "${form}")
  endforeach()
  set(dir "${CMAKE_CURRENT_BINARY_DIR}/forms_${target}_${module}")
  set(manifest "${dir}/manifest.txt")
  file(MAKE_DIRECTORY "${dir}")
  set(outputs "${manifest}")
  foreach(form IN LISTS forms)
    get_filename_component(stem "${form}" NAME_WLE)
    list(APPEND outputs "${dir}/${stem}.bin")
  endforeach()
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND formc --out-dir "${dir}" --manifest "${manifest}" ${forms}
    DEPENDS formc ${forms}
    COMMENT "Compiling the forms of ${module}"
    VERBATIM)
  # A static library's forms belong to the program that links it.
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "STATIC_LIBRARY")
    drums_embed_resources(${target} ${module} "${manifest}" MAIN)
  else()
    drums_embed_resources(${target} ${module} "${manifest}")
  endif()
endfunction()
