// Where a window opens beside another without covering it.
#pragma once

class QWidget;

namespace msweight {

// Shows `window` beside `other`: right of it if the screen has room, else
// left, else below, else above; it shrinks to the room there is, never
// covering `other`.
void ShowBeside(QWidget &window, const QWidget &other);

} // namespace msweight
