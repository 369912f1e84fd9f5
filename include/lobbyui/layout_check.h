/* What the record headers need to be read by a C compiler as well as a C++
   one: a compile-time check of a record's size and field offsets, and byte
   bit-fields. The records travel as bytes between the host, the server and
   the library, so every compiler that reads them must lay them out alike. */
#ifndef LOBBYUI_LAYOUT_CHECK_H
#define LOBBYUI_LAYOUT_CHECK_H

#include <stddef.h>

/* C99 has no static assertion; an array of negative size stops the build
   instead, and the same extern array may be declared any number of times. */
#if defined(__cplusplus)
#  define LOBBYUI_LAYOUT_CHECK(cond, what) static_assert(cond, what)
#elif defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
#  define LOBBYUI_LAYOUT_CHECK(cond, what) _Static_assert(cond, what)
#else
#  define LOBBYUI_LAYOUT_CHECK(cond, what) extern char lobbyui_layout_check[(cond) ? 1 : -1]
#endif

/* Bit-fields of a byte: Visual C++ and GCC with the Microsoft layout (every
   Windows target) keep them in one byte, which unsigned int would not. ISO C
   allows only int types there, so strict C modes of GCC and clang are told
   that this is on purpose. */
#if !defined(__cplusplus) && defined(__GNUC__)
#  define LOBBYUI_BYTE_BITS __extension__ unsigned char
#else
#  define LOBBYUI_BYTE_BITS unsigned char
#endif

#endif
