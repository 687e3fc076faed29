// How the program shows itself to the desktop: the desktop entry it belongs
// to, its icon, and the buttons of its window's frame.
#pragma once

class QWidget;

namespace msweight {

// Names the desktop entry, and the window class that desktops match it by.
// Call once the application object exists, before any window is made.
void PrepareDesktop();

// Takes the maximise button off `window`, whose size is fixed, and once it
// has painted for the first time gives the program's windows their icon.
// Call before `window` has children: changing a window's flags passes its
// font and palette on to each of them again.
void PrepareWindow(QWidget *window);

} // namespace msweight
