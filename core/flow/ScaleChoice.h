// The scale the game's windows are drawn at, and the one that fits a screen.
//
// What "scale" means: the game sets its own factor (QT_SCALE_FACTOR, before the
// application object exists), and the window system multiplies it by the
// desktop's own factor, which Qt rounds to the nearest whole number (halves up).
// A window of W x H pixels therefore takes W x scale x desktop by H x scale x
// desktop device pixels: at scale 2 on a desktop of factor 1 a map cell is 200
// device pixels wide. The scale is a multiple of 0.5 from 1 to 4, chosen once
// per run; "Авто" picks the largest that fits.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace scale {

constexpr double kMin = 1;
constexpr double kMax = 4;
constexpr double kStep = 0.5;

// The screen a run opens on: the part of it that windows may use (without the
// desktop's panels), in device pixels, and the desktop's factor before Qt
// rounds it.
struct Screen {
    int width = 0;
    int height = 0;
    double desktopFactor = 1;
};

struct WindowSize {
    int width;
    int height;
};
// The client sizes of the game's largest windows: the intro story (widest), the
// map and the battle (tallest). Every other window is smaller than these.
const std::vector<WindowSize>& largestWindows();
// Room the window system's frame takes around a client area: borders and a
// title bar, in pixels at the desktop's factor.
constexpr WindowSize kFrame{16, 40};

// The desktop's factor as Qt rounds it.
double desktopFactor(double reported);
// Whether every one of `windows`, with its frame, fits the screen at `s`.
bool fits(double s, const Screen& screen,
          const std::vector<WindowSize>& windows = largestWindows());
// "Авто": the largest multiple of 0.5 from 1 to 4 at which the windows fit;
// 1 when not even that fits.
double fitting(const Screen& screen, const std::vector<WindowSize>& windows = largestWindows());

// The scale of a run. A command-line scale holds whatever the screen; a
// remembered one that no longer fits gives way to "Авто" for this run. `note` is
// the one line said on stderr when the scale does not fit (empty otherwise).
// Without a known screen the chosen scale holds, and "Авто" is 1.
struct Choice {
    double value = 1;
    std::string note;
};
Choice choose(std::optional<double> commandLine, std::optional<double> remembered,
              const std::optional<Screen>& screen);

// Whether two screens give the same scales: the same size (within the pixel or
// two lost when Qt rounds a scaled size) and the same rounded desktop factor.
bool sameScreen(const Screen& a, const Screen& b);
// A screen as the settings file keeps it, "1920x1048@1.25", and back (none for
// a text that is not one).
std::string screenText(const Screen& s);
std::optional<Screen> parseScreen(const std::string& text);

// A scale as the player reads it: "1", "1,5" (the options window) or "1.5"
// (files and the command line).
std::string text(double s, char decimalPoint = '.');

}  // namespace scale
