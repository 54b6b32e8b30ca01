# A room is a folder of src/ built as a library of its own. Its headers are
# reached only through the room's include root: a folder in the build tree
# holding a link to the room's source folder under its path in src/. A file
# thus sees the headers of the rooms its library links and no others, and an
# include that runs against the order of the rooms fails to compile.
#
#   kestrany_room(TARGET FOLDER)   e.g. kestrany_room(kestrany_calc calc)
function(kestrany_room target folder)
  set(root ${CMAKE_BINARY_DIR}/rooms/${target})
  set(link ${root}/${folder})
  get_filename_component(parent ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${link})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${folder} ${link} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
