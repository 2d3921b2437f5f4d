// The in-game control panel: a modal loop over the inventory screen, with the
// pictures of "inventar.dat" (loaded while the inventory is open).
#include "menus/control_panel.h"

#include <cstdio>
#include <string>
#include <vector>

#include "core/close_request.h"
#include "core/pacing.h"
#include "core/read_aloud.h"
#include "core/screen_layout.h"
#include "core/settings.h"
#include "core/sounds.h"
#include "core/tr.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "frame/click_points.h"
#include "frame/cursor.h"
#include "frame/play_keys.h"
#include "frame/said_log.h"
#include "menus/sliders.h"
#include "persistence/options.h"
#include "persistence/saved_games.h"
#include "persistence/settings.h"
#include "platform/platform.h"

namespace {

using namespace screen_layout;

constexpr int kSliders = 3;

int* slider_setting(int i) {
  int* const settings[kSliders] = {&tmp_text_speed, &tmp_music_vol, &tmp_wave_vol};
  return settings[i];
}

sliders::Kind slider_kind(int i) {
  return i == 0 ? sliders::Kind::kTextSpeed : sliders::Kind::kVolume;
}

// The slider whose knob row is y (text speed for any other row).
int slider_at_row(int y) {
  for (int i = 0; i < kSliders; ++i)
    if (kPanelSliderY[i] == y) return i;
  return 0;
}

int knob_x(int i) {
  return sliders::value_to_x(slider_kind(i), *slider_setting(i));
}

// A left press that started in this pass (set by game_options for
// game_controlling): a knob is dragged only when it is pressed itself.
bool left_pressed = false;

void draw_at(BITMAP* picture, Point at) {
  draw_sprite(memory_screen, picture, at.x, at.y);
}

enum class Align { kLeft, kCentre, kRight };

void label(const char* words, const Rect& box, Align align, int colour) {
  const int w = text_length(pv_font, words);
  int x = box.x1;
  if (align == Align::kCentre) x = box.x1 + (box.width() - w) / 2;
  if (align == Align::kRight) x = box.x2 + 1 - w;
  outlined_text(words, x, box.y1 + (box.height() - text_height(pv_font)) / 2, colour);
}

// The columns of the panel's words: the names end before the icons (at 298)
// in front of the switch and the tracks; the values end 23 pixels from the
// panel's right side, as the names begin 24 from its left.
constexpr int kWordsLeft = 84;
constexpr int kWordsRight = 284;
constexpr int kValuesRight = 556;

// A text row 20 pixels high centred on the middle of y1..y2.
Rect row(int x1, int x2, int y1, int y2) {
  const int mid = (y1 + y2) / 2;
  return {x1, mid - 10, x2, mid + 9};
}

// The two boxes the game writes a choice into: hints on or off, spoken lines
// timed or until clicked (the player's settings, core/settings.h).
struct ChoiceRow {
  const char* name;
  const char* choice;
  Rect box;
  int* setting;
};
std::vector<ChoiceRow> choice_rows() {
  return {{TR("Tipps", "Hints"), settings::hints ? TR("An", "On") : TR("Aus", "Off"), kPanelHints, &settings::hints},
          {TR("Text", "Text"), settings::text_until_clicked ? TR("bis zum Klick", "until clicked") : TR("nach Zeit", "timed"),
           kPanelTextWait, &settings::text_until_clicked}};
}

// The words of the panel: what each slider sets and its value, the switch,
// the boxes, the buttons with room for a label.
void draw_labels() {
  const int title = makecol(255, 236, 170);
  const int body = makecol(232, 238, 250);
  const int value = makecol(170, 220, 255);
  label(TR("Bedienfeld", "Control panel"), kPanelTitle, Align::kCentre, title);
  const char* const names[kSliders] = {TR("Textgeschwindigkeit", "Text speed"), TR("Musik", "Music"),
                                       TR("Geräusche", "Sound effects")};
  for (int i = 0; i < kSliders; ++i) {
    const int y = kPanelSliderY[i];
    label(names[i], row(kWordsLeft, kWordsRight, y, y + kKnobHeight - 1), Align::kRight, body);
    char number[8];
    std::snprintf(number, sizeof number, "%d", *slider_setting(i));
    label(number, row(kPanelSliderX2 + kKnobWidth + 8, kValuesRight, y, y + kKnobHeight - 1), Align::kLeft, value);
  }
  label(TR("Textausgabe", "Text output"), row(kWordsLeft, kWordsRight, kPanelSwitch.y1, kPanelSwitch.y2), Align::kRight,
        body);
  label(tmp_text_output ? TR("An", "On") : TR("Aus", "Off"),
        row(kPanelSwitch.x2 + 10, kValuesRight, kPanelSwitch.y1, kPanelSwitch.y2), Align::kLeft, value);
  for (const ChoiceRow& c : choice_rows()) {
    label(c.name, row(kWordsLeft, kWordsRight, c.box.y1, c.box.y2), Align::kRight, body);
    label(c.choice, {c.box.x1 + 4, c.box.y1, c.box.x2 - 14, c.box.y2}, Align::kCentre,
          c.box.contains(mouse_x, mouse_y) ? title : value);
  }
  if (settings::hints == 1) label(TR("Tipp", "Hint"), label_space(kPanelHint), Align::kCentre, title);
  label(TR("Verlauf", "Log"), label_space(kPanelLog), Align::kCentre, title);
  label(TR("Ende", "Quit"), label_space(kPanelQuit), Align::kCentre, title);
  label(TR("Hauptmenü", "Main menu"), label_space(kPanelMainMenu), Align::kCentre, title);
  label(TR("Speichern", "Save"), label_space(kPanelSave), Align::kCentre, title);
  label(TR("Laden", "Load"), label_space(kPanelLoad), Align::kCentre, title);
  label(TR("Inventar", "Bag"), label_space(kPanelInventory), Align::kCentre, title);
}

// The panel's buttons, boxes and switch with the words they are read aloud
// with: a box and the switch by their name and choice, a button by its label.
struct Spoken {
  Rect area;
  std::string words;
};
std::vector<Spoken> spoken_areas() {
  std::vector<Spoken> areas;
  for (const ChoiceRow& c : choice_rows()) areas.push_back({c.box, std::string(c.name) + ": " + c.choice});
  areas.push_back({kPanelSwitch, std::string(TR("Textausgabe", "Text output")) + ": " +
                                     (tmp_text_output ? TR("An", "On") : TR("Aus", "Off"))});
  if (settings::hints == 1) areas.push_back({kPanelHint, TR("Tipp", "Hint")});
  for (const Spoken& b : {Spoken{kPanelLog, TR("Verlauf", "Log")}, Spoken{kPanelQuit, TR("Ende", "Quit")},
                          Spoken{kPanelMainMenu, TR("Hauptmenü", "Main menu")}, Spoken{kPanelSave, TR("Speichern", "Save")},
                          Spoken{kPanelLoad, TR("Laden", "Load")}, Spoken{kPanelInventory, TR("Inventar", "Bag")}})
    areas.push_back(b);
  return areas;
}

// What is read aloud under the pointer; "" where nothing is.
std::string words_under_pointer() {
  for (const Spoken& s : spoken_areas())
    if (s.area.contains(mouse_x, mouse_y)) return s.words;
  return "";
}

// Where the jumps of Page Up / Page Down stop: the middle of each of them.
std::vector<Point> jump_points() {
  std::vector<Point> points;
  for (const Spoken& s : spoken_areas()) points.push_back({s.area.mid_x(), s.area.mid_y()});
  return points;
}

// The panel without its knobs: the picture, the "off" mark, the Hint button
// while hints are on, the words.
void draw_panel() {
  draw_at(game_options_bmp, kInventoryPos);
  if (tmp_text_output == 0) draw_at(game_off, kPanelOffPos);
  if (settings::hints == 1) draw_at(game_hint, kPanelHintPos);
  draw_labels();
}

void present_with_pointer() {
  platform_show_pointer(memory_screen);
  platform_present(memory_screen, kScreenWidth, kScreenHeight);
  platform_hide_pointer();
}

void apply_volumes() {
  platform_set_volume(tmp_wave_vol, tmp_music_vol);
}

}  // namespace

