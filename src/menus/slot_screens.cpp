// The save and load screens and the typing of a slot's name.
//
// Both screens lie over the frame that was on screen when they opened (the
// room, or the main menu): the panel picture, the ten slot names (slot s's
// character i at x = 150 + 10 i, y = 150 + 15 s; the line under the pointer
// in the highlight colour), an OK button back to the game and a back button
// to the control panel. They act on a button going down, so the click that
// opened a screen does not press what lies under it there.
#include <array>
#include <cstring>
#include <ctime>
#include <string>
#include <utility>

#include <sys/stat.h>

#include "core/close_request.h"
#include "core/hardware.h"
#include "core/pacing.h"
#include "core/screen_layout.h"
#include "core/tr.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "persistence/saved_games.h"
#include "persistence/slot_info.h"
#include "platform/platform.h"
#include "rooms/registry.h"

namespace {

using namespace screen_layout;

constexpr int kNameColour = 255;
constexpr int kHoverColour = kPersonColour;
constexpr int kKeyBackspace = 8;
constexpr int kKeyEnter = 13;
constexpr int kKeyEscape = 27;

int line_y(int slot) {
  return kSlotLineY0 + kSlotLineStep * slot;
}

// The line under the pointer, -1 for none.
int slot_under_mouse() {
  for (int s = 0; s < kSaveSlots; ++s)
    if (mouse_x > 160 && mouse_x < 460 && mouse_y > line_y(s) && mouse_y < line_y(s) + 20) return s;
  return -1;
}

bool in(const Rect& r) {
  return mouse_x > r.x1 && mouse_x <= r.x2 && mouse_y > r.y1 && mouse_y <= r.y2;
}

// A name's letters one by one on slot s's line, letter i at x = 150 + 10 i.
// Names are UTF-8, so "ä" is one letter of two bytes.
void draw_letters(const std::string& name, int slot, int colour) {
  const char* at = name.c_str();
  for (int i = 0; *at; ++i) {
    char letter[8];
    letter[usetc(letter, ugetxc(&at))] = 0;
    textout_ex(memory_screen, pv_font, letter, kSlotLineX + 10 * i, line_y(slot), colour, -1);
  }
}

// Slot s's stored name: its 30 bytes, blank-padded.
std::string stored_name(int slot) {
  return std::string(save_name[slot], kSlotNameLen);
}

// The characters a name may take: letters and digits of ASCII, the blank,
// and the letters of Latin-1 (ä, ö, ü, ß, é, ...), which the font draws. A
// key's character arrives in the low byte of platform_readkey: the library
// gives a Latin-1 character there as its own code.
bool name_character(int c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' ||
         (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);  // not the signs × and ÷
}

// A screen's picture and its words: its title, and a message under it.
void draw_screen(BITMAP* background, BITMAP* panel, const char* title, const std::string& message) {
  blit(background, memory_screen, 0, 0, 0, 0, kScreenWidth, kScreenHeight);
  draw_sprite(memory_screen, panel, kInventoryPos.x, kInventoryPos.y);
  outlined_text(title, (kScreenWidth - text_length(pv_font, title)) / 2, kInventoryPos.y + 30, kPersonColour);
  if (!message.empty())
    outlined_text(message.c_str(), (kScreenWidth - text_length(pv_font, message.c_str())) / 2,
                  kInventoryPos.y + 50, kHeroColour);
}

// The buttons' words beside their icons, over the buttons lit or not: OK and
// Back, or the answers to a question.
void draw_button_words(const char* ok = TR("OK", "OK"), const char* back = TR("Zurück", "Back")) {
  const int words = makecol(255, 236, 170);
  const std::pair<const char*, Rect> buttons[] = {{ok, kSlotOk}, {back, kSlotBack}};
  for (const auto& [text, button] : buttons) {
    const Rect r = label_space(button);
    outlined_text(text, r.x1 + (r.width() - text_length(pv_font, text)) / 2,
                  r.y1 + (r.height() - text_height(pv_font)) / 2, words);
  }
}

void present_with_pointer() {
  platform_show_pointer(memory_screen);
  platform_present(memory_screen, kScreenWidth, kScreenHeight);
  platform_hide_pointer();
}

bool slot_exists(int slot) {
  struct stat st;
  return stat(slot_path(slot).c_str(), &st) == 0;
}

// What the ten slots' side files tell, read when a screen opens and after
// each save.
using SlotInfos = std::array<SlotInfo, kSaveSlots>;
SlotInfos read_slot_infos() {
  SlotInfos infos;
  for (int s = 0; s < kSaveSlots; ++s) infos[static_cast<size_t>(s)] = read_slot_info(slot_path(s));
  return infos;
}

// The rooms' pictures kept beside the slots, loaded with the infos.
struct Thumbnails {
  std::array<BITMAP*, kSaveSlots> pictures{};
  void load(const SlotInfos& infos) {
    clear();
    for (int s = 0; s < kSaveSlots; ++s)
      if (infos[static_cast<size_t>(s)].exists)
        pictures[static_cast<size_t>(s)] = load_bitmap(thumbnail_path(slot_path(s)).c_str(), nullptr);
  }
  void clear() {
    for (BITMAP*& b : pictures)
      if (b) destroy_bitmap(b), b = nullptr;
  }
  ~Thumbnails() { clear(); }
  // Beside the list, 96 x 72.
  void draw(int slot) const {
    BITMAP* b = slot >= 0 ? pictures[static_cast<size_t>(slot)] : nullptr;
    if (!b) return;
    stretch_blit(b, memory_screen, 0, 0, b->w, b->h, kSlotList.x2 + 6, kSlotList.y1, 96, 72);
  }
};

std::string date_text(long long seconds) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm local{};
  localtime_r(&t, &local);
  char text[32];
  std::strftime(text, sizeof text, TR("%d.%m.%Y %H:%M", "%Y-%m-%d %H:%M"), &local);
  return text;
}

