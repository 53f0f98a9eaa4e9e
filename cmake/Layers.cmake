# Include roots per side of the interface. Sources include each other by folder ("plugin/...",
# "host/core/..."); each side's root holds links to its own folders only, so the compiler
# refuses a host file that includes module code, and the reverse. Both sides see sdk/.
set(ZARVEL_MODULE_FOLDERS plugin panel commands text base)
set(ZARVEL_HOST_FOLDERS host)

function(zarvel_include_root name)  # folders...
  set(root ${CMAKE_BINARY_DIR}/include-roots/${name})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root})
  foreach(folder IN LISTS ARGN)
    if(EXISTS ${CMAKE_SOURCE_DIR}/${folder})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
  endforeach()
  add_library(zarvel_${name}_includes INTERFACE)
  target_include_directories(zarvel_${name}_includes INTERFACE ${root})
  target_link_libraries(zarvel_${name}_includes INTERFACE zarvel_sdk)
endfunction()

zarvel_include_root(module ${ZARVEL_MODULE_FOLDERS})
zarvel_include_root(host ${ZARVEL_HOST_FOLDERS})
