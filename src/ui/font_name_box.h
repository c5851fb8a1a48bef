#pragma once
// The list of the installed font families by their plain names (as the settings file keeps
// them), each name drawn in its own face. Qt's own font box
// decorates its lines with pictures it reads through the image plugins, which costs every start
// a scan of the plugin folder; this one draws text only.
// At start the list holds only the families it has been asked to show (the stored one, the one
// in use); the installed families are listed the first time the list is shown, gets the focus
// or opens, the family shown staying selected without a change signal.

#include "ui/whole_lines_box.h"

namespace huebit {

/// The installed families' plain names, each once, private (system) families left out.
QStringList InstalledFamilyNames();

class FontNameBox : public WholeLinesBox {
    Q_OBJECT
public:
    explicit FontNameBox(QWidget* parent = nullptr);

    /// The index of the installed family `name` selects (plain name, without regard to case);
    /// before the installed families are listed, such a family is added to the short list.
    /// -1 for an empty name or one that is not installed.
    int offerFamily(const QString& name);
    /// Lists every installed family once; the family shown stays selected, and no change is
    /// signalled.
    void listInstalledFamilies();
    bool holdsInstalledFamilies() const { return m_listed; }

    void showPopup() override;

protected:
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int indexOfFamily(const QString& name) const;

    bool m_listed = false;
};

} // namespace huebit
