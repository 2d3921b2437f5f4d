#include "menus/main_menu.h"

#include <cstdio>
#include <utility>

#include "core/datafiles.h"
#include "core/hardware.h"
#include "core/makers.h"
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
#include "persistence/options.h"
#include "persistence/saved_games.h"
#include "persistence/settings.h"
#include "platform/platform.h"
#include "platform/speech.h"

namespace {

// The pictures carry no words; the buttons are labelled in the build's language.
using namespace screen_layout;

// The label is centred in the face beside the button's icon.
void label_at(BITMAP* picture, const Rect& hot, Point at, const char* text) {
  const Rect face = label_space(hot);
  const int at_x = at.x;
  const int at_y = at.y;
  const int cx = (face.x1 + face.x2 + 1) / 2 - at_x;
  const int cy = (face.y1 + face.y2 + 1) / 2 - at_y - text_height(pv_font) / 2;
  BITMAP* keep = memory_screen;
  memory_screen = picture;
  outlined_text(text, cx - text_length(pv_font, text) / 2, cy, makecol(255, 236, 170));
  memory_screen = keep;
}

void label(BITMAP* picture, MenuButton b, bool highlight) {
  label_at(picture, kMenuHot[b], highlight ? kMenuHighlightPos[b] : Point{0, 0}, menu_label(b));
}

// Load game: its face and lit face are New game's, moved down into the free
// band, with New game's icon covered by the face beside it and an arrow of
// its own.
BITMAP* mm_load = nullptr;
constexpr int kLoadShift = kMenuLoadHot.y1 - kMenuHot[kMenuNew].y1;
constexpr Point kMenuLoadHighlightPos{kMenuHighlightPos[kMenuNew].x, kMenuHighlightPos[kMenuNew].y + kLoadShift};

void load_button_icon(BITMAP* picture, Point at) {
  const Rect& hot = kMenuLoadHot;
  const int x = hot.x1 - at.x, y = hot.y1 - at.y, h = hot.height();
  stretch_blit(picture, picture, x + 36, y, 3, h, x + 4, y, 32, h);
  const int cy = y + h / 2, colour = makecol(232, 244, 255);
  triangle(picture, x + 12, cy - 9, x + 12, cy + 9, x + 27, cy, colour);
  rectfill(picture, x + 28, cy - 9, x + 30, cy + 9, colour);
}

void make_load_button() {
  const Point lit = kMenuHighlightPos[kMenuNew];
  blit(menu_bmp, menu_bmp, lit.x, lit.y, kMenuLoadHighlightPos.x, kMenuLoadHighlightPos.y, mm_new->w, mm_new->h);
  load_button_icon(menu_bmp, {0, 0});
  mm_load = create_bitmap(mm_new->w, mm_new->h);
  blit(mm_new, mm_load, 0, 0, 0, 0, mm_new->w, mm_new->h);
  load_button_icon(mm_load, kMenuLoadHighlightPos);
}

// Continue and Load game side by side: each a narrow copy of New game's face
// (its ends as they are, its plain middle stretched between them), with the
// label alone. A face is taken with a margin of kFaceMargin around its area.
constexpr int kFaceMargin = 3;
BITMAP* mm_continue = nullptr;
BITMAP* mm_load_beside = nullptr;
BITMAP* continue_face = nullptr;
BITMAP* load_beside_face = nullptr;

Point face_origin(const Rect& hot) {
  return {hot.x1 - kFaceMargin, hot.y1 - kFaceMargin};
}

// New game's face `from` (its area with the margin) made as wide as `hot`.
BITMAP* narrow_face(BITMAP* from, const Rect& hot, const char* words) {
  const int w = hot.width() + 2 * kFaceMargin, h = from->h;
  constexpr int kLeftEnd = kFaceMargin + 4;  // the icon begins 4 pixels into the face
  constexpr int kRightEnd = kFaceMargin + 10;
  BITMAP* face = create_bitmap(w, h);
  blit(from, face, 0, 0, 0, 0, kLeftEnd, h);
  blit(from, face, from->w - kRightEnd, 0, w - kRightEnd, 0, kRightEnd, h);
  stretch_blit(from, face, from->w / 2, 0, 4, h, kLeftEnd, 0, w - kLeftEnd - kRightEnd, h);
  BITMAP* keep = memory_screen;
  memory_screen = face;
  outlined_text(words, (w - text_length(pv_font, words)) / 2, (h - text_height(pv_font)) / 2, makecol(255, 236, 170));
  memory_screen = keep;
  return face;
}

void make_buttons_side_by_side() {
  const Rect& new_hot = kMenuHot[kMenuNew];
  const Point from = face_origin(new_hot);
  const int w = new_hot.width() + 2 * kFaceMargin, h = new_hot.height() + 2 * kFaceMargin;
  BITMAP* plain = create_bitmap(w, h);
  blit(menu_bmp, plain, from.x, from.y, 0, 0, w, h);
  BITMAP* lit = create_bitmap(w, h);
  clear_to_color(lit, bitmap_mask_color(lit));
  draw_sprite(lit, mm_new, kMenuHighlightPos[kMenuNew].x - from.x, kMenuHighlightPos[kMenuNew].y - from.y);
  continue_face = narrow_face(plain, kMenuContinueHot, menu_continue_label());
  load_beside_face = narrow_face(plain, kMenuLoadBesideHot, menu_load_label());
  mm_continue = narrow_face(lit, kMenuContinueHot, menu_continue_label());
  mm_load_beside = narrow_face(lit, kMenuLoadBesideHot, menu_load_label());
  for (auto [face, hot] : {std::pair{continue_face, kMenuContinueHot}, std::pair{load_beside_face, kMenuLoadBesideHot}})
    blit(face, menu_bmp, 0, 0, face_origin(hot).x, face_origin(hot).y, face->w, face->h);
  destroy_bitmap(plain);
  destroy_bitmap(lit);
}

void forget_band_pictures() {
  for (BITMAP** b : {&mm_load, &mm_continue, &mm_load_beside, &continue_face, &load_beside_face}) {
    if (*b) destroy_bitmap(*b);
    *b = nullptr;
  }
}

bool offers_continue = false;

void label_menu_pictures() {
  if (offers_continue) {
    make_buttons_side_by_side();
  } else {
    make_load_button();
    label_at(menu_bmp, kMenuLoadHot, {0, 0}, menu_load_label());
    label_at(mm_load, kMenuLoadHot, kMenuLoadHighlightPos, menu_load_label());
  }
  BITMAP* const lit[kMenuButtonCount] = {mm_new, mm_inst, mm_opti, mm_cred, mm_quit};
  for (int b = 0; b < kMenuButtonCount; ++b) {
    label(menu_bmp, static_cast<MenuButton>(b), false);
    label(lit[b], static_cast<MenuButton>(b), true);
  }
}

// A failed Continue is said under the title for as long as the menu is up.
void say_on_menu(const char* words) {
  BITMAP* keep = memory_screen;
  memory_screen = menu_bmp;
  outlined_text(words, (kScreenWidth - text_length(pv_font, words)) / 2, 110, makecol(255, 150, 120));
  memory_screen = keep;
}

// Reading aloud is asked for and speech-dispatcher is missing: said under the title.
void say_no_speech() {
  const TwoLines why = no_speech_lines();
  std::string line = why.first;
  line.append(" ").append(why.second);
  say_on_menu(line.c_str());
}

void present_with_pointer() {
  platform_show_pointer(memory_screen);
  platform_present(memory_screen, kScreenWidth, kScreenHeight);
  platform_hide_pointer();
}

void restore_background() {
  blit(menu_bmp, memory_screen, 0, 0, 0, 0, kScreenWidth, kScreenHeight);
}

void draw_highlight(BITMAP* picture, MenuButton b) {
  draw_sprite(memory_screen, picture, kMenuHighlightPos[b].x, kMenuHighlightPos[b].y);
}

bool mouse_over(MenuButton b) {
  return mouse_in(kMenuHot[b]);
}

}  // namespace

