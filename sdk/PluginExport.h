/* Marks the module's entry point as the one function it exports. */
#ifndef ZARVEL_SDK_PLUGIN_EXPORT_H
#define ZARVEL_SDK_PLUGIN_EXPORT_H

#if defined(_WIN32)
#define ZV_PLUGIN_EXPORT __declspec(dllexport)
#else
#define ZV_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

#endif