const char* room_title(const std::string& name) {
  const int r = room_index(name.c_str());
  return r >= 0 && kRooms[r]->title ? kRooms[r]->title : name.c_str();
}

// Under the list, what is known of the slot under the pointer: when it was
// saved and the time played, then the room and the story's progress; of a
// slot without its side file only the date of its file.
void draw_slot_details(const SlotInfo& info) {
  const int colour = makecol(232, 238, 250);
  auto centred = [&](const std::string& line, int y) {
    outlined_text(line.c_str(), (kScreenWidth - text_length(pv_font, line.c_str())) / 2, y, colour);
  };
  if (!info.exists) {
    centred(TR("Dieser Platz ist leer.", "This slot is empty."), kSlotList.y2 + 8);
    return;
  }
  std::string first = TR("Gespeichert ", "Saved ") + date_text(info.saved_at);
  if (!info.known) {
    centred(first, kSlotList.y2 + 8);
    return;
  }
  first += TR(", gespielt ", ", played ") + played_text(info.played_ms);
  centred(first, kSlotList.y2 + 8);
  char steps[64];
  std::snprintf(steps, sizeof steps, TR("%s, %d von %d Schritten", "%s, %d of %d steps"), room_title(info.room),
                info.done, info.total);
  centred(steps, kSlotList.y2 + 28);
}



// A question over the screen as it stands, answered with the OK button (yes)
// or Back or a right click (no).
bool ask(const std::string& question) {
  constexpr size_t npos = std::string::npos;
  BITMAP* under = create_bitmap(kScreenWidth, kScreenHeight);
  blit(memory_screen, under, 0, 0, 0, 0, kScreenWidth, kScreenHeight);
  bool was_down = (mouse_b & 1) != 0;
  int answer = -1;
  while (answer < 0) {
    platform_poll_mouse();
    const bool press = (mouse_b & 1) && !was_down;
    was_down = (mouse_b & 1) != 0;
    blit(under, memory_screen, 0, 0, 0, 0, kScreenWidth, kScreenHeight);
    // A question too wide for the panel is asked in two lines, after its "?".
    const bool wide = text_length(pv_font, question.c_str()) > kInventoryWidth - 60 && question.find("? ") != npos;
    const std::string lines[2] = {wide ? question.substr(0, question.find("? ") + 1) : question,
                                  wide ? question.substr(question.find("? ") + 2) : ""};
    rectfill(memory_screen, kInventoryPos.x + 20, kInventoryPos.y + 46, kInventoryPos.x + kInventoryWidth - 21,
             kInventoryPos.y + (wide ? 92 : 72), makecol(6, 8, 16));
    for (int i = 0; i < (wide ? 2 : 1); ++i)
      outlined_text(lines[i].c_str(), (kScreenWidth - text_length(pv_font, lines[i].c_str())) / 2,
                    kInventoryPos.y + 50 + 20 * i, kHeroColour);
    if (in(kSlotOk)) {
      draw_sprite(memory_screen, game_ok_on, kSlotOkPos.x, kSlotOkPos.y);
      if (press) answer = 1;
    } else if (in(kSlotBack)) {
      draw_sprite(memory_screen, game_back_on, kSlotBackPos.x, kSlotBackPos.y);
      if (press) answer = 0;
    }
    if ((mouse_b & 2) || close_pending()) answer = 0;
    draw_button_words(TR("Ja", "Yes"), TR("Nein", "No"));
    present_with_pointer();
  }
  blit(under, memory_screen, 0, 0, 0, 0, kScreenWidth, kScreenHeight);
  destroy_bitmap(under);
  wait_mouse_release();
  return answer == 1;
}

