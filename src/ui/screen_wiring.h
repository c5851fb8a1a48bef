#pragma once
// Connects the screen page's views and buttons to the screen picker.

#include <functional>

namespace huebit {

class ScreenPage;
class ScreenPicker;
class ClipboardExport;

struct ScreenWiring {
    ScreenPage& page;
    ScreenPicker& picker;
    ClipboardExport& exporter;
    std::function<void()> capture; ///< "Обновить "
    std::function<void()> apply;   ///< " Применить"
    std::function<void()> save;    ///< the hidden save button
};

void WireScreenPage(const ScreenWiring& w);

} // namespace huebit
