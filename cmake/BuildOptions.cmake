# The compiler settings of Zarvel's own targets: one interface target that every module, host,
# test and benchmark target links, so that libraries built from Debian's sources (GoogleTest in
# the cross build) keep their own settings.
option(ZARVEL_WERROR "Treat compiler warnings as errors (the presets, and so CI, turn it on)" OFF)
option(ZARVEL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(zarvel_build_options INTERFACE)
target_compile_options(zarvel_build_options INTERFACE -Wall -Wextra
                                                      $<$<BOOL:${ZARVEL_WERROR}>:-Werror>)
if(ZARVEL_SANITIZE)
  target_compile_options(zarvel_build_options INTERFACE -fsanitize=address,undefined
                                                        -fno-omit-frame-pointer
                                                        -fno-sanitize-recover=undefined)
  target_link_options(zarvel_build_options INTERFACE -fsanitize=address,undefined)
endif()
