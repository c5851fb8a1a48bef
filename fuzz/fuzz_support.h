#pragma once
// What every fuzz target shares: the entry point's signature, a check that stops the run with a
// reason when a reader breaks its rules, and the split of raw bytes into text lines.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace huebit::fuzz {

/// Stops the run (libFuzzer then saves the input as a reproducer) when `ok` is false.
inline void Check(bool ok, const char* rule) {
    if (ok) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", rule);
    std::abort();
}

/// The input as UTF-8 text; bytes that are not UTF-8 become replacement characters, as they
/// would in a field the user pastes into.
inline QString Text(const std::uint8_t* data, std::size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

/// The input as lines split at LF only, so that CR and every other character reach the reader.
inline QStringList Lines(const std::uint8_t* data, std::size_t size) {
    return Text(data, size).split(QLatin1Char('\n'));
}

} // namespace huebit::fuzz
