#pragma once
// Whether this test program is built with AddressSanitizer, which brings an allocator of its own,
// shadow memory and quarantined blocks: memory figures and allocator settings mean other things.

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool SanitizedBuild = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool SanitizedBuild = true;
#else
inline constexpr bool SanitizedBuild = false;
#endif
#else
inline constexpr bool SanitizedBuild = false;
#endif
