#pragma once
// QUELTA_API marks what a shared Quelta library exports. Everything else is built with hidden
// visibility and stays inside it, so that the library's internals are free to change.

#if defined(__GNUC__) || defined(__clang__)
#define QUELTA_API __attribute__((visibility("default")))
#else
#define QUELTA_API
#endif