const char* menu_load_label() {
  return TR("Spiel laden", "Load game");
}

const char* menu_continue_label() {
  return TR("Fortsetzen", "Continue");
}

bool menu_offers_continue() {
  return offers_continue;
}

const Rect& menu_load_area() {
  return offers_continue ? kMenuLoadBesideHot : kMenuLoadHot;
}

bool loaded_from_menu = false;

bool game_loaded_from_menu() {
  return loaded_from_menu;
}

const char* menu_label(MenuButton b) {
  switch (b) {
    case kMenuNew:
      return TR("Neues Spiel", "New game");
    case kMenuInstructions:
      return TR("Anleitung", "Instructions");
    case kMenuOptions:
      return TR("Optionen", "Options");
    case kMenuCredits:
      return TR("Mitwirkende", "Credits");
    case kMenuQuit:
      return TR("Beenden", "Quit");
  }
  return "";
}

std::vector<std::string> farewell_lines() {
  using namespace makers;
  return {"",
          std::string("Pelvaro - (c) 2027 ") + kStudio + ". All rights reserved.",
          "Credits:",
          std::string("Programming, graphics, animations: ") + kProgrammer,
          std::string("Further graphics: ") + kArtists[0] + ", " + kArtists[1] + ", " + kArtists[2],
          std::string("Music and sound: ") + kComposer,
          std::string("Visit ") + kStudio + " on the web for news about the game.",
          "Thank you for playing Pelvaro!"};
}