void game_controlling() {
  const int i = slider_at_row(controller_y);
  const bool on_knob = sliders::pointer_on_knob(controller_x, controller_y, mouse_x, mouse_y);
  draw_sprite(memory_screen, on_knob ? controller_on : controller_bmp, controller_x, controller_y);
  if (!left_pressed || !(on_knob || sliders::pointer_on_track(controller_y, mouse_x, mouse_y))) return;
  left_pressed = false;
  if (!on_knob) {  // pressed on the track: the knob comes to the pointer
    controller_x = sliders::knob_x_for_pointer(mouse_x);
    *slider_setting(i) = sliders::x_to_value(slider_kind(i), controller_x);
  }
  const int start_x = controller_x;
  const int start_value = *slider_setting(i);
  do {
    platform_poll_mouse();
    controller_x = sliders::knob_x_for_pointer(mouse_x);
    // The setting follows the knob, so its number and a volume change at once.
    *slider_setting(i) =
        controller_x == start_x ? start_value : sliders::x_to_value(slider_kind(i), controller_x);
    if (slider_kind(i) == sliders::Kind::kVolume) apply_volumes();
    draw_panel();
    for (int k = 0; k < kSliders; ++k)
      if (k != i) draw_sprite(memory_screen, controller_bmp, knob_x(k), kPanelSliderY[k]);
    draw_sprite(memory_screen, controller_on, controller_x, controller_y);
    present_with_pointer();
  } while ((mouse_b & 1) && !close_pending());
  // A knob let go where it was picked up keeps its setting: reading the
  // position back would round a volume down (128 shows at 395, which reads 127).
  *slider_setting(i) = controller_x == start_x ? start_value : sliders::x_to_value(slider_kind(i), controller_x);
  apply_volumes();
  wait_mouse_release();
}

