#include "settings/settings_buffer.h"

#include <QIODevice>
#include <QStringEncoder>

namespace huebit {

namespace {

constexpr const char* CodePage = "windows-1251";

// The upper half of windows-1251 (0x98, which the code page leaves unused, reads as U+0098):
// read with this table, a start does not load a whole converter library's data for one file.
constexpr char16_t UpperHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

QString decode(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = b < 0x80 ? char16_t(b) : UpperHalf[b - 0x80];
    }
    return text;
}

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
        m_lines.append(decode(m_current));
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
    while (!splitter.full() && total < maxBytes) {
        const qint64 n = device.read(chunk, qMin<qint64>(sizeof chunk, maxBytes - total));
        if (n <= 0) break;
        splitter.feed(chunk, n);
        total += n;
    }
    return SettingsBuffer(splitter.finish());
}

QByteArray SettingsBuffer::toBytes() const {
    QStringEncoder encoder(CodePage);
    QByteArray out;
    out.reserve(4096);
    for (int i = 0; i < SettingsLineCount; ++i) {
        QString text = line(i);
        text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        out.append(encoder.encode(text));
        out.append("\r\n");
    }
    return out;
}

} // namespace huebit
