#pragma once
// The main window's design at 96 pixels per inch: what the window lays itself
// out with, and what the settings file's "Split" default is computed from.
// Platform-free, so that the settings reader shares it with the window.

namespace velmora {

inline constexpr int DesignClientWidth = 272;
inline constexpr int DesignClientHeight = 87;
// Between the client area's edges and the frames.
inline constexpr int WindowPadding = 2;
// Between a frame's sides and its labels.
inline constexpr int FrameInset = 2;
inline constexpr int SplitterWidth = 3;
// The left frame's width.
inline constexpr int DesignSplit = 127;
inline constexpr int DesignLabelHeight = -16;
inline constexpr int DesignFrameFontHeight = -13;
inline constexpr char DesignLabelFace[] = "ＭＳ ゴシック";
inline constexpr char DesignFrameFace[] = "ＭＳ Ｐゴシック";
// The smallest client area: two frames each wider than the border band that
// may cover it, and a frame's caption above a grabbable area.
inline constexpr int MinimumFrameWidth = 24;
inline constexpr int MinimumClientWidth = 2 * WindowPadding + 2 * MinimumFrameWidth + SplitterWidth;
inline constexpr int MinimumClientHeight = 48;

} // namespace velmora
