# Layers that the build enforces. Each library and program gets an include root of its own that holds links to
# exactly the source folders it may use: its own and those of the layers below it. Including a header of a
# higher layer (or of a sibling window library) then fails to compile, and using its code fails to link.
#
#   lm_include_root(<target> <folder> ...)   folders relative to src/, e.g. core link windows/link
function(lm_include_root target)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  if(WIN32)
    # No symbolic links without extra rights: the whole source tree, unenforced.
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src)
    return()
  endif()
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root})
  foreach(folder ${ARGN})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${root}/${folder})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} PRIVATE ${root})
endfunction()
