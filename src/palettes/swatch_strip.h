#pragma once
// A strip of 20 colour slots, newest at the left. The pixels are the state: a slot's colour is
// read back from the buffer, and the settings file is written from it.

#include "core/pixel_buffer.h"

namespace huebit {

class SwatchStrip {
public:
    static constexpr int SlotCount = 20;
    static constexpr int SlotWidth = 14;
    static constexpr int SlotPitch = 15;
    static constexpr int Width = SlotCount * SlotPitch;
    static constexpr int Height = 17;

    SwatchStrip() : m_pixels(Width, Height, EmptySlotColor) {}

    /// Every slot and gap back to the window colour.
    void clear() { m_pixels.fill(EmptySlotColor); }
    /// Shifts every slot one place right (slot 19 is lost) and paints slot 0 in `c`.
    void push(Color c);
    /// The colour of slot i, read at its pixel (15i + 5, 5).
    Color slotColor(int slot) const { return m_pixels.pixel(slot * SlotPitch + 5, 5); }
    /// Paints one slot; used when restoring stored slots.
    void setSlot(int slot, Color c) {
        m_pixels.fillColumns(slot * SlotPitch, slot * SlotPitch + SlotWidth, c);
    }

    const PixelBuffer& pixels() const { return m_pixels; }

private:
    PixelBuffer m_pixels;
};

} // namespace huebit
