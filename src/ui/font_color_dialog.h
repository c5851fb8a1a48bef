#pragma once
// The font dialog with a font colour: Qt's font dialog, embedded, with a colour button below it
// that opens the colour dialog.

#include "core/color_dialog.h"
#include "core/font_dialog.h"

#include <QDialog>

class QFontDialog;
class QToolButton;

namespace huebit {

class FontColorDialog : public QDialog {
    Q_OBJECT
public:
    FontColorDialog(const FontChoice& initial, ColorDialog& colours, QWidget* parent);

    /// What the dialog shows now. A font the user left alone comes back exactly as it came in.
    FontChoice choice() const;
    QFontDialog* fonts() const { return m_fonts; }
    QToolButton* colorButton() const { return m_colorButton; }

private:
    void chooseColor();
    void showColor();

    ColorDialog& m_colours;
    QFontDialog* m_fonts;
    QToolButton* m_colorButton;
    FontSpec m_initial;
    QFont m_startFont; ///< the embedded dialog's font before the user touched it
    Color m_color;
};

/// The font as Qt's font dialog can show it: an installed face, a style of that face, a size in
/// whole points.
QFont FontForDialog(const FontSpec& wanted);

} // namespace huebit
