// What a fuzz target uses to report a broken property: the engine (and the
// replay driver, through the abort) treats it as a crash and keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>

#define MIVREL_FUZZ_CHECK(condition)                                                   \
  do {                                                                                 \
    if (!(condition)) {                                                                \
      std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                    \
    }                                                                                  \
  } while (false)
