// The settings file from any bytes: its lines, the load walk applied onto a record (the state a
// start-up would end in), the writer, and the walk once more. The reload must give the settings
// that were saved, and saving those again must give the same lines. Reading through a device,
// with or without a byte limit, must agree with reading the bytes.
#include "fuzz_support.h"
#include "settings/settings_buffer.h"
#include "settings/settings_record.h"
#include "settings/settings_walk.h"

#include <QBuffer>

using namespace huebit;
using namespace huebit::fuzz;

namespace {

SettingsBuffer readDevice(const QByteArray& bytes, qint64 limit) {
    QByteArray copy = bytes;
    QBuffer device(&copy);
    device.open(QIODevice::ReadOnly);
    return SettingsBuffer::Read(device, limit);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const SettingsBuffer lines = SettingsBuffer::FromBytes(bytes);
    Check(lines.size() <= SettingsLineCount, "more lines kept than the file has places");
    for (const QString& line : lines.lines()) {
        Check(line.size() <= SettingsMaxLineLength, "a line longer than the reader keeps");
        Check(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')),
              "a line end kept inside a line");
    }
    Check(readDevice(bytes, bytes.size() + 1) == lines, "reading a device differs from the bytes");
    Check(readDevice(bytes, -1) == lines, "reading a device without a limit differs from the bytes");
    const qint64 limit = qint64(size / 2);
    Check(readDevice(bytes, limit) == SettingsBuffer::FromBytes(bytes.left(limit)),
          "a byte limit does not read as the bytes cut there");

    const SettingsRecord loaded = ReadSettingsRecord(lines);
    const QByteArray saved = ToSettingsBuffer(loaded).toBytes();
    Check(saved.count("\r\n") == SettingsLineCount && saved.endsWith("\r\n"),
          "a save is not 194 lines ended by CR LF");
    const SettingsRecord reloaded = ReadSettingsRecord(SettingsBuffer::FromBytes(saved));
    Check(reloaded == loaded, "a saved file does not load back as the settings it was saved from");
    Check(ToSettingsBuffer(reloaded).toBytes() == saved,
          "saving a reloaded file changed its lines");
    return 0;
}
