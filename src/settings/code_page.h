#pragma once
// The single-byte Cyrillic code page windows-1251 the settings file is stored in. Its upper half
// is a table of our own: a start does not load a whole converter library's data for one file.

#include <QByteArray>
#include <QString>

namespace huebit {

/// One character per byte; 0x98, which the code page leaves unused, reads as U+0098.
QString DecodeCodePage(const char* bytes, qsizetype size);
inline QString DecodeCodePage(const QByteArray& bytes) {
    return DecodeCodePage(bytes.constData(), bytes.size());
}

/// One byte per character. A character the code page lacks (✓, 日本, an emoji) is written as
/// "?", which reads back as itself, where a converter would write the control byte 0x1A.
QByteArray EncodeCodePage(const QString& text);

/// Whether every character of `text` survives EncodeCodePage unchanged.
bool FitsCodePage(const QString& text);

} // namespace huebit
