// The save and load screens and the typing of a slot's name.
//
// Both screens lie over the frame that was on screen when they opened (the
// room, or the main menu): the panel picture, the list (screen_layout.h: the
// autosave's line first, then the ten slots numbered 1 to 10, each name in
// the game's font, the line under the pointer in the highlight colour), the
// room's picture and what is known of the line under the pointer, an OK
// button back to the game and a back button to the control panel. They act
// on a button going down, so the click that opened a screen does not press
// what lies under it there.
//
// The autosave is the game's own: the load screen loads it as a slot, the
// save screen shows it in the same place (the list does not move between
// the two screens) but greyed, and a click there saves nothing and says why.
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
#include "menus/letter_row.h"
#include "persistence/saved_games.h"
#include "persistence/slot_info.h"
#include "platform/platform.h"
#include "rooms/registry.h"

namespace {

using namespace screen_layout;

// The lines of the list: the ten slots, then the autosave's (drawn first).
constexpr int kAutosaveLine = kSaveSlots;
constexpr int kLines = kSaveSlots + 1;

constexpr int kNameColour = 255;
constexpr int kHoverColour = kPersonColour;
constexpr int kKeyBackspace = 8;
constexpr int kKeyEnter = 13;
constexpr int kKeyEscape = 27;

int grey() { return makecol(120, 130, 150); }
int autosave_colour() { return makecol(0, 120, 70); }

int line_y(int line) {
  return line == kAutosaveLine ? kAutosaveLineY : kSlotLineY0 + kSlotLineStep * line;
}

std::string line_path(int line) {
  return line == kAutosaveLine ? kAutosaveFile : slot_path(line);
}

// The line under the pointer, -1 for none.
int line_under_mouse() {
  if (mouse_x <= kSlotRows.x1 || mouse_x > kSlotRows.x2) return -1;
  for (int line = 0; line < kLines; ++line)
    if (mouse_y > line_y(line) && mouse_y <= line_y(line) + kSlotLineStep) return line;
  return -1;
}

bool in(const Rect& r) {
  return mouse_x > r.x1 && mouse_x <= r.x2 && mouse_y > r.y1 && mouse_y <= r.y2;
}

// `text` as it fits in `width` pixels of the game's font: whole, or cut at
// its end ("A long na...") or, for a name being typed, at its start.
std::string fitted(const std::string& text, int width, bool keep_end = false) {
  if (text_length(pv_font, text.c_str()) <= width) return text;
  std::string cut = text;
  while (!cut.empty()) {
    if (keep_end)
      cut.erase(0, static_cast<size_t>(uoffset(cut.c_str(), 1)));
    else
      cut.resize(static_cast<size_t>(uoffset(cut.c_str(), ustrlen(cut.c_str()) - 1)));
    const std::string shown = keep_end ? "..." + cut : cut + "...";
    if (text_length(pv_font, shown.c_str()) <= width) return shown;
  }
  return "...";
}

// The room for a name: from its place to the box's right edge.
constexpr int kNameWidth = kSlotRows.x2 - 4 - kSlotNameX;

// Slot s's stored name: its 30 bytes, blank-padded.
std::string stored_name(int slot) {
  return std::string(save_name[slot], kSlotNameLen);
}

// A slot's name without the blanks that pad it.
std::string shown_name(int slot) {
  std::string name = stored_name(slot);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

// The characters a name may take: letters and digits of ASCII, the blank,
// and the letters of Latin-1 (ä, ö, ü, ß, é, ...), which the font draws. A
// key's character arrives in the low byte of platform_readkey: the library
// gives a Latin-1 character there as its own code.
bool name_character(int c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' ||
         (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);  // not the signs × and ÷
}

// The list's light box, drawn over the picture's smaller one; where the
// picture's box reached past it, the panel's own background (a plain
// gradient from top to bottom, taken from a column of the panel that holds
// nothing else) goes back.
void draw_list_box(BITMAP* panel) {
  constexpr int kPictureBoxRight = 472, kEmptyColumn = 500;
  blit(panel, memory_screen, kEmptyColumn - kInventoryPos.x, kSlotRows.y1 - kInventoryPos.y, kSlotRows.x2 + 1,
       kSlotRows.y1, kPictureBoxRight - kSlotRows.x2, kSlotRows.height());
  const Rect& r = kSlotRows;
  const int fill = makecol(0xE4, 0xE8, 0xF0), edge = makecol(0x5C, 0x7B, 0xA8);
  rectfill(memory_screen, r.x1 + 1, r.y1 + 1, r.x2 - 1, r.y2 - 1, fill);
  hline(memory_screen, r.x1 + 2, r.y1, r.x2 - 2, edge), hline(memory_screen, r.x1 + 2, r.y2, r.x2 - 2, edge);
  vline(memory_screen, r.x1, r.y1 + 2, r.y2 - 2, edge), vline(memory_screen, r.x2, r.y1 + 2, r.y2 - 2, edge);
  for (const auto& [x, y] : {std::pair{r.x1 + 1, r.y1 + 1}, {r.x2 - 1, r.y1 + 1}, {r.x1 + 1, r.y2 - 1},
                             {r.x2 - 1, r.y2 - 1}})
    putpixel(memory_screen, x, y, edge);
  // The autosave's line apart from the slots'.
  hline(memory_screen, r.x1 + 6, kSlotLineY0 - 1, r.x2 - 6, makecol(0xB8, 0xC4, 0xD8));
}

// A screen's picture and its words: its title, and a message under it.
void draw_screen(BITMAP* background, BITMAP* panel, const char* title, const std::string& message) {
  blit(background, memory_screen, 0, 0, 0, 0, kScreenWidth, kScreenHeight);
  draw_sprite(memory_screen, panel, kInventoryPos.x, kInventoryPos.y);
  draw_list_box(panel);
  outlined_text(title, (kScreenWidth - text_length(pv_font, title)) / 2, kInventoryPos.y + 30, kPersonColour);
  if (!message.empty()) {
    const std::string shown = fitted(message, kInventoryWidth - 40);
    outlined_text(shown.c_str(), (kScreenWidth - text_length(pv_font, shown.c_str())) / 2, kInventoryPos.y + 47,
                  kHeroColour);
  }
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

// A slot's number before its name.
void draw_number(int line, int colour) {
  if (line == kAutosaveLine) return;
  const std::string number = std::to_string(line + 1);
  textout_ex(memory_screen, pv_font, number.c_str(), kSlotNumberRight - text_length(pv_font, number.c_str()),
             line_y(line), colour, -1);
}

// What the lines' side files tell, read when a screen opens and after each
// save, load or delete.
using SlotInfos = std::array<SlotInfo, kLines>;
SlotInfos read_slot_infos() {
  SlotInfos infos;
  for (int line = 0; line < kLines; ++line) infos[static_cast<size_t>(line)] = read_slot_info(line_path(line));
  return infos;
}

// The rooms' pictures kept beside the slots, loaded with the infos.
struct Thumbnails {
  std::array<BITMAP*, kLines> pictures{};
  void load(const SlotInfos& infos) {
    clear();
    for (int line = 0; line < kLines; ++line)
      if (infos[static_cast<size_t>(line)].exists)
        pictures[static_cast<size_t>(line)] = load_bitmap(thumbnail_path(line_path(line)).c_str(), nullptr);
  }
  void clear() {
    for (BITMAP*& b : pictures)
      if (b) destroy_bitmap(b), b = nullptr;
  }
  ~Thumbnails() { clear(); }
  // Beside the list, framed.
  void draw(int line) const {
    BITMAP* b = line >= 0 ? pictures[static_cast<size_t>(line)] : nullptr;
    if (!b) return;
    const Rect& r = kSlotThumbnail;
    rect(memory_screen, r.x1 - 1, r.y1 - 1, r.x2 + 1, r.y2 + 1, makecol(0x9A, 0xC0, 0xF0));
    stretch_blit(b, memory_screen, 0, 0, b->w, b->h, r.x1, r.y1, r.width(), r.height());
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

// The band under the list: what is known of the line under the pointer, and
// the letter row while a name is typed.
constexpr int kDetailsY = LetterRow::kTop;

// Under the list, what is known of the line under the pointer: when it was
// saved and the time played, then the room and the story's progress; of a
// slot without its side file only the date of its file.
void draw_slot_details(const SlotInfo& info, bool autosave) {
  const int colour = makecol(232, 238, 250);
  auto centred = [&](const std::string& line, int y) {
    const std::string shown = fitted(line, kInventoryWidth - 40);
    outlined_text(shown.c_str(), (kScreenWidth - text_length(pv_font, shown.c_str())) / 2, y, colour);
  };
  if (!info.exists) {
    centred(autosave ? TR("Noch nichts automatisch gespeichert.", "Nothing has been kept automatically yet.")
                     : TR("Dieser Platz ist leer.", "This slot is empty."),
            kDetailsY);
    return;
  }
  std::string first = (autosave ? TR("Automatisch gespeichert ", "Kept automatically ") : TR("Gespeichert ", "Saved ")) +
                      date_text(info.saved_at);
  if (!info.known) {
    centred(first, kDetailsY);
    return;
  }
  first += TR(", gespielt ", ", played ") + played_text(info.played_ms);
  centred(first, kDetailsY);
  char steps[96];
  std::snprintf(steps, sizeof steps, TR("%s, %d von %d Schritten", "%s, %d of %d steps"), room_title(info.room),
                info.done, info.total);
  centred(steps, kDetailsY + 18);
}

// One line of the list: the slot's number and name (an empty slot says so),
// or the autosave, greyed where it cannot be chosen.
void draw_line(int line, const SlotInfo& info, bool hovered, bool autosave_chosen) {
  std::string name;
  int colour = hovered ? kHoverColour : kNameColour;
  if (line == kAutosaveLine) {
    name = TR("Automatisch gespeichert", "Autosave");
    if (!info.exists || !autosave_chosen) colour = grey();
    else if (!hovered) colour = autosave_colour();
  } else if (!info.exists) {
    name = TR("(leer)", "(empty)");
    if (!hovered) colour = grey();
  } else {
    name = shown_name(line);
    if (name.empty()) name = TR("(ohne Namen)", "(no name)");
  }
  draw_number(line, info.exists ? colour : grey());
  textout_ex(memory_screen, pv_font, fitted(name, kNameWidth).c_str(), kSlotNameX, line_y(line), colour, -1);
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
    // A band between the title and the list (two lines reach over its top).
    rectfill(memory_screen, kInventoryPos.x + 20, kInventoryPos.y + 47, kInventoryPos.x + kInventoryWidth - 21,
             kInventoryPos.y + (wide ? 86 : 66), makecol(6, 8, 16));
    for (int i = 0; i < (wide ? 2 : 1); ++i)
      outlined_text(lines[i].c_str(), (kScreenWidth - text_length(pv_font, lines[i].c_str())) / 2,
                    kInventoryPos.y + 48 + 19 * i, kHeroColour);
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

std::string question(const char* format, int slot) {
  char text[160];
  std::snprintf(text, sizeof text, format, shown_name(slot).c_str());
  return text;
}

// The Delete key over a used slot deletes it, after a question.
void delete_key(int hovered, const SlotInfos& infos, std::string& message) {
  bool del = false;
  while (platform_keypressed()) del = del || ((platform_readkey() >> 8) & 0xff) == KEY_DEL;
  if (!del || hovered < 0 || hovered == kAutosaveLine || !infos[static_cast<size_t>(hovered)].exists) return;
  if (!ask(question(TR("\"%s\" löschen?", "Delete \"%s\"?"), hovered))) return;
  message = delete_game(hovered) == 0 ? TR("Der Spielstand ist gelöscht.", "The saved game is deleted.")
                                      : TR("Der Spielstand ließ sich nicht löschen.", "The saved game could not be deleted.");
}

enum class Leave { stay, to_game, to_panel };

// The list as it stands, the line under the pointer lit; `left_out` is a
// line not drawn (the one whose name is being typed).
void draw_list(const SlotInfos& infos, int hovered, bool loading, int left_out = -1) {
  for (int line = 0; line < kLines; ++line)
    if (line != left_out) draw_line(line, infos[static_cast<size_t>(line)], line == hovered, loading);
}

// The list with the line under the pointer lit, the room's picture of that
// line and what is known of it.
void draw_pointed(const SlotInfos& infos, const Thumbnails& thumbnails, int hovered, bool loading) {
  draw_list(infos, hovered, loading);
  thumbnails.draw(hovered);
  if (hovered >= 0) draw_slot_details(infos[static_cast<size_t>(hovered)], hovered == kAutosaveLine);
}

// One slot screen; `act` is what a click on line s does (the autosave's
// line is kAutosaveLine) and may set the message; it returns true when the
// screen is to be left for the game.
template <typename Act>
Leave slot_screen(BITMAP* panel, const char* title, bool loading, Act act) {
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
    const int hovered = line_under_mouse();
    if (press && hovered >= 0) {
      // The screen without what belongs to the pointer's line, under the
      // typing or the question that may follow.
      // A load's question stands over the line, its picture and details.
      if (loading)
        draw_pointed(infos, thumbnails, hovered, loading);
      else
        draw_list(infos, -1, loading, hovered);
      if (act(hovered, message)) leave = Leave::to_game;
      infos = read_slot_infos();
      thumbnails.load(infos);
      was_down = true;
      continue;
    }
    draw_pointed(infos, thumbnails, hovered, loading);
    if (hovered >= 0 && hovered != kAutosaveLine && infos[static_cast<size_t>(hovered)].exists) {
      // How a slot is deleted, in a corner of the panel beside the title.
      const char* hint = TR("Entf: löschen", "Del: delete");
      outlined_text(hint, kInventoryPos.x + kInventoryWidth - 30 - text_length(pv_font, hint), kInventoryPos.y + 30,
                    grey());
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

// The name being typed on its line, after the slot's number, with the
// cursor after it; a name wider than the line shows its end.
void draw_typed(int slot, const std::string& typed) {
  draw_number(slot, kHoverColour);
  const std::string shown = fitted(typed + "_", kNameWidth, true);
  textout_ex(memory_screen, pv_font, shown.c_str(), kSlotNameX, line_y(slot), kHoverColour, -1);
}

// Waits for the next key of a name: typed, or clicked on the letter row or
// on OK (Enter) or Back (Escape); a close request is Escape. Every pass
// draws the screen anew from `backdrop`.
int next_name_key(BITMAP* backdrop, int slot, const std::string& typed, LetterRow& letters, bool& was_down) {
  for (;;) {
    if (close_pending()) return kKeyEscape;
    if (platform_keypressed()) return platform_readkey();
    platform_poll_mouse();
    const bool press = (mouse_b & 1) && !was_down;
    was_down = (mouse_b & 1) != 0;
    if (press && in(kSlotOk)) return kKeyEnter;
    if (press && in(kSlotBack)) return kKeyEscape;
    if (press)
      if (const int code = letters.press(mouse_x, mouse_y)) return code;
    blit(backdrop, memory_screen, 0, 0, 0, 0, kScreenWidth, kScreenHeight);
    draw_typed(slot, typed);
    letters.draw(memory_screen, mouse_x, mouse_y);
    // The buttons keep their words while a name is typed.
    draw_button_words();
    present_with_pointer();
  }
}

}  // namespace

// A name is typed anew from its first place. It is kept as UTF-8 in the
// slot's 30 bytes, as options.sav stores it (a build that reads bytes still
// reads it as a name), so it holds 30 letters of ASCII, fewer where some take
// two bytes: a letter that would not fit whole is refused.
int select_file(int s) {
  if (s < 0 || s >= kSaveSlots) return 0;
  // The screen as it stands, without the slot's line: each pass draws on it.
  BITMAP* backdrop = create_bitmap(kScreenWidth, kScreenHeight);
  blit(memory_screen, backdrop, 0, 0, 0, 0, kScreenWidth, kScreenHeight);
  LetterRow letters;
  std::string typed;
  bool was_down = (mouse_b & 1) != 0;
  int c = 0;
  while ((c = (key_nr = next_name_key(backdrop, s, typed, letters, was_down)) & 0xff) != kKeyEnter &&
         c != kKeyEscape) {
    char letter[8];
    const size_t bytes = name_character(c) ? static_cast<size_t>(usetc(letter, c)) : 0;
    if (bytes > 0 && typed.size() + bytes <= kSlotNameLen) {
      typed.append(letter, bytes);
    } else if (c == kKeyBackspace && !typed.empty()) {
      typed.resize(static_cast<size_t>(uoffset(typed.c_str(), ustrlen(typed.c_str()) - 1)));
    }
    // Any other key, and a letter past the 30th byte, is refused.
  }
  blit(backdrop, memory_screen, 0, 0, 0, 0, kScreenWidth, kScreenHeight);
  destroy_bitmap(backdrop);
  if (c == kKeyEscape) return 0;
  typed.resize(kSlotNameLen, ' ');
  std::memcpy(save_name[s], typed.data(), kSlotNameLen);
  return 1;
}

void game_save() {
  InventPictures pictures;
  const Leave leave =
      slot_screen(game_save_bmp, TR("Spiel speichern", "Save game"), false, [](int slot, std::string& message) {
        if (slot == kAutosaveLine) {
          message = TR("Hier speichert nur das Spiel selbst: wähle Platz 1 bis 10.",
                       "Only the game saves here: choose a slot from 1 to 10.");
          return false;
        }
        char old_name[kSlotNameLen];
        std::memcpy(old_name, save_name[slot], kSlotNameLen);
        const bool used = slot_exists(slot);
        const std::string old_question = question(TR("\"%s\" überschreiben?", "Overwrite \"%s\"?"), slot);
        if (!select_file(slot)) {
          std::memcpy(save_name[slot], old_name, kSlotNameLen);
          message.clear();
          return false;
        }
        // The new name stands on its line while the question is asked.
        SlotInfo typed;
        typed.exists = true;
        draw_line(slot, typed, true, false);
        if (used && !ask(old_question)) {
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

namespace {

// Loading ends the game in progress, so it is asked once. A slot's load
// keeps that game in the autosave first; the autosave's own load cannot
// (it would write over what it loads): what was played since it is given up.
bool load_asked(int line) {
  if (!game_in_progress()) return true;
  if (line == kAutosaveLine)
    return ask(TR("Das automatisch gespeicherte Spiel laden? Was seitdem gespielt wurde, geht verloren.",
                  "Load the autosave? What was played since it was kept is lost."));
  if (!ask(question(TR("\"%s\" laden? Das laufende Spiel wird automatisch gesichert.",
                       "Load \"%s\"? The game in progress is kept in the autosave."),
                    line)))
    return false;
  save_autosave();
  return true;
}

}  // namespace

int game_load() {
  InventPictures pictures;
  bool loaded = false;
  const Leave leave =
      slot_screen(game_load_bmp, TR("Spiel laden", "Load game"), true, [&](int line, std::string& message) {
        struct stat st;
        if (stat(line_path(line).c_str(), &st) != 0) {
          message = TR("Auf diesem Platz ist kein Spiel gespeichert.", "There is no saved game in this slot.");
          return false;
        }
        if (!load_asked(line)) return false;
        if (const int result = line == kAutosaveLine ? load_autosave() : load_game(line); result != 0) {
          message = load_failure_text(result);
          return false;
        }
        loaded = true;
        return true;
      });
  inv_menu = (leave == Leave::to_panel && !loaded) ? 2 : 0;
  return loaded ? 1 : 0;
}
