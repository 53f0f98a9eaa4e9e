/* Types shared by the module and its host: result codes, booleans, opaque handles and the
 * calling convention of every function that crosses the interface. */
#ifndef ZARVEL_SDK_HOST_TYPES_H
#define ZARVEL_SDK_HOST_TYPES_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32) && defined(__i386__)
#define ZV_API __cdecl
#else
#define ZV_API
#endif

/* A rare way kept out of line, so that the common way around it saves no registers for it. */
#if defined(_MSC_VER)
#define ZV_COLD __declspec(noinline)
#else
#define ZV_COLD __attribute__((noinline, cold))
#endif

#ifdef __cplusplus
#define ZV_EXTERN_C extern "C"
#else
#define ZV_EXTERN_C
#endif

/* A host error code: 0 is success; otherwise a small number or a four-character code. */
typedef int32_t HostErr;
/* A boolean at the interface: one byte, 0 is false and anything else true. */
typedef uint8_t HostBool;

/* Packs four characters into a code, the first character most significant. */
#define ZV_FOUR_CHAR(a, b, c, d)                                               \
  ((HostErr)(((uint32_t)(uint8_t)(a) << 24) | ((uint32_t)(uint8_t)(b) << 16) | \
             ((uint32_t)(uint8_t)(c) << 8) | (uint32_t)(uint8_t)(d)))

enum {
  kHostNoErr = 0,
  /* The suite asked for is not offered in that version. */
  kHostSuiteNotFoundErr = ZV_FOUR_CHAR('S', '!', 'F', 'd'),
  /* A bad argument: a null or dead handle, an index out of range. */
  kHostBadParameterErr = ZV_FOUR_CHAR('P', 'A', 'R', 'M'),
  /* Not enough memory for the request. */
  kHostOutOfMemoryErr = -108,
  /* The operation needs an open document and none is open. */
  kHostNoDocumentErr = ZV_FOUR_CHAR('D', 'O', 'C', '?'),
  /* The user cancelled; never reported. */
  kHostCancelErr = ZV_FOUR_CHAR('S', 'T', 'O', 'P')
};

/* The host's reference to a loaded plug-in. */
typedef struct HostPlugin_Opaque *HostPluginRef;
/* A host text in Unicode, made and released through the AI Unicode String Suite. */
typedef struct HostUnicodeString_Opaque *HostUnicodeStringRef;
/* Art objects of a document; not reference-counted, valid while the document is unchanged. */
typedef struct AIArt_Opaque *AIArtHandle;
/* A list of art objects; whoever makes one disposes of it. */
typedef struct AIArtSet_Opaque *AIArtSet;
/* Menu items and menu groups of the host. */
typedef struct AIMenuItem_Opaque *AIMenuItemHandle;
typedef struct AIMenuGroup_Opaque *AIMenuGroup;
/* A notifier registration. */
typedef struct AINotifier_Opaque *AINotifierHandle;

typedef struct HostPoint {
  int32_t h;
  int32_t v;
} HostPoint;

typedef struct HostRect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
} HostRect;

#endif
