#pragma once
// The list of the installed font families by their plain names (as the settings file keeps
// them), each name drawn in its own face. Qt's own font box
// decorates its lines with pictures it reads through the image plugins, which costs every start
// a scan of the plugin folder; this one draws text only.

#include "ui/whole_lines_box.h"

namespace huebit {

class FontNameBox : public WholeLinesBox {
    Q_OBJECT
public:
    explicit FontNameBox(QWidget* parent = nullptr);
};

} // namespace huebit
