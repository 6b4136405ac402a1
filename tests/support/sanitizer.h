#pragma once

// LUMETRA_ASAN is defined in the AddressSanitizer builds (gcc and clang).
#if defined(__SANITIZE_ADDRESS__)
#define LUMETRA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LUMETRA_ASAN 1
#endif
#endif
