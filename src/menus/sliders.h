// The settings sliders shared by the main menu's options screen and the
// in-game control panel: a knob 20 x 10 pixels whose left edge runs from
// x = 320 (value 0) to x = 470 (the maximum) on a track 150 pixels long.
//
// Knob positions and values convert with truncation toward zero, in double
// precision. Text speed (0..100) moves 1.5 pixels per step; a volume (0..255)
// moves 1.5 / 2.55 pixels per step, so a knob dragged to the right end reads
// back 254 while a stored 255 still shows the knob at 470.
#pragma once

namespace sliders {

inline constexpr int kTrackLeft = 320;
inline constexpr int kTrackRight = 470;
inline constexpr int kTextSpeedMax = 100;
inline constexpr int kVolumeMax = 255;

int text_speed_to_x(int value);
int x_to_text_speed(int x);
int volume_to_x(int value);
int x_to_volume(int x);

// While dragging, the knob's left edge follows the pointer 10 pixels to its
// left, held on the track.
int knob_x_for_pointer(int pointer_x);

// True when the pointer is strictly inside the knob whose left top corner is
// (knob_x, knob_y): a press there drags the knob from where it stands.
bool pointer_on_knob(int knob_x, int knob_y, int pointer_x, int pointer_y);

// True when the pointer is on the track of the slider whose knob runs on row
// knob_y: anywhere the knob can cover, x from kTrackLeft to kTrackRight plus
// the knob's width (inclusive), y from kTrackReach above the knob's row to
// kTrackReach below it. A press there beside the knob brings the knob's
// middle to the pointer (knob_x_for_pointer), and the knob is dragged on
// from there.
inline constexpr int kTrackReach = 4;
bool pointer_on_track(int knob_y, int pointer_x, int pointer_y);

// A slider's setting, by the position of its row: text speed or a volume.
enum class Kind { kTextSpeed, kVolume };
int value_to_x(Kind kind, int value);
int x_to_value(Kind kind, int x);

}  // namespace sliders
