#pragma once
// Colours leaving the program: as text, as a small bitmap and as a vector sample.

#include "core/color_model.h"
#include "output/clipboard.h"
#include "output/sample_options.h"

namespace huebit {

/// A W x H white bitmap filled in `c`. With the contour the rectangle's right column and
/// bottom row stay white, so the coloured area is (W - 1) x (H - 1).
QImage MakeSampleBitmap(Color c, QSize size, bool contour);
/// An SVG with a frame of W x H holding one rectangle (0, 0)-(W + 1, H + 1) filled in `c`,
/// outlined one pixel wide with the contour, else with the thinnest line.
QByteArray MakeSampleSvg(Color c, QSize size, bool contour);
/// An entry expanded for a picked colour: dR dG dB, then dH dS dV, then hR hG hB, each first
/// occurrence only, never zero-padded, values from the colour itself.
QString PickedColorText(const QString& entry, Color c);

class ClipboardExport {
public:
    ClipboardExport(const ColorModel& model, const SampleOptions& options, Clipboard& clipboard)
        : m_model(model), m_options(options), m_clipboard(clipboard) {}

    /// The text line as it is shown (zero-padded while it has the focus).
    void CopyColorText(const QString& shownText) { m_clipboard.setText(shownText); }
    /// The samples of the selection page take the colour as the RGB bars hold it.
    void CopySampleBitmap();
    void CopySampleMetafile();
    void CopyPickedText(Color picked);
    void CopyPickedBitmap(Color picked);
    void CopyPickedMetafile(Color picked);

private:
    const ColorModel& m_model;
    const SampleOptions& m_options;
    Clipboard& m_clipboard;
};

} // namespace huebit
