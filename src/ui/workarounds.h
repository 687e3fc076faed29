// Ways round costs inside the toolkit that start-up would otherwise pay.
// Each says the Qt version it was measured on and how to tell that it is no
// longer needed; take it out then.
#pragma once

#include <QIcon>
#include <QStyle>

namespace msweight {

// Draws the frame round the pages (PE_FrameTabWidget) with `style` in pieces,
// so that no blend reaches the raster engine's threshold for threaded
// blending; the pixels are those of one drawing.
void DrawPageFrame(const QStyle &style, const QStyleOption *option, QPainter *painter, const QWidget *widget);

// Fusion as the application's style, with the icon of a menu bar's button for
// menus that do not fit loaded when first drawn rather than when the menu bar
// is made.
QStyle *ApplicationStyle();

} // namespace msweight