// A slot's name without the blanks that pad it.
std::string shown_name(int slot) {
  std::string name = stored_name(slot);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

std::string question(const char* format, int slot) {
  char text[160];
  std::snprintf(text, sizeof text, format, shown_name(slot).c_str());
  return text;
}

// The Delete key over a used slot deletes it, after a question.
void delete_key(int hovered, const SlotInfos& infos, std::string& message) {
  bool del = false;
  while (platform_keypressed()) del = del || ((platform_readkey() >> 8) & 0xff) == KEY_DEL;
  if (!del || hovered < 0 || !infos[static_cast<size_t>(hovered)].exists) return;
  if (!ask(question(TR("\"%s\" löschen?", "Delete \"%s\"?"), hovered))) return;
  message = delete_game(hovered) == 0 ? TR("Der Spielstand ist gelöscht.", "The saved game is deleted.")
                                      : TR("Der Spielstand ließ sich nicht löschen.", "The saved game could not be deleted.");
}

enum class Leave { stay, to_game, to_panel };

// One slot screen; `act` is what a click on line s does and may set the
// message; it returns true when the screen is to be left for the game.
template <typename Act>
Leave slot_screen(BITMAP* panel, const char* title, Act act) {
  BITMAP* background = create_bitmap(kScreenWidth, kScreenHeight);
  blit(memory_screen, background, 0, 0, 0, 0, kScreenWidth, kScreenHeight);
  std::string message;
  bool was_down = true;  // the click that opened the screen is not one for it
  Leave leave = Leave::stay;
  SlotInfos infos = read_slot_infos();
  Thumbnails thumbnails;
  thumbnails.load(infos);
  // The plain arrow on the menus, whatever the room's pointer was (a door, a
  // mouth); the main loop sets its own again.
  if (cursor) platform_set_pointer(cursor, 0, 0);  // the arrow acts at its tip
  while (leave == Leave::stay) {
    platform_poll_mouse();
    const bool left = mouse_b & 1;
    const bool press = left && !was_down;
    was_down = left;
    draw_screen(background, panel, title, message);
    const int hovered = slot_under_mouse();
    for (int s = 0; s < kSaveSlots; ++s) {
      if (infos[static_cast<size_t>(s)].exists)
        draw_letters(stored_name(s), s, s == hovered ? kHoverColour : kNameColour);
      else
        draw_letters(TR("(leer)", "(empty)"), s, s == hovered ? kHoverColour : makecol(120, 130, 150));
    }
    thumbnails.draw(hovered);
    if (hovered >= 0) {
      draw_slot_details(infos[static_cast<size_t>(hovered)]);
      // How a slot is deleted, in a corner of the panel beside the title.
      const char* hint = TR("Entf: löschen", "Del: delete");
      outlined_text(hint, kInventoryPos.x + kInventoryWidth - 30 - text_length(pv_font, hint), kInventoryPos.y + 30,
                    makecol(120, 130, 150));
    }
    std::string said = message;
    delete_key(hovered, infos, message);
    if (message != said) infos = read_slot_infos(), thumbnails.load(infos);
    if (in(kSlotOk)) {
      draw_sprite(memory_screen, game_ok_on, kSlotOkPos.x, kSlotOkPos.y);
      if (press) leave = Leave::to_game;
    } else if (in(kSlotBack)) {
      draw_sprite(memory_screen, game_back_on, kSlotBackPos.x, kSlotBackPos.y);
      if (press) leave = Leave::to_panel;
    } else if (press && hovered >= 0) {
      if (act(hovered, message)) leave = Leave::to_game;
      infos = read_slot_infos();
      thumbnails.load(infos);
      was_down = true;
      continue;
    }
    if ((mouse_b & 2) || close_pending()) leave = Leave::to_game;
    draw_button_words();
    present_with_pointer();
  }
  destroy_bitmap(background);
  wait_mouse_release();
  return leave;
}

// The screens use the inventory's pictures; from the main menu they are
// loaded for the while.
struct InventPictures {
  bool own = game_save_bmp == nullptr;
  InventPictures() {
    if (own) load_invent_data();
  }
  ~InventPictures() {
    if (own) unload_invent_data();
  }
};

}  // namespace

