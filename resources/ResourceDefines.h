// The constants of the Windows resource headers that Zarvel.rc uses, with the values those
// headers give them. Defining them here means compiling the resources needs a resource
// compiler and a C preprocessor, but not the MinGW headers.
#ifndef ZARVEL_RESOURCE_DEFINES_H
#define ZARVEL_RESOURCE_DEFINES_H

#define LANG_ENGLISH 0x09
#define SUBLANG_ENGLISH_US 0x01

#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_CAPTION 0x00C00000L
#define WS_SYSMENU 0x00080000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define SS_BLACKFRAME 0x00000007L

#define VS_FFI_FILEFLAGSMASK 0x0000003FL
#define VOS__WINDOWS32 0x00000004L
#define VFT_DLL 0x00000002L
#define VFT2_UNKNOWN 0x00000000L

#endif
