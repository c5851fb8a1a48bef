#include "app/pick_flow.h"

#include "core/text_template.h"
#include "output/clipboard_sample.h"
#include "settings/settings_walk.h"

namespace huebit {

PickOutcome DecidePickOutcome(std::optional<Color> picked, const PickOptions& options,
                              const QString& activeEntry) {
    if (!picked) return {};
    const QString entry = options.format.isEmpty() ? activeEntry : options.format;
    const QString text = PickedColorText(entry, *picked);
    PickOutcome outcome;
    outcome.exitCode = 0;
    outcome.printed = text + QLatin1Char('\n');
    if (options.copy) outcome.clipboardText = text;
    outcome.handOver = *picked;
    return outcome;
}

QString ActiveTemplateEntry(const SettingsRecord& record) {
    const int i = record.templateIndex;
    if (i >= 0 && i < record.templates.size() && !record.templates[i].isEmpty())
        return record.templates[i];
    return DefaultTemplates().value(DefaultTemplateIndex);
}

namespace {

void putColour(QStringList& lines, int first, Color c) {
    lines[first] = QString::number(GetRValue(c));
    lines[first + 1] = QString::number(GetGValue(c));
    lines[first + 2] = QString::number(GetBValue(c));
}

} // namespace

SettingsBuffer WithPickedColor(const SettingsBuffer& buffer, Color c) {
    namespace L = SettingsLine;
    const SettingsRecord record = ReadSettingsRecord(buffer);
    QStringList lines = buffer.lines();
    while (lines.size() < SettingsLineCount)
        lines.append(QString());
    putColour(lines, record.target == ColorTarget::Text ? L::SampleTextColor : L::SampleBackground,
              c);
    if (record.previousColors[0] != c) {
        // The strip moves on by one slot: the lines shift as they stand, unread ones included.
        const int slotLines = int(record.previousColors.size()) * 3;
        for (int i = L::PreviousColors + slotLines - 1; i >= L::PreviousColors + 3; --i)
            lines[i] = lines[i - 3];
        putColour(lines, L::PreviousColors, c);
    }
    return SettingsBuffer(lines);
}

} // namespace huebit
