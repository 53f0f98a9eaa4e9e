# The module's resources are compiled by a real resource compiler into a standard .res image.
find_program(ZARVEL_WINDRES NAMES i686-w64-mingw32-windres windres REQUIRED)
