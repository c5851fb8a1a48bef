#pragma once
// The colour selection page: palettes, refinement tools, swatch strips, component editors,
// target switches, the template selector with the text line, and the sample.

#include "core/color_model.h"
#include "palettes/palette_images.h"

#include <QWidget>
#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QToolButton;

namespace huebit {

class ComponentEditors;
class ContrastView;
class PixelBufferView;
class RefinePages;
class SampleView;
class TextLine;
class WebPage;

class SelectionPage : public QWidget {
    Q_OBJECT
public:
    SelectionPage(const ColorModel& model, const PaletteImages& images, QWidget* parent = nullptr);

    /// Repaints what `what` (ModelChange flags) names.
    void refresh(unsigned what);
    const PaletteImages& images() const { return m_images; }
    /// Shows the template list and selection as the model holds them.
    void refreshTemplates();

    QTabWidget* PageControl2 = nullptr; // the palette page set
    PixelBufferView* aPalImage1 = nullptr; // tile palette
    PixelBufferView* aPalImage2 = nullptr; // ring palette
    PixelBufferView* cPalImage2 = nullptr; // flow palette
    WebPage* webPage = nullptr;            // named colours
    RefinePages* refinePages = nullptr;
    PixelBufferView* Image1 = nullptr;     // user palette
    PixelBufferView* Image2 = nullptr;     // previous colours
    QToolButton* addToPaletteButton = nullptr;
    QToolButton* SpeedButton37 = nullptr;  // user palette menu
    ComponentEditors* editors = nullptr;
    QRadioButton* RadioButton1 = nullptr;  // background target
    QRadioButton* RadioButton2 = nullptr;  // text target
    QLabel* backgroundLabel = nullptr;     // "Ф"
    QLabel* textLabel = nullptr;           // "Т"
    QLabel* paletteLabel = nullptr;        // "Пал.:"
    QLabel* previousLabel = nullptr;       // "Пред.:"
    QComboBox* ComboBox1 = nullptr;        // template selector
    TextLine* Edit1 = nullptr;             // the text line
    SampleView* Panel4 = nullptr;          // the sample
    ContrastView* contrast = nullptr;      // the contrast readout in the sample's corner
    QToolButton* panelButton = nullptr;    // show/hide the floating panel
    QToolButton* swapButton = nullptr;
    QToolButton* textButton = nullptr;     // show/hide the sample text
    std::array<QToolButton*, 3> copyButtons{}; // text, bitmap, vector

private:
    void buildPalettes();
    void buildStrips();
    void buildTargetAndText();
    void buildSample();
    /// Places the strips' and the target switches' rows from their captions' font, so a larger
    /// interface font moves the strips and the template selector aside instead of cutting them.
    void placeCaptionedRows();
    bool eventFilter(QObject* watched, QEvent* event) override;

    const ColorModel& m_model;
    const PaletteImages& m_images;
    std::array<QFrame*, 2> m_stripFrames{};
};

} // namespace huebit
