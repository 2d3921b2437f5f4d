// The main menu's instructions and options screens.
//
// Both are modal loops over a full-screen picture of "menu.dat" with the
// menu's way of testing areas (mouse_in) and its highlight pictures. They act
// on a button going down, not on a button held: the click that opened a
// screen is usually still held when it starts and must not press whatever
// lies under it there, and a knob is only dragged when it is pressed itself,
// not when a held button slides onto it.
#include "menus/menu_screens.h"

#include <string>

#include "core/pacing.h"
#include "core/read_aloud.h"
#include "core/settings.h"
#include "core/sounds.h"
#include "core/tr.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "frame/click_points.h"
#include "frame/cursor.h"
#include "frame/play_keys.h"
#include "menus/main_menu.h"
#include "menus/sliders.h"
#include "persistence/display_options.h"
#include "persistence/options.h"
#include "persistence/settings.h"
#include "platform/platform.h"

namespace menu_screens {

using screen_layout::Rect;

std::vector<Page> paginate(const std::vector<Topic>& topics, int width, int lines_per_page, const TextWidth& measure) {
  std::vector<Page> pages;
  Page page;
  for (const Topic& topic : topics) {
    Page lines;
    for (const std::string& l : wrap_words(topic.heading, width, measure)) lines.push_back({l, true});
    for (const std::string& l : wrap_words(topic.body, width, measure)) lines.push_back({l, false});
    const size_t needed = lines.size() + (page.empty() ? 0 : 1);
    if (!page.empty() && page.size() + needed > static_cast<size_t>(lines_per_page)) {
      pages.push_back(page);
      page.clear();
    }
    if (!page.empty()) page.push_back({"", false});
    for (const PageLine& l : lines) {
      if (page.size() == static_cast<size_t>(lines_per_page)) {
        pages.push_back(page);
        page.clear();
      }
      page.push_back(l);
    }
  }
  if (!page.empty()) pages.push_back(page);
  return pages;
}

const std::vector<Topic>& instruction_topics() {
  static const std::vector<Topic> topics = {
      {TR("Gehen", "Walking"),
       TR("Klicke auf den Boden, dann geht der Held dorthin. Durch eine Tür oder einen Durchgang gelangt er in den "
          "nächsten Raum.",
          "Click on the floor and the hero walks there. Walk him through a door or a passage to go into the next "
          "room.")},
      {TR("Ansehen, nehmen, benutzen, reden", "Looking, taking, using, talking"),
       TR("Führe den Zeiger über einen Gegenstand oder eine Person: Der Zeiger zeigt, was ein Klick bewirkt. Im "
          "Verbenfeld unten rechts wählst du selbst: gehen, nehmen, benutzen, ansehen, reden.",
          "Move the pointer over an object or a person: the pointer changes to show what a click will do. To choose "
          "the verb yourself, use the verb panel at the bottom right: walk, take, use, look or talk.")},
      {TR("Die Tasche", "The bag"),
       TR("Die Tasche unten links öffnet dein Inventar. Zeige auf einen Gegenstand, um zu lesen, was er ist; ein "
          "Klick hängt ihn an den Zeiger. Benutze ihn im Raum, mit einer Person oder mit einem anderen Gegenstand. "
          "Ein Rechtsklick legt ihn zurück in die Tasche.",
          "The bag at the bottom left opens your inventory. Point at an item to read what it is; a click takes it "
          "onto the pointer. Use it on something in the room, on a person or on another item in the bag. A right "
          "click puts the carried item back into the bag.")},
      {TR("Gespräche", "Conversations"),
       TR("Klicke den Satz an, den der Held sagen soll; die Auswahl erscheint unten am Bildschirm. Ein Klick "
          "überspringt eine Rede.",
          "Click the sentence the hero should say; the choices appear at the bottom of the screen. A click skips a "
          "speech.")},
      {TR("Das Bedienfeld", "The control panel"),
       TR("Der Knopf unten im Inventar öffnet das Bedienfeld: Textgeschwindigkeit, Lautstärke von Musik und "
          "Geräuschen, Spiel speichern, laden und beenden. Ein Rechtsklick schließt Inventar und Bedienfeld.",
          "The button at the bottom of the inventory opens the control panel. There you set the text speed and the "
          "volume of music and sound, save and load your game, and quit. A right click closes the inventory and "
          "the panel.")},
      {TR("Tasten", "Keys"),
       TR("F5 speichert, F7 lädt ein Spiel. P oder Pause hält das Spiel an, eine Taste oder ein Klick geht "
          "weiter. Escape überspringt eine Rede oder eine Szene. F11 oder Alt+Eingabe wechselt zwischen Fenster "
          "und ganzem Bildschirm. Solange Tab gedrückt ist, zeigt der Raum, was sich anklicken lässt. H gibt "
          "einen Tipp, L zeigt, was gesagt wurde. Bild auf und Bild ab springen von Ding zu Ding, Eingabe klickt, "
          "die Rücktaste ist der Rechtsklick; ein Gamepad geht auch. F2 liest vor, was der Zeiger trifft und was gesagt "
          "wird.",
          "F5 saves the game, F7 loads one. P or Pause pauses the game; a key or a click goes on. Escape skips a "
          "speech or a scene. F11 or Alt+Enter switches between a window and the whole screen. While Tab is "
          "held, the room shows what can be clicked. H gives a hint, L shows what was said. Page Up and Page Down jump from thing to "
          "thing, Enter clicks, Backspace is the right click; a gamepad works too. F2 reads aloud what the pointer "
          "is on and what is said.")},
      {TR("Tipps", "Tips"),
       TR("Sieh dir alles an und sprich mit allen. Oft hilft ein Gegenstand aus einem anderen Raum, und manche "
          "Gegenstände lassen sich verbinden.",
          "Look at everything and talk to everyone. A puzzle is often solved with an item from another room, and "
          "some items in the bag can be put together.")},
  };
  return topics;
}

std::vector<Page> instruction_pages() {
  const TextWidth measure = [](const std::string& s) { return text_length(pv_font, s.c_str()); };
  return paginate(instruction_topics(), kInstructLineWidth, kInstructLinesPerPage, measure);
}

namespace {

// A row of text 20 pixels high, centred on a knob row.
Rect slider_row(int left, int right, int knob_y) {
  const int centre = knob_y + screen_layout::kKnobHeight / 2;
  return {left, centre - kLineHeight / 2, right, centre + kLineHeight / 2 - 1};
}

// A row of text 20 pixels high from `left` to `right`, centred on the rows of `beside`.
Rect text_row(int left, int right, const Rect& beside) {
  const int mid = (beside.y1 + beside.y2) / 2;
  return {left, mid - kLineHeight / 2, right, mid + kLineHeight / 2 - 1};
}

constexpr int kLabelLeft = 56;    // the options plate starts at x = 40
constexpr int kLabelRight = 272;  // the row icons start at x = 279
constexpr int kValueLeft = 500;   // the tracks and boxes end at x = 492
constexpr int kValueRight = 590;

// A row with a box the game writes a choice into: the row's name left of its
// icon, the choice in the box, lit while the pointer is over the box.
std::vector<TextBox> choice_row(const char* name, const std::string& choice, const Rect& box, bool lit) {
  const Rect row = text_row(kLabelLeft, kLabelRight, box);
  return {{name, row, Align::kRight, Tone::kBody},
          {choice, {box.x1 + 4, row.y1, box.x2 - 4, row.y2}, Align::kCentre, lit ? Tone::kTitle : Tone::kValue}};
}

}  // namespace

std::vector<TextBox> instructions_texts(const std::vector<Page>& pages, int page) {
  using namespace screen_layout;
  std::vector<TextBox> texts;
  const int count = static_cast<int>(pages.size());
  std::string title = TR("Spielanleitung", "How to play");
  if (count > 1) title += "  " + std::to_string(page + 1) + "/" + std::to_string(count);
  texts.push_back({title, {kInstructText.x1, 16, kInstructText.x2, 51}, Align::kCentre, Tone::kTitle});
  if (page >= 0 && page < count) {
    const int x1 = kInstructText.x1 + kInstructMargin;
    int y = kInstructText.y1 + kInstructMargin;
    for (const PageLine& line : pages[page]) {
      if (!line.text.empty())
        texts.push_back({line.text, {x1, y, x1 + kInstructLineWidth - 1, y + kLineHeight - 1}, Align::kLeft,
                         line.heading ? Tone::kHeading : Tone::kBody});
      y += kLineHeight;
    }
  }
  texts.push_back({TR("Zurück", "Back"), screen_layout::label_space(kInstructBack), Align::kCentre, Tone::kTitle});
  if (count > 1) {
    const int next = (page + 1) % count;
    texts.push_back({std::string(TR("Seite ", "Page ")) + std::to_string(next + 1), screen_layout::label_space(kInstructSecond),
                     Align::kCentre, Tone::kTitle});
  }
  return texts;
}

std::vector<TextBox> options_texts(int speed, int music, int effects, int output) {
  using namespace screen_layout;
  std::vector<TextBox> texts;
  texts.push_back({TR("Optionen", "Options"), kMenuOptTitle, Align::kCentre, Tone::kTitle});
  const char* const names[3] = {TR("Textgeschwindigkeit", "Text speed"), TR("Musik", "Music"),
                                TR("Geräusche", "Sound effects")};
  const int values[3] = {speed, music, effects};
  for (int i = 0; i < 3; ++i) {
    texts.push_back({names[i], slider_row(kLabelLeft, kLabelRight, kMenuSliderY[i]), Align::kRight, Tone::kBody});
    texts.push_back(
        {std::to_string(values[i]), slider_row(kValueLeft, kValueRight, kMenuSliderY[i]), Align::kLeft, Tone::kValue});
  }
  texts.push_back({TR("Textausgabe", "Text output"), text_row(kLabelLeft, kLabelRight, kMenuOptSwitch), Align::kRight,
                   Tone::kBody});
  texts.push_back({output ? TR("An", "On") : TR("Aus", "Off"), text_row(kMenuOptSwitch.x2 + 12, kValueRight, kMenuOptSwitch),
                   Align::kLeft, Tone::kValue});
  texts.push_back({"OK", screen_layout::label_space(kMenuOptOk), Align::kCentre, Tone::kTitle});
  texts.push_back({TR("Abbrechen", "Cancel"), screen_layout::label_space(kMenuOptCancel), Align::kCentre, Tone::kTitle});
  return texts;
}

std::vector<TextBox> scale_texts(int setting, int largest, const window_fit::Placement& fill, bool lit) {
  const std::string choice = setting == window_fit::kFill ? std::string(TR("Ausfüllen", "Fill"))
                             : setting > 0 ? std::to_string(setting) + "x"
                                           : TR("Automatisch (", "Automatic (") + std::to_string(largest) + "x)";
  std::vector<TextBox> texts = choice_row(TR("Fenstergröße", "Window size"), choice, screen_layout::kMenuOptScale, lit);
  texts.push_back({window_size_text(setting, largest, fill),
                   text_row(kValueLeft, kValueRight, screen_layout::kMenuOptScale), Align::kLeft, Tone::kValue});
  return texts;
}

std::string window_size_text(int setting, int largest, const window_fit::Placement& fill) {
  if (setting == window_fit::kFill) return std::to_string(fill.w) + " x " + std::to_string(fill.h);
  const int factor = setting > 0 ? setting : largest;
  return std::to_string(screen_layout::kScreenWidth * factor) + " x " +
         std::to_string(screen_layout::kScreenHeight * factor);
}

std::vector<TextBox> subtitle_texts(int large, int band, int lit) {
  std::vector<TextBox> texts = choice_row(TR("Untertitelgröße", "Subtitle size"),
                                          large ? TR("Groß", "Large") : TR("Normal", "Normal"),
                                          screen_layout::kMenuOptSubtitleSize, lit == 0);
  for (TextBox& t : choice_row(TR("Untertitel-Hintergrund", "Subtitle band"), band ? TR("An", "On") : TR("Aus", "Off"),
                               screen_layout::kMenuOptSubtitleBand, lit == 1))
    texts.push_back(t);
  return texts;
}

std::vector<TextBox> help_texts(int hints, int until_clicked, int lit) {
  std::vector<TextBox> texts = choice_row(TR("Tipps", "Hints"), hints ? TR("An", "On") : TR("Aus", "Off"),
                                          screen_layout::kMenuOptHints, lit == 0);
  for (TextBox& t : choice_row(TR("Text", "Text"), until_clicked ? TR("bis zum Klick", "until clicked")
                                                                 : TR("nach Zeit", "timed"),
                               screen_layout::kMenuOptTextWait, lit == 1))
    texts.push_back(t);
  return texts;
}

std::vector<TextBox> access_texts(int speech, int pause_when_away, int lit) {
  std::vector<TextBox> texts = choice_row(TR("Vorlesen", "Read aloud"), speech ? TR("An", "On") : TR("Aus", "Off"),
                                          screen_layout::kMenuOptSpeech, lit == 0);
  const char* const pause = pause_when_away == 0   ? TR("nie", "never")
                            : pause_when_away == 1 ? TR("immer", "always")
                                                   : TR("im Vollbild", "in full screen");
  for (TextBox& t : choice_row(TR("Pause im Hintergrund", "Pause when away"), pause, screen_layout::kMenuOptPauseAway,
                               lit == 1))
    texts.push_back(t);
  return texts;
}

int next_pause_when_away(int setting) {
  return setting == 0 ? 2 : setting == 2 ? 1 : 0;
}

std::string options_words_at(const std::vector<TextBox>& texts, int mx, int my) {
  for (size_t i = 0; i < texts.size(); ++i) {
    const TextBox& t = texts[i];
    // A row: its name on the left, its choice or value after it, the row's height from the name's left edge
    // to the screen's right edge under the pointer.
    const bool named = t.tone == Tone::kBody && t.align == Align::kRight && i + 1 < texts.size() &&
                       texts[i + 1].tone != Tone::kBody;
    if (named && my >= t.box.y1 - 4 && my <= t.box.y2 + 4 && mx >= t.box.x1)
      return t.text + ": " + texts[i + 1].text;
    if (t.tone == Tone::kTitle && t.box.y1 > screen_layout::kMenuOptPlate.y2 && t.box.contains(mx, my)) return t.text;
  }
  return "";
}

int next_scale(int setting, int largest) {
  if (setting == largest) return window_fit::kFill;
  if (setting < 0 || setting > largest) return 0;
  return setting + 1;
}

}  // namespace menu_screens

