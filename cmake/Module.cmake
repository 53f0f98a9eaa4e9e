# The module: every source of base/, plugin/, text/, commands/ and panel/, built once as the
# shared module Zarvel.aip and once more for in-process tests, where Trace feeds a sink.
file(GLOB ZARVEL_MODULE_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/base/*.cpp ${CMAKE_SOURCE_DIR}/plugin/*.cpp ${CMAKE_SOURCE_DIR}/text/*.cpp
     ${CMAKE_SOURCE_DIR}/commands/*.cpp ${CMAKE_SOURCE_DIR}/panel/*.cpp)

function(zarvel_module_objects name)
  add_library(${name} OBJECT ${ZARVEL_MODULE_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/sdk)
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden
                                           VISIBILITY_INLINES_HIDDEN ON)
  target_compile_definitions(${name} PUBLIC ${ARGN})
endfunction()

zarvel_module_objects(zarvel_module_objects)
zarvel_module_objects(zarvel_module_traced ZARVEL_TRACE_SINK=1)

add_library(ZarvelModule SHARED $<TARGET_OBJECTS:zarvel_module_objects>)
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
