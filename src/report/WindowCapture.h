#pragma once

#include <QImage>
#include <QMainWindow>

namespace k9r {

// The window as the Printer command takes it: a title bar with the window's
// title (the clock) over everything the window shows, menu bar included.
// The window manager's own frame cannot be read back on every platform, so
// the title bar is drawn by the widget style.
QImage CaptureWholeWindow(QMainWindow& window);

// What PRINTER_MAIN prints: the window's client area, below the menu bar.
QImage CaptureClientArea(QMainWindow& window);

}  // namespace k9r
