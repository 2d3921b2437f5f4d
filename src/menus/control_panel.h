// The in-game control panel, reached from the inventory: text speed, music
// and sound volume (heard at once), the text-output switch, hints on or off,
// spoken lines timed or until clicked, a hint (while hints are on), what was
// said, back to the inventory, Save and Load, and Quit.
//
// It edits the working copies tmp_text_speed, tmp_music_vol, tmp_wave_vol and
// tmp_text_output, and the player's settings of core/settings.h, and keeps
// them when it is left; there is no cancel. The settings are then written to
// "options.sav" and "settings.txt", so that no way out of the game loses them.
// Hint closes the panel and the bag; the hero then says the hint in the room.
#pragma once

// The panel loop; run by main_invent while inv_menu is 2. Leaves with inv_menu
// 1 (the inventory button) or 0 (a right click closes the inventory too).
void game_options();
// Draws the slider whose knob is at (controller_x, controller_y) and drags it
// when its knob is pressed, or brings the knob to a press on its track and
// drags it from there; the slider's working value follows the knob.
void game_controlling();

// The way out of a game that keeps it: the autosave, the options, graphics
// mode left, exit status 1. Run by the main loop at the quiet point that
// follows the panel's Quit or a close request (game/closing.h).
[[noreturn]] void quit_from_panel();

// The Save and Load buttons: drawn with the panel; what a press on them opens
// (the slot screens) is wired in these two hooks. `pressed` is a fresh left
// press in this pass.
void panel_save_button(bool pressed);
void panel_load_button(bool pressed);
