#pragma once
// Colour as text: templates such as "#hRhGhB - HTML" expanded from the component texts.

#include "core/component_texts.h"

#include <QStringList>

namespace huebit {

/// The shipped template list; the third entry is selected at start.
QStringList DefaultTemplates();
constexpr int DefaultTemplateIndex = 2;
/// The list of a first start: the shipped six, then one entry per CSS notation token. A list
/// read from a settings file is taken as stored.
QStringList FirstStartTemplates();

/// The template part of an entry: the text before its first " -", or the whole entry.
QString TemplateForRendering(const QString& entry);

/// Expands an entry. Each of dR dG dB hR hG hB dH dS dV, in that order, replaces only its first
/// occurrence. With `zeroPad` the decimal values are padded to three characters; a value that
/// cannot be padded (empty, or longer than three) leaves its placeholder as written.
QString RenderColorText(const QString& entry, const ComponentTexts& texts, bool zeroPad);

} // namespace huebit