// A name is typed anew from its first place. It is kept as UTF-8 in the
// slot's 30 bytes, as options.sav stores it (a build that reads bytes still
// reads it as a name), so it holds 30 letters of ASCII, fewer where some take
// two bytes: a letter that would not fit whole is refused.
int select_file(int s) {
  if (s < 0 || s >= kSaveSlots) return 0;
  const std::string old_name = stored_name(s);
  const int y = line_y(s);
  std::string typed, shown = old_name;
  // The name so far and the cursor after it. The blank of erase_savegame is
  // 15 rows high, the font's cell 17: the cursor's line and the tails of g, j,
  // p, q, y lie below it, so what was shown (at first the old name) is first
  // written over in the blank's own colour.
  auto draw_typing = [&](const std::string& name, int colour) {
    draw_letters(name, s, colour);
    textout_ex(memory_screen, pv_font, "_", kSlotLineX + 10 * ustrlen(name.c_str()), y, colour, -1);
  };
  auto redraw = [&]() {
    draw_typing(shown, getpixel(erase_savegame, 0, 0));
    draw_sprite(memory_screen, erase_savegame, kSlotLineX, y);
    draw_typing(typed, kHoverColour);
    shown = typed;
    // The buttons keep their words while a name is typed.
    draw_button_words();
    platform_present(memory_screen, kScreenWidth, kScreenHeight);
  };
  redraw();
  bool was_down = (mouse_b & 1) != 0;
  for (;;) {
    // Waits for a key with the mouse polled (a close request drops the name
    // as Escape does). OK is Enter, Back is Escape; any other click is no editor.
    int clicked = 0;
    while (!clicked && !platform_keypressed() && !close_pending()) {
      platform_poll_mouse();
      const bool press = (mouse_b & 1) && !was_down;
      was_down = (mouse_b & 1) != 0;
      if (press && in(kSlotOk)) clicked = kKeyEnter;
      if (press && in(kSlotBack)) clicked = kKeyEscape;
      present_with_pointer();
    }
    key_nr = close_pending() ? kKeyEscape : clicked ? clicked : platform_readkey();
    const int c = key_nr & 0xff;
    if (c == kKeyEnter) break;
    if (c == kKeyEscape) {
      draw_sprite(memory_screen, erase_savegame, kSlotLineX, y);
      draw_letters(old_name, s, kNameColour);
      platform_present(memory_screen, kScreenWidth, kScreenHeight);
      return 0;
    }
    char letter[8];
    const size_t bytes = name_character(c) ? static_cast<size_t>(usetc(letter, c)) : 0;
    if (bytes > 0 && typed.size() + bytes <= kSlotNameLen) {
      typed.append(letter, bytes);
    } else if (c == kKeyBackspace && !typed.empty()) {
      typed.resize(static_cast<size_t>(uoffset(typed.c_str(), ustrlen(typed.c_str()) - 1)));
    }
    // Any other key, and a letter past the 30th byte, is refused.
    redraw();
  }
  typed.resize(kSlotNameLen, ' ');
  std::memcpy(save_name[s], typed.data(), kSlotNameLen);
  return 1;
}

void game_save() {
  InventPictures pictures;
  const Leave leave = slot_screen(game_save_bmp, TR("Spiel speichern", "Save game"), [](int slot, std::string& message) {
    char old_name[kSlotNameLen];
    std::memcpy(old_name, save_name[slot], kSlotNameLen);
    const bool used = slot_exists(slot);
    const std::string old_question = question(TR("\"%s\" überschreiben?", "Overwrite \"%s\"?"), slot);
    if (!select_file(slot) || (used && !ask(old_question))) {
      std::memcpy(save_name[slot], old_name, kSlotNameLen);
      message.clear();
      return false;
    }
    const int result = save_game(slot);
    // A slot that still holds its old game keeps its old name.
    if (result != 0) std::memcpy(save_name[slot], old_name, kSlotNameLen);
    message = result == 0 ? TR("Das Spiel ist gespeichert.", "The game is saved.") : save_failure_text(result);
    return false;
  });
  inv_menu = leave == Leave::to_panel ? 2 : 0;
}

int game_load() {
  InventPictures pictures;
  bool loaded = false;
  const Leave leave =
      slot_screen(game_load_bmp, TR("Spiel laden", "Load game"), [&](int slot, std::string& message) {
        if (!slot_exists(slot)) {
          message = TR("Auf diesem Platz ist kein Spiel gespeichert.", "There is no saved game in this slot.");
          return false;
        }
        // Loading ends the game in progress: asked once, and that game is kept
        // in the autosave first.
        if (game_in_progress()) {
          if (!ask(question(TR("\"%s\" laden? Das laufende Spiel wird automatisch gesichert.",
                               "Load \"%s\"? The game in progress is kept in the autosave."),
                            slot)))
            return false;
          save_autosave();
        }
        if (const int result = load_game(slot); result != 0) {
          message = load_failure_text(result);
          return false;
        }
        loaded = true;
        return true;
      });
  inv_menu = (leave == Leave::to_panel && !loaded) ? 2 : 0;
  return loaded ? 1 : 0;
}