// Save and Load: lit under the pointer; a press opens the slot screen over
// the panel. A loaded game goes on in its own room, with the inventory closed.
void panel_save_button(bool pressed) {
  if (!kPanelSave.contains(mouse_x, mouse_y)) return;
  draw_at(game_save_on, kPanelSavePos);
  if (!pressed) return;
  play_sound(manifest::Sounds::button);
  wait_mouse_release();
  game_save();
}

void panel_load_button(bool pressed) {
  if (!kPanelLoad.contains(mouse_x, mouse_y)) return;
  draw_at(game_load_on, kPanelLoadPos);
  if (!pressed) return;
  play_sound(manifest::Sounds::button);
  wait_mouse_release();
  if (game_load()) inv_menu = 0;
}

void quit_from_panel() {
  // The game is kept for the main menu's Continue.
  save_autosave();
  platform_stop_midi();
  const bool saved = save_options() == 0;
  clear_bitmap(memory_screen);
  platform_present(memory_screen, kScreenWidth, kScreenHeight);
  platform_text_mode();
  if (!saved) std::fprintf(stderr, "Pelvaro: options.sav could not be written; the settings are lost.\n");
  platform_exit(ExitStatus::game_end);
}

namespace {

// The panel works on copies of the settings; they become the game's when it
// closes.
void take_settings() { take_working_options(); }

void keep_settings() {
  keep_working_options();
  // Written at once, so that no way out of the game loses what was set here.
  if (save_options() != 0)
    std::fprintf(stderr, "Pelvaro: options.sav could not be written; the settings stay for this run only.\n");
  save_settings();
}

// The panel with its three knobs; a knob pressed in this pass is dragged until
// it is let go. True when the pass's left press is still a click for the
// buttons: a drag that just ended must not be taken again.
bool draw_panel_and_knobs(bool left) {
  left_pressed = left;
  draw_panel();
  for (int i = 0; i < kSliders; ++i) {
    controller_x = knob_x(i);
    controller_y = kPanelSliderY[i];
    game_controlling();
  }
  const bool click = left && left_pressed;
  left_pressed = false;
  return click;
}

void text_output_switch(bool click) {
  if (!kPanelSwitch.contains(mouse_x, mouse_y)) return;
  if (tmp_text_output)
    draw_at(game_on_on, kPanelOnOnPos);
  else
    draw_at(game_off_on, kPanelOffPos);
  if (!click) return;
  play_sound(manifest::Sounds::button);
  tmp_text_output = tmp_text_output ? 0 : 1;
  wait_mouse_release();
}

// Back to the inventory: true when clicked.
bool bag_button(bool click) {
  if (!kPanelInventory.contains(mouse_x, mouse_y)) return false;
  draw_at(game_inv_on, kPanelInventoryPos);
  if (!click) return false;
  play_sound(manifest::Sounds::button);
  inv_menu = 1;
  wait_mouse_release();
  return true;
}

// A box under the pointer: a click takes its next choice.
void choice_boxes(bool click) {
  for (const ChoiceRow& c : choice_rows()) {
    if (!click || !c.box.contains(mouse_x, mouse_y)) continue;
    play_sound(manifest::Sounds::button);
    *c.setting = *c.setting ? 0 : 1;
    wait_mouse_release();
  }
}

// Hint (while hints are on): the panel and the bag close, and the hero says
// the hint in the room (the main loop answers hint_requested). True when clicked.
bool hint_button(bool click) {
  if (settings::hints != 1 || !kPanelHint.contains(mouse_x, mouse_y)) return false;
  draw_at(game_hint_on, kPanelHintPos);
  if (!click) return false;
  play_sound(manifest::Sounds::button);
  wait_mouse_release();
  hint_requested = 1;
  inv_menu = 0;
  return true;
}

// Log: what was said, over the panel.
void log_button(bool click) {
  if (!kPanelLog.contains(mouse_x, mouse_y)) return;
  draw_at(game_log_on, kPanelLogPos);
  if (!click) return;
  play_sound(manifest::Sounds::button);
  wait_mouse_release();
  show_said_log();
}

// The game is kept at the main loop's next quiet point.
void quit_button(bool click) {
  if (!kPanelQuit.contains(mouse_x, mouse_y)) return;
  draw_at(game_quit_on, kPanelQuitPos);
  if (!click) return;
  play_sound(manifest::Sounds::button);
  wait_mouse_release();
  request_quit();
}

// The game is kept at the main loop's next quiet point, then the main menu shows.
void main_menu_button(bool click) {
  if (!kPanelMainMenu.contains(mouse_x, mouse_y)) return;
  draw_at(game_main_menu_on, kPanelMainMenuPos);
  if (!click) return;
  play_sound(manifest::Sounds::button);
  wait_mouse_release();
  request_main_menu();
}

// The panel's buttons under the pointer, and what a click does; true when the
// panel is left (for the inventory, a loaded game, or closed).
bool panel_buttons(bool click, bool right) {
  text_output_switch(click);
  choice_boxes(click);
  bool leave = bag_button(click) || hint_button(click);
  log_button(click && !leave);
  if (!leave) quit_button(click);
  if (!leave) main_menu_button(click);
  panel_save_button(click);
  panel_load_button(click);
  if (inv_menu == 0) leave = true;  // a game was loaded
  apply_volumes();
  if (!leave && (right || close_pending())) {
    inv_menu = 0;
    leave = true;
  }
  return leave;
}

}  // namespace

void game_options() {
  take_settings();
  Press left_press, right_press;
  bool leave = false;
  HoverVoice voice;
  while (!leave) {
    platform_hide_pointer();
    pointer_keys(jump_points());
    platform_poll_mouse();
    voice(words_under_pointer(), "", pointer_jumps());
    const bool left = left_press(mouse_b & 1);
    const bool right = right_press(mouse_b & 2);
    const bool click = draw_panel_and_knobs(left);
    leave = panel_buttons(click, right);
    draw_labels();
    mouse_status = carrying_item() ? kModeItem : kModeWalk;
    maus();
    present_with_pointer();
  }
  keep_settings();
}