bool mouse_in(const Rect& a) {
  return mouse_x > a.x1 && mouse_x <= a.x2 && mouse_y > a.y1 && mouse_y <= a.y2;
}

void main_menu() {
  load_menu_data();
  offers_continue = autosave_exists();
  loaded_from_menu = false;
  label_menu_pictures();
  if (settings::speech == 1 && !speech_started()) say_no_speech();
  platform_set_pointer(cursor, 0, 0);
  clear_bitmap(memory_screen);
  platform_present(memory_screen, kScreenWidth, kScreenHeight);
  show_menu();
  // The click that left the menu (New game, Continue, a loaded slot) ends
  // here: the game must not take it for a click into the room.
  wait_mouse_release();
  unload_menu_data();
  forget_band_pictures();
}

namespace {

// What the menu does after a pass: goes on offering its buttons, or is left
// for a game (a new one, the one continued, a loaded one).
enum class MenuState { kChoosing, kGameChosen };

// Continue takes up the game played last; a damaged one is said under the
// title and the menu stays.
MenuState continue_button(bool left) {
  restore_background();  // New game lies close above: no highlight of it may stay
  draw_sprite(memory_screen, mm_continue, face_origin(kMenuContinueHot).x, face_origin(kMenuContinueHot).y);
  if (!left) return MenuState::kChoosing;
  play_sound(manifest::Sounds::button);
  const int result = load_latest_game();
  loaded_from_menu = result == 0;
  if (loaded_from_menu) return MenuState::kGameChosen;
  // Its file may have gone since the menu opened (deleted from outside).
  say_on_menu(result == kLoadCannotWrite ? load_failure_text(result)
              : result == kLoadMissing
                  ? TR("Das zuletzt gespielte Spiel ist nicht mehr da.", "The game played last is no longer there.")
                  : TR("Das zuletzt gespielte Spiel ist beschädigt und wurde nicht geladen.",
                       "The game played last is damaged and was not loaded."));
  wait_mouse_release();
  restore_background();
  return MenuState::kChoosing;
}

// Load game opens the load screen; the menu is left when a slot was loaded.
MenuState load_button(bool left) {
  restore_background();
  if (offers_continue)
    draw_sprite(memory_screen, mm_load_beside, face_origin(kMenuLoadBesideHot).x, face_origin(kMenuLoadBesideHot).y);
  else
    draw_sprite(memory_screen, mm_load, kMenuLoadHighlightPos.x, kMenuLoadHighlightPos.y);
  if (!left) return MenuState::kChoosing;
  play_sound(manifest::Sounds::button);
  loaded_from_menu = game_load() == 1;
  if (loaded_from_menu) return MenuState::kGameChosen;
  wait_mouse_release();
  restore_background();
  return MenuState::kChoosing;
}

// Instructions, options and credits: a screen of its own over the menu, which
// comes back when it closes.
void screen_button(MenuButton b, BITMAP* lit, bool left, void (*screen)()) {
  draw_highlight(lit, b);
  if (!left) return;
  play_sound(manifest::Sounds::button);
  screen();
  wait_mouse_release();
  restore_background();
}

// The button under the pointer lit, and what a left press on it does.
MenuState menu_pass(bool left) {
  if (mouse_over(kMenuNew)) {
    draw_highlight(mm_new, kMenuNew);
    if (!left) return MenuState::kChoosing;
    play_sound(manifest::Sounds::button);
    return MenuState::kGameChosen;
  }
  if (offers_continue && mouse_in(kMenuContinueHot)) return continue_button(left);
  if (mouse_in(menu_load_area())) return load_button(left);
  if (mouse_over(kMenuInstructions)) {
    screen_button(kMenuInstructions, mm_inst, left, show_instructions);
  } else if (mouse_over(kMenuOptions)) {
    screen_button(kMenuOptions, mm_opti, left, show_main_options);
  } else if (mouse_over(kMenuCredits)) {
    screen_button(kMenuCredits, mm_cred, left, show_credits);
  } else if (mouse_over(kMenuQuit)) {
    draw_highlight(mm_quit, kMenuQuit);
    if (left) quit_from_menu();
  } else {
    restore_background();
  }
  return MenuState::kChoosing;
}

// The name of the button under the pointer, read aloud; "" for none.
std::string button_under_pointer() {
  if (mouse_over(kMenuNew)) return menu_label(kMenuNew);
  if (offers_continue && mouse_in(kMenuContinueHot)) return menu_continue_label();
  if (mouse_in(menu_load_area())) return menu_load_label();
  for (MenuButton b : {kMenuInstructions, kMenuOptions, kMenuCredits, kMenuQuit})
    if (mouse_over(b)) return menu_label(b);
  return "";
}

// The middle of every button, where the jumps of Page Up / Page Down stop.
std::vector<Point> button_points() {
  std::vector<Point> points;
  const auto add = [&](const Rect& r) { points.push_back({r.mid_x(), r.mid_y()}); };
  for (const Rect& r : kMenuHot) add(r);
  if (offers_continue) add(kMenuContinueHot);
  add(menu_load_area());
  return points;
}

// The keys of the menu for a player who cannot aim a mouse or see the screen: the jumps from button to
// button and Enter; F2 turns reading aloud over (kept at once), and says under the title when there is no speech.
void menu_keys(HoverVoice& voice) {
  if (pointer_keys(button_points()) != KeyAsk::speech) return;
  const bool speaks = switch_speech();
  save_settings();
  voice.forget();
  if (!speaks) say_no_speech();
}

}  // namespace

