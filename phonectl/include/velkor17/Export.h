#pragma once

#if defined(VELKOR17_BUILDING)
#define VELKOR17_EXPORT __attribute__((visibility("default")))
#else
#define VELKOR17_EXPORT
#endif
