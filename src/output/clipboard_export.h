#pragma once
// The six copy commands: the selection page's current colour and the screen page's picked
// colour, each as text, a bitmap sample and a vector sample. Each replaces the whole clipboard
// content and changes nothing else.

#include "core/color_model.h"
#include "output/clipboard.h"
#include "output/clipboard_sample.h"
#include "output/sample_options.h"

namespace huebit {

class ClipboardExport {
public:
    ClipboardExport(const ColorModel& model, const SampleOptions& options, Clipboard& clipboard)
        : m_model(model), m_options(options), m_clipboard(clipboard) {}

    /// The text line exactly as shown: zero-padded while it has the focus, so the caller hands
    /// over the widget's own text.
    void CopyColorText(const QString& shownText);
    /// The selection page's samples take the colour as the RGB bars hold it, which can be one
    /// step off the current colour (a red of 2 comes back from its bar as 1).
    void CopySampleBitmap();
    void CopySampleMetafile();
    /// The active template (chosen or typed) filled in from the picked colour itself.
    void CopyPickedText(Color picked);
    /// Always fully coloured: the contour option does not apply to the screen page's bitmap.
    void CopyPickedBitmap(Color picked);
    void CopyPickedMetafile(Color picked);

private:
    const ColorModel& m_model;
    const SampleOptions& m_options;
    Clipboard& m_clipboard;
};

} // namespace huebit