namespace {

using namespace screen_layout;
using namespace menu_screens;

int tone_colour(Tone tone) {
  switch (tone) {
    case Tone::kTitle:
      return makecol(255, 236, 170);
    case Tone::kHeading:
      return makecol(255, 200, 110);
    case Tone::kValue:
      return makecol(170, 220, 255);
    case Tone::kBody:
      break;
  }
  return makecol(232, 238, 250);
}

void draw_texts(const std::vector<TextBox>& texts) {
  const int h = text_height(pv_font);
  for (const TextBox& t : texts) {
    const int w = text_length(pv_font, t.text.c_str());
    int x = t.box.x1;
    if (t.align == Align::kCentre) x = t.box.x1 + (t.box.width() - w) / 2;
    if (t.align == Align::kRight) x = t.box.x2 + 1 - w;
    outlined_text(t.text.c_str(), x, t.box.y1 + (t.box.height() - h) / 2, tone_colour(t.tone));
  }
}

void present_with_pointer() {
  platform_show_pointer(memory_screen);
  platform_present(memory_screen, kScreenWidth, kScreenHeight);
  platform_hide_pointer();
}

void draw_at(BITMAP* picture, Point at) {
  draw_sprite(memory_screen, picture, at.x, at.y);
}

// ---- Options ------------------------------------------------------------------

int* slider_setting(int i) {
  int* const settings[3] = {&tmp_text_speed, &tmp_music_vol, &tmp_wave_vol};
  return settings[i];
}

sliders::Kind slider_kind(int i) {
  return i == 0 ? sliders::Kind::kTextSpeed : sliders::Kind::kVolume;
}

int knob_x(int i) {
  return sliders::value_to_x(slider_kind(i), *slider_setting(i));
}

bool pointer_on_knob(int i) {
  return sliders::pointer_on_knob(knob_x(i), kMenuSliderY[i], mouse_x, mouse_y);
}

// Reading aloud was turned on here and speech-dispatcher is missing: the screen says so under OK and Cancel.
bool no_speech = false;

// The whole options screen for the working values. While slider `dragged` is
// being dragged its knob is drawn lit at `dragged_x` and nothing else lights up.
void draw_options(int dragged, int dragged_x) {
  blit(main_options_bmp, memory_screen, 0, 0, 0, 0, kScreenWidth, kScreenHeight);
  const bool hover = dragged < 0;
  if (!tmp_text_output) draw_at(main_opt_off, kMenuOptSwitchPos);
  if (hover && mouse_in(kMenuOptSwitch)) draw_at(tmp_text_output ? main_opt_on_on : main_opt_off_on, kMenuOptSwitchPos);
  for (int i = 0; i < 3; ++i) {
    const bool lit = i == dragged || (hover && pointer_on_knob(i));
    draw_sprite(memory_screen, lit ? controller_on : controller_bmp, i == dragged ? dragged_x : knob_x(i),
                kMenuSliderY[i]);
  }
  if (hover && mouse_in(kMenuOptOk)) draw_at(main_opt_ok_on, kMenuOptOkHighlightPos);
  if (hover && mouse_in(kMenuOptCancel)) draw_at(main_opt_cancel_on, kMenuOptCancelHighlightPos);
  draw_texts(options_texts(tmp_text_speed, tmp_music_vol, tmp_wave_vol, tmp_text_output));
  const int lit_box = !hover ? -1 : mouse_in(kMenuOptSubtitleSize) ? 0 : mouse_in(kMenuOptSubtitleBand) ? 1 : -1;
  draw_texts(subtitle_texts(settings::large_subtitles, settings::subtitle_band, lit_box));
  const int lit_help = !hover ? -1 : mouse_in(kMenuOptHints) ? 0 : mouse_in(kMenuOptTextWait) ? 1 : -1;
  draw_texts(help_texts(settings::hints, settings::text_until_clicked, lit_help));
  draw_texts(scale_texts(tmp_window_scale, platform_largest_scale(), platform_fill_window(), hover && mouse_in(kMenuOptScale)));
  const int lit_access = !hover ? -1 : mouse_in(kMenuOptSpeech) ? 0 : mouse_in(kMenuOptPauseAway) ? 1 : -1;
  draw_texts(access_texts(settings::speech, settings::pause_when_away, lit_access));
  if (no_speech) {
    const TwoLines why = no_speech_lines();
    std::string line = why.first;
    line.append(" ").append(why.second);
    draw_texts({{line, {0, 446, kScreenWidth - 1, 465}, Align::kCentre, Tone::kHeading}});
  }
}

// Every text of the options screen as it stands, in the order the rows are read: for what is read aloud.
std::vector<TextBox> all_options_texts() {
  std::vector<TextBox> texts = help_texts(settings::hints, settings::text_until_clicked, -1);
  for (const auto& more : {options_texts(tmp_text_speed, tmp_music_vol, tmp_wave_vol, tmp_text_output),
                           access_texts(settings::speech, settings::pause_when_away, -1),
                           subtitle_texts(settings::large_subtitles, settings::subtitle_band, -1),
                           scale_texts(tmp_window_scale, platform_largest_scale(), platform_fill_window(), false)})
    texts.insert(texts.end(), more.begin(), more.end());
  return texts;
}

bool pointer_on_track(int i) {
  return sliders::pointer_on_track(kMenuSliderY[i], mouse_x, mouse_y);
}

// Drags the knob of slider `i`, pressed on its knob or beside it on its track
// (the knob first comes to the pointer), until the left button is released.
// The setting follows the knob at once, and a volume is heard at once. A knob
// let go where it was picked up keeps its setting: reading the position back
// would round a volume down (128 shows at 395, which reads 127).
void drag_slider(int i) {
  const auto set = [i](int value) {
    if (value == *slider_setting(i)) return;
    *slider_setting(i) = value;
    if (slider_kind(i) == sliders::Kind::kVolume) platform_set_volume(tmp_wave_vol, tmp_music_vol);
  };
  int start_x = knob_x(i);
  if (!pointer_on_knob(i)) {
    start_x = sliders::knob_x_for_pointer(mouse_x);
    set(sliders::x_to_value(slider_kind(i), start_x));
  }
  const int start_value = *slider_setting(i);
  controller_y = kMenuSliderY[i];
  do {
    platform_poll_mouse();
    controller_x = sliders::knob_x_for_pointer(mouse_x);
    set(controller_x == start_x ? start_value : sliders::x_to_value(slider_kind(i), controller_x));
    draw_options(i, controller_x);
    present_with_pointer();
  } while (mouse_b & 1);
  wait_mouse_release();
}

// ---- Instructions -------------------------------------------------------------

void draw_instructions(const std::vector<Page>& pages, int page) {
  blit(main_instruct_bmp, memory_screen, 0, 0, 0, 0, kScreenWidth, kScreenHeight);
  if (mouse_in(kInstructBack)) draw_at(inst_back_on, kInstructBackHighlightPos);
  if (pages.size() > 1 && mouse_in(kInstructSecond)) draw_at(inst_gi_on, kInstructSecondHighlightPos);
  draw_texts(instructions_texts(pages, page));
}

}  // namespace

