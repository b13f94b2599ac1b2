#pragma once
// Real input and real pictures from the X display Wine draws on: xdotool
// moves the pointer and presses buttons and keys as a person would, and
// ImageMagick's import takes what the screen shows. Both are Unix programs,
// run by the shell that tests/win/pointer_test.sh keeps beside the test: a
// request is a file NAME.cmd in its spool folder, and NAME.done brings back
// the exit code.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/win/test_files.h"

namespace velmora::testing {

// Pixels of a screen area, top-down, 0xRRGGBB.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    bool operator==(const Picture&) const = default;
};

// Pixels that differ between two pictures of one size.
inline int Differences(const Picture& a, const Picture& b) {
    if (a.width != b.width || a.height != b.height)
        return a.width * a.height + b.width * b.height;
    int count = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        count += a.pixels[i] != b.pixels[i];
    return count;
}

class XDisplay {
  public:
    XDisplay() {
        wchar_t spool[MAX_PATH]{};
        if (GetEnvironmentVariableW(L"VELMORA_X_SPOOL", spool, MAX_PATH))
            unixSpool_ = FromWide(spool);
    }
    bool Available() const { return !unixSpool_.empty(); }

    // Runs `command` with sh; true when it ended with exit code 0.
    bool Run(const std::string& command) {
        if (!Available())
            return false;
        const std::wstring stem = SpoolPath(std::to_string(++requests_));
        const std::wstring done = stem + L".done";
        WriteBytes(stem + L".part", command + "\n");
        if (!MoveFileW((stem + L".part").c_str(), (stem + L".cmd").c_str()))
            return false;
        for (int attempt = 0; attempt < 1000; ++attempt, Sleep(10)) {
            const std::string code = ReadBytes(done);
            if (!code.empty()) {
                DeleteFileW(done.c_str());
                return code == "0\n";
            }
        }
        return false;
    }

    // xdotool with these commands, in screen coordinates of this Wine session
    // already turned into the display's by Offset().
    bool Xdotool(const std::string& commands) { return Run("/usr/bin/xdotool " + commands); }

    // Where the display's pixel (0, 0) lies on Wine's screen: not at (0, 0)
    // when Wine draws its desktop inside a window of its own.
    bool Calibrate() {
        POINT seen{};
        // --sync waits for the pointer to move: it must not start there.
        if (!Xdotool("mousemove 0 0 mousemove --sync 300 300"))
            return false;
        // Wine answers from the position its processes last reported, which
        // may not include this move yet, and asks the display itself once
        // that report is over 100 ms old.
        Sleep(150);
        if (!GetCursorPos(&seen))
            return false;
        offset_ = {seen.x - 300, seen.y - 300};
        return true;
    }
    int X(int screenX) const { return screenX - offset_.x; }
    int Y(int screenY) const { return screenY - offset_.y; }
    std::string At(POINT screen) const {
        return std::to_string(X(screen.x)) + " " + std::to_string(Y(screen.y));
    }

    // The screen's pixels within `area` (screen coordinates).
    Picture Take(const RECT& area) {
        Picture picture;
        const int width = area.right - area.left, height = area.bottom - area.top;
        const std::string file = unixSpool_ + "/picture.ppm";
        if (!Run("/usr/bin/import -silent -window root -crop " + std::to_string(width) + "x" +
                 std::to_string(height) + "+" + std::to_string(X(area.left)) + "+" +
                 std::to_string(Y(area.top)) + " -depth 8 ppm:" + file))
            return picture;
        const std::wstring windowsFile = SpoolPath("picture.ppm");
        const std::string bytes = ReadBytes(windowsFile);
        DeleteFileW(windowsFile.c_str());
        // "P6\n<width> <height>\n255\n" and three bytes a pixel.
        int shownWidth = 0, shownHeight = 0, maximum = 0, headerLength = 0;
        if (std::sscanf(bytes.c_str(), "P6 %d %d %d%n", &shownWidth, &shownHeight, &maximum,
                        &headerLength) != 3 ||
            shownWidth != width || shownHeight != height ||
            bytes.size() != static_cast<std::size_t>(headerLength + 1 + width * height * 3))
            return picture;
        std::size_t at = static_cast<std::size_t>(headerLength + 1);
        picture.width = width;
        picture.height = height;
        for (int i = 0; i < width * height; ++i, at += 3)
            picture.pixels.push_back(
                static_cast<std::uint32_t>((static_cast<unsigned char>(bytes[at]) << 16) |
                                           (static_cast<unsigned char>(bytes[at + 1]) << 8) |
                                           static_cast<unsigned char>(bytes[at + 2])));
        return picture;
    }

  private:
    std::wstring SpoolPath(const std::string& name) const {
        return WinePath(unixSpool_ + "/" + name);
    }

    std::string unixSpool_;
    int requests_ = 0;
    POINT offset_{};
};

} // namespace velmora::testing
