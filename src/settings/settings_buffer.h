#pragma once
// The settings file as a list of lines. The file is positional: a line's index is its meaning.
// It is stored in the single-byte Cyrillic code page windows-1251, so existing files written by
// earlier versions keep loading.

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

namespace huebit {

/// The number of lines the program writes, and the most it ever reads.
constexpr int SettingsLineCount = 194;
/// A line is read up to this many characters; the rest of it is skipped.
constexpr int SettingsMaxLineLength = 4096;

class SettingsBuffer {
public:
    SettingsBuffer() = default;
    explicit SettingsBuffer(QStringList lines) : m_lines(std::move(lines)) {}

    /// Line `index`; a line beyond the end reads as empty, so a short file behaves as if the
    /// missing lines were empty.
    QString line(int index) const {
        return index >= 0 && index < m_lines.size() ? m_lines[index] : QString();
    }
    const QStringList& lines() const { return m_lines; }
    int size() const { return int(m_lines.size()); }
    bool operator==(const SettingsBuffer&) const = default;

    /// Bytes to lines: CR LF, a lone CR or a lone LF ends a line, and a last line without an
    /// ending counts. Only the first `maxLines` lines are kept (the language file shares these
    /// line rules and has more lines).
    static SettingsBuffer FromBytes(const QByteArray& bytes, int maxLines = SettingsLineCount);
    /// Reads a device the same way, in chunks, and stops after `maxLines` lines, or after
    /// `maxBytes` when that is not negative (for a source that might never end). Only the kept
    /// part of each line is held, so a huge file costs time but never memory, and a line past
    /// any length still ends at its ending with the later lines read after it.
    static SettingsBuffer Read(QIODevice& device, qint64 maxBytes = -1,
                               int maxLines = SettingsLineCount);

    /// Exactly SettingsLineCount lines, each ended by CR LF; missing lines are written empty.
    /// A CR or LF inside a value would shift every later line, so it is written as a blank.
    QByteArray toBytes() const;

private:
    QStringList m_lines;
};

} // namespace huebit
