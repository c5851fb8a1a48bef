#include "settings/settings_buffer.h"

#include "settings/code_page.h"

#include <QIODevice>

namespace huebit {

namespace {

// Splits bytes into lines as they arrive. The code page has one byte per character and keeps
// CR and LF as themselves, so lines are cut on bytes and only their kept part is decoded.
class LineSplitter {
public:
    explicit LineSplitter(int maxLines) : m_maxLines(maxLines) {}
    void feed(const char* data, qsizetype size) {
        for (qsizetype i = 0; i < size && !full(); ++i) {
            const char c = data[i];
            if (m_afterCr) {
                m_afterCr = false;
                if (c == '\n') continue; // the LF of a CR LF pair
            }
            if (c == '\r' || c == '\n') {
                endLine();
                m_afterCr = c == '\r';
            } else {
                if (m_current.size() < SettingsMaxLineLength) m_current.append(c);
                m_inLine = true;
            }
        }
    }
    QStringList finish() {
        if (m_inLine && !full()) endLine(); // a last line without an ending counts
        return std::move(m_lines);
    }
    bool full() const { return m_lines.size() >= m_maxLines; }

private:
    void endLine() {
        m_lines.append(DecodeCodePage(m_current));
        m_current.clear();
        m_inLine = false;
    }

    int m_maxLines;
    QStringList m_lines;
    QByteArray m_current;
    bool m_inLine = false;
    bool m_afterCr = false;
};

} // namespace

SettingsBuffer SettingsBuffer::FromBytes(const QByteArray& bytes, int maxLines) {
    LineSplitter splitter(maxLines);
    splitter.feed(bytes.constData(), bytes.size());
    return SettingsBuffer(splitter.finish());
}

SettingsBuffer SettingsBuffer::Read(QIODevice& device, qint64 maxBytes, int maxLines) {
    LineSplitter splitter(maxLines);
    char chunk[64 * 1024];
    qint64 total = 0;
    while (!splitter.full() && (maxBytes < 0 || total < maxBytes)) {
        const qint64 room = maxBytes < 0 ? qint64(sizeof chunk) : maxBytes - total;
        const qint64 n = device.read(chunk, qMin<qint64>(sizeof chunk, room));
        if (n <= 0) break;
        splitter.feed(chunk, n);
        total += n;
    }
    return SettingsBuffer(splitter.finish());
}

QByteArray SettingsBuffer::toBytes() const {
    QByteArray out;
    out.reserve(4096);
    for (int i = 0; i < SettingsLineCount; ++i) {
        QString text = line(i);
        text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        out.append(EncodeCodePage(text));
        out.append("\r\n");
    }
    return out;
}

} // namespace huebit
