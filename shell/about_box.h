#pragma once
// The About box: product, version, path and contact over a random gradient,
// with "&OK" and "&HomePage" buttons.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "engine/text.h"

namespace velmora {

struct AboutRequest {
    HWND owner;
    Text applicationTitle;
    std::wstring executablePath; // as GetModuleFileNameW gives it
    // A new gradient end colour for every paint, below 0xFFFFFF.
    std::function<std::uint32_t()> nextEndColour;
};

// A uniform end colour from 0 to 0xFFFFFE, red in the low byte.
template <typename Generator> std::uint32_t RandomEndColour(Generator& generator) {
    return std::uniform_int_distribution<std::uint32_t>(0, 0xFFFFFE)(generator);
}

// Title, " V1.7", the path, an empty line, credit, contact and home page,
// separated by CR LF.
std::wstring AboutText(const Text& applicationTitle, const std::wstring& executablePath);

// Shows the box modally over its owner: IDABORT when "&HomePage" closed
// it, IDOK for "&OK", Enter, Escape or the close button.
int ShowAboutBox(const AboutRequest& request);

// The About command: the box, then the home page when "&HomePage" closed it.
void RunAboutCommand(const AboutRequest& request, const std::function<void()>& openHomePage);

// White to `endColour` over `client`: top to bottom when the colour's
// lowest bit is 0, left to right when it is 1.
void AboutPaint(HDC dc, const RECT& client, std::uint32_t endColour);

// Centred over `owner`, kept inside `workArea`; its left and top edges win
// when the box is larger.
POINT AboutBoxPosition(const RECT& owner, SIZE box, const RECT& workArea);

} // namespace velmora