void show_menu() {
  restore_background();
  MenuState state = MenuState::kChoosing;
  HoverVoice voice;
  while (state == MenuState::kChoosing) {
    menu_keys(voice);
    platform_poll_mouse();
    voice(button_under_pointer(), "", pointer_jumps());
    state = menu_pass(mouse_b & 1);
    draw_sprite(memory_screen, (mouse_b & 1) ? eyes_closed : eyes_open, kMenuEyesPos.x, kMenuEyesPos.y);
    present_with_pointer();
  }
}

namespace {

// The credits: the cards on their grid, Back lit under the pointer and labelled.
void draw_credits() {
  blit(credits_bmp, memory_screen, 0, 0, 0, 0, kScreenWidth, kScreenHeight);
  draw_sprite(memory_screen, credits_coding, kCreditsCodingPos.x, kCreditsCodingPos.y);
  draw_sprite(memory_screen, credits_graphics, kCreditsGraphicsPos.x, kCreditsGraphicsPos.y);
  draw_sprite(memory_screen, credits_sound, kCreditsSoundPos.x, kCreditsSoundPos.y);
  if (mouse_in(kCreditsBack))
    draw_sprite(memory_screen,
                datafile_bitmap(menu_dat, manifest::at(manifest::Menu::credits_back_on), manifest::kMenuFile.name),
                kCreditsBackHighlightPos.x, kCreditsBackHighlightPos.y);
  const Rect face = label_space(kCreditsBack);
  const char* const back = TR("Zurück", "Back");
  outlined_text(back, face.x1 + (face.width() - text_length(pv_font, back)) / 2,
                face.y1 + (face.height() - text_height(pv_font)) / 2, makecol(255, 236, 170));
}

// Escape among the keys typed since the last look.
bool escape_typed() {
  bool escape = false;
  while (platform_keypressed()) escape = key_ask(platform_readkey()) == KeyAsk::skip || escape;
  return escape;
}

}  // namespace

void show_credits() {
  wait_mouse_release();
  drop_keys();
  Press left_press, right_press;
  for (;;) {
    platform_poll_mouse();
    const bool left = left_press(mouse_b & 1);
    const bool right = right_press(mouse_b & 2);
    draw_credits();
    present_with_pointer();
    // Back, a right click anywhere or Escape: the menu waits for the release.
    if ((left && mouse_in(kCreditsBack)) || right || escape_typed()) {
      play_sound(manifest::Sounds::button);
      return;
    }
  }
}

void quit_from_menu() {
  platform_stop_midi();
  save_options();
  clear_bitmap(memory_screen);
  platform_present(memory_screen, kScreenWidth, kScreenHeight);
  platform_text_mode();
  for (const std::string& line : farewell_lines()) std::printf("%s\n", line.c_str());
  std::fflush(stdout);
  platform_exit(ExitStatus::game_end);
}