void show_instructions() {
  const std::vector<Page> pages = instruction_pages();
  int page = 0;
  Press left_press, right_press;
  for (;;) {
    platform_poll_mouse();
    const bool left = left_press(mouse_b & 1);
    const bool right = right_press(mouse_b & 2);
    draw_instructions(pages, page);
    present_with_pointer();
    // Back, or a right click anywhere: the menu waits for the release.
    if (left && mouse_in(kInstructBack)) play_sound(manifest::Sounds::button);
    if ((left && mouse_in(kInstructBack)) || right) return;
    if (left && pages.size() > 1 && mouse_in(kInstructSecond)) {
      play_sound(manifest::Sounds::button);
      page = (page + 1) % static_cast<int>(pages.size());
      wait_mouse_release();
    }
  }
}

namespace {

// The options screen works on copies of the settings of options.sav and
// display.sav (tmp_...) and on the player's settings themselves, kept here
// for Cancel.
int kept_settings[settings::kCount];

void take_options() {
  take_working_options();
  tmp_window_scale = window_scale;
  for (int i = 0; i < settings::kCount; ++i) kept_settings[i] = *settings::kEntries[i].value;
}

// OK: the settings kept and written at once, so that no way out of the game
// loses them; a new window size kept in its own file and shown at once.
void keep_options() {
  keep_working_options();
  save_options();
  save_settings();
  if (tmp_window_scale != window_scale) {
    window_scale = tmp_window_scale;
    save_display_options();
    platform_set_scale(window_scale);
  }
}

// Cancel: back to what was there before, including what the player heard.
void restore_options() {
  take_working_options();
  tmp_window_scale = window_scale;
  for (int i = 0; i < settings::kCount; ++i) *settings::kEntries[i].value = kept_settings[i];
  platform_set_volume(wave_vol, music_vol);
  follow_speech_setting();
}

// Reading aloud turned over, heard at once: this screen reads its rows as soon as it is on.
void switch_reading_aloud() {
  no_speech = !switch_speech();
}

// A press on the switch or on a box takes its next choice; false when the
// press was on none of them.
bool next_choice() {
  if (mouse_in(kMenuOptSwitch))
    tmp_text_output = tmp_text_output ? 0 : 1;
  else if (mouse_in(kMenuOptSubtitleSize))
    settings::large_subtitles = settings::large_subtitles ? 0 : 1;
  else if (mouse_in(kMenuOptSubtitleBand))
    settings::subtitle_band = settings::subtitle_band ? 0 : 1;
  else if (mouse_in(kMenuOptScale))
    tmp_window_scale = next_scale(tmp_window_scale, platform_largest_scale());
  else if (mouse_in(kMenuOptHints))
    settings::hints = settings::hints ? 0 : 1;
  else if (mouse_in(kMenuOptTextWait))
    settings::text_until_clicked = settings::text_until_clicked ? 0 : 1;
  else if (mouse_in(kMenuOptSpeech))
    switch_reading_aloud();
  else if (mouse_in(kMenuOptPauseAway))
    settings::pause_when_away = next_pause_when_away(settings::pause_when_away);
  else
    return false;
  play_sound(manifest::Sounds::button);
  wait_mouse_release();
  return true;
}

// Where the jumps of Page Up / Page Down stop: every box, the switch, OK and Cancel.
std::vector<Point> options_jump_points() {
  std::vector<Point> points;
  for (const Rect& r : {kMenuOptHints, kMenuOptTextWait, kMenuOptSwitch, kMenuOptSpeech, kMenuOptSubtitleSize,
                        kMenuOptSubtitleBand, kMenuOptScale, kMenuOptPauseAway, kMenuOptOk, kMenuOptCancel})
    points.push_back({r.mid_x(), r.mid_y()});
  return points;
}

}  // namespace

void show_main_options() {
  take_options();
  no_speech = false;
  Press left_press, right_press;
  HoverVoice voice;
  for (;;) {
    pointer_keys(options_jump_points());
    platform_poll_mouse();
    const bool left = left_press(mouse_b & 1);
    const bool right = right_press(mouse_b & 2);
    voice(options_words_at(all_options_texts(), mouse_x, mouse_y), "", pointer_jumps());
    draw_options(-1, 0);
    present_with_pointer();
    int grabbed = -1;
    for (int i = 0; i < 3 && grabbed < 0; ++i)
      if (left && (pointer_on_knob(i) || pointer_on_track(i))) grabbed = i;
    if (grabbed >= 0) {
      drag_slider(grabbed);
    } else if (left && next_choice()) {
      continue;
    } else if (left && mouse_in(kMenuOptOk)) {
      play_sound(manifest::Sounds::button);
      keep_options();
      return;
    } else if ((left && mouse_in(kMenuOptCancel)) || right) {
      if (left) play_sound(manifest::Sounds::button);
      restore_options();
      return;
    }
  }
}
