#pragma once
// The clipboard's content as the X11 selection offers it: a list of targets, each with the type
// the bytes are sent as. When the program ends while the clipboard still holds its colour, a
// small keeper process serves this list until another program takes the clipboard.

#include <QByteArray>
#include <optional>
#include <vector>

class QMimeData;

namespace huebit {

struct ClipboardOffer {
    struct Entry {
        QByteArray target; ///< the name a paste asks for: "UTF8_STRING", "image/png" …
        QByteArray type;   ///< the type the bytes go out as
        QByteArray data;
        bool operator==(const Entry&) const = default;
    };

    quint32 owner = 0; ///< the X window that owned the clipboard when the offer was made
    std::vector<Entry> entries;

    const Entry* find(const QByteArray& target) const;
    bool operator==(const ClipboardOffer&) const = default;
};

/// Limits on what a keeper takes in: enough for any sample, not a flood.
inline constexpr int MaxOfferEntries = 64;
inline constexpr qsizetype MaxOfferBytes = 64 * 1024 * 1024;

/// The targets a paste may ask for: text under the usual X11 text names (STRING only when the
/// text is Latin-1), a bitmap as PNG and BMP, and every other format under its own MIME name.
ClipboardOffer OfferFromMimeData(const QMimeData& data, quint32 owner);

/// The offer as bytes for the keeper's standard input, and back; nothing for bytes that are
/// not a whole, well-formed offer within the limits.
QByteArray SerializeOffer(const ClipboardOffer& offer);
std::optional<ClipboardOffer> ParseOffer(const QByteArray& bytes);

} // namespace huebit
