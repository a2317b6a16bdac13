// A window's size, place and state kept in the settings file, section
// "WindowSize", under <prefix>_Width, _Height, _Top and _Left (twips of the
// normal window) and <prefix>_WindowState (0 normal, 1 minimised,
// 2 maximised).
#pragma once

#include <QSize>
#include <QString>

class QWidget;

namespace platform {

// Screen twips per pixel at 96 dpi.
constexpr int kWindowTwipsPerPixel = 15;

// Gives the window, before it is shown, the geometry it opens with. The
// designed size (pixels) is centred on the screen. Only when the stored width
// is neither blank nor 0 are the stored keys applied, each of height, top and
// left only when it is neither blank nor 0; a stored state of 2 maximises the
// window (1, minimised, is not restored). A window larger than the screen is
// cut to it; it is never made smaller than `minimum`.
void applyStoredWindowGeometry(QWidget* window, const QString& iniFile, const QString& prefix,
                               QSize designed, QSize minimum);

// Writes the window's state first, then the size and place of its normal
// window (even when it is maximised or minimised now).
void storeWindowGeometry(const QWidget* window, const QString& iniFile, const QString& prefix);

}  // namespace platform
