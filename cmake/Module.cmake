# The module: every source of its folders, compiled once. The trace facility is the one file
# built twice: the shipped module discards its texts, the library the tests and benchmarks link
# hands them to a sink.
set(globs)
foreach(folder IN LISTS ZARVEL_MODULE_FOLDERS)
  list(APPEND globs ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
endforeach()
file(GLOB ZARVEL_MODULE_SOURCES CONFIGURE_DEPENDS ${globs})
set(ZARVEL_TRACE_SOURCES ${ZARVEL_MODULE_SOURCES})
list(FILTER ZARVEL_TRACE_SOURCES INCLUDE REGEX "/Trace\\.cpp$")
list(FILTER ZARVEL_MODULE_SOURCES EXCLUDE REGEX "/Trace\\.cpp$")

# Position-independent, as a shared object's code must be. Only the module's code is made so
# here: the host's, the tests' and the benchmarks' go into programs only, and are compiled as
# the compiler compiles a program's (on Debian, as a position-independent program, which reaches
# its own globals directly, not through the table of a shared object's).
add_library(zarvel_module_objects OBJECT ${ZARVEL_MODULE_SOURCES})
target_link_libraries(zarvel_module_objects PUBLIC zarvel_module_includes zarvel_build_options)
set_target_properties(zarvel_module_objects PROPERTIES CXX_VISIBILITY_PRESET hidden
                                                       VISIBILITY_INLINES_HIDDEN ON
                                                       POSITION_INDEPENDENT_CODE ON)

# The module as the tests and benchmarks link it in: the same objects, and a trace with a sink.
add_library(zarvel_trace_sink OBJECT ${ZARVEL_TRACE_SOURCES})
target_link_libraries(zarvel_trace_sink PRIVATE zarvel_module_includes zarvel_build_options)
target_compile_definitions(zarvel_trace_sink PRIVATE ZARVEL_TRACE_SINK=1)
add_library(zarvel_module_traced INTERFACE)
target_sources(zarvel_module_traced INTERFACE $<TARGET_OBJECTS:zarvel_module_objects>
                                              $<TARGET_OBJECTS:zarvel_trace_sink>)
target_link_libraries(zarvel_module_traced INTERFACE zarvel_module_includes)

add_library(ZarvelModule SHARED $<TARGET_OBJECTS:zarvel_module_objects> ${ZARVEL_TRACE_SOURCES})
target_link_libraries(ZarvelModule PRIVATE zarvel_module_includes zarvel_build_options)
set_target_properties(ZarvelModule PROPERTIES OUTPUT_NAME Zarvel PREFIX "" SUFFIX ".aip")
add_dependencies(ZarvelModule zarvel_resources)
if(WIN32)
  enable_language(RC)
  set(CMAKE_RC_FLAGS "-c 1252 -I ${CMAKE_SOURCE_DIR}/resources")
  target_sources(ZarvelModule PRIVATE ${CMAKE_SOURCE_DIR}/resources/Zarvel.rc
                                      ${CMAKE_SOURCE_DIR}/plugin/Zarvel.def)
  target_link_options(ZarvelModule PRIVATE -static -static-libgcc -static-libstdc++)
else()
  # PluginMain is the one exported symbol; the compiled resources ride in section .rsrc.
  target_link_options(ZarvelModule PRIVATE
                      -Wl,--version-script=${CMAKE_SOURCE_DIR}/plugin/Zarvel.map -Wl,-z,defs)
  set_property(TARGET ZarvelModule APPEND PROPERTY LINK_DEPENDS
                                                   ${CMAKE_SOURCE_DIR}/plugin/Zarvel.map
                                                   ${ZARVEL_RES_FILE})
  add_custom_command(
    TARGET ZarvelModule POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --remove-section=.rsrc --add-section .rsrc=${ZARVEL_RES_FILE}
            --set-section-flags .rsrc=noload,readonly $<TARGET_FILE:ZarvelModule>
    VERBATIM)
endif()
