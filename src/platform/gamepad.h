// A gamepad, through the library's joystick driver: looked for with the rest
// of the hardware; without one nothing changes. Headless, the pad is scripted
// (headless::pad_at).
#pragma once

// The first pad's buttons, as the usual pads number them.
enum PadButton : unsigned {
  kPadA = 1u << 0,
  kPadB = 1u << 1,
  kPadX = 1u << 2,
  kPadY = 1u << 3,
  kPadLeftShoulder = 1u << 4,
  kPadRightShoulder = 1u << 5,
  kPadSelect = 1u << 6,
  kPadStart = 1u << 7,
};

// The pad as it stands: the left stick and the d-pad together, each axis from
// -128 (left, up) to 127 (right, down), and the buttons held.
struct PadState {
  int x = 0;
  int y = 0;
  unsigned buttons = 0;
};

// Look for a pad: true when there is one. Says so in one console line at most.
bool platform_install_pad();
// The pad now (all at rest when there is none).
PadState platform_read_pad();
// A key typed for a pad's button (platform_readkey's form: scancode in the
// high byte), read as if typed on the keyboard.
void platform_type_key(int key);

// What the pad does, the same in both backends (pad_pointer.cpp), called by
// the mouse poll with the pad as it stands and the clock: the stick and the
// d-pad move the pointer, smoothly and faster the longer they are held; A
// presses the left button; B the right one and types Escape (it skips a line
// or a scene); the shoulder buttons type Page Up / Page Down (the jumps to
// the previous / next thing); Start types P (the pause).
void pad_acts(const PadState& pad, int now_ms);
// The pad's buttons pressed since the last call, for what only play does with
// them (X opens the bag, Y the control panel).
unsigned platform_pad_presses();
// Forget the buttons held and the stick's run (the headless backend's reset).
void pad_forget();
// Select is held: the names show as with the Tab key (platform_key_held(KEY_TAB)).
bool pad_select_held();
