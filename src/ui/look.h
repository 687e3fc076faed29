// How the window looks and answers the desktop: Tahoma at the form's size,
// each style's font and colours on its kind of control, the tab control's
// style, and the desktop's keys for standard commands.
#pragma once

#include "ui/layout.h"

#include <QFont>
#include <QKeySequence>
#include <QPalette>

#include <optional>

class QStyle;
class QWidget;

namespace msweight {

// Makes Tahoma available: the installed face, or the metric-compatible one
// that Debian's fonts-wine ships. Call before any font is used.
void EnsureTahoma();

// Tahoma at the form's 8.25 points, with every property set: the window's,
// the tabs' and the application's font.
QFont FormFont();

// The desktop's keys for a standard command, or `common` where it binds none
// (Save As has none outside KDE and GNOME).
QList<QKeySequence> StandardKeys(QKeySequence::StandardKey key, QKeyCombination common);

int FrameStyle(Edge edge);

// A style's font and palette on a kind of control, each where it differs from
// what the control has on its page. Every page looks the same, so a look is
// worked out on the first control of its kind and style and shared by the
// rest: each font or palette set is resolved anew for its control.
struct Look
{
    std::optional<QFont> font;
    std::optional<QPalette> palette;
};

Look LookOn(const QWidget &widget, const ControlSpec &spec, const QPalette &colours);

// Fusion with the tabs' narrow padding and the page frame drawn as start-up
// needs it, built on `fusion`.
QStyle *NewMultiPageStyle(QStyle *fusion);

} // namespace msweight
