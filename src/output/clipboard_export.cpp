#include "output/clipboard_export.h"

namespace huebit {

void ClipboardExport::CopyColorText(const QString& shownText) {
    m_clipboard.setText(shownText);
}

void ClipboardExport::CopySampleBitmap() {
    m_clipboard.setSample(
        MakeSampleBitmap(m_model.ColorFromBars(), m_options.SampleSize(), m_options.contour));
}

void ClipboardExport::CopySampleMetafile() {
    m_clipboard.setVector(
        MakeSampleSvg(m_model.ColorFromBars(), m_options.SampleSize(), m_options.contour));
}

void ClipboardExport::CopyPickedText(Color picked) {
    m_clipboard.setText(PickedColorText(m_model.Templates().activeEntry(), picked));
}

void ClipboardExport::CopyPickedBitmap(Color picked) {
    m_clipboard.setSample(MakeSampleBitmap(picked, m_options.SampleSize(), false));
}

void ClipboardExport::CopyPickedMetafile(Color picked) {
    m_clipboard.setVector(MakeSampleSvg(picked, m_options.SampleSize(), m_options.contour));
}

} // namespace huebit
