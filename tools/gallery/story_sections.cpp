// The sections that follow the game as a player meets it: the start and the
// menus, every room as a new game finds it, the story played through with
// every shot of its scenes, the scenes off its road, the bag and the panels.
#include <algorithm>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <map>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "core/screen_layout.h"
#include "core/settings.h"
#include "core/tr.h"
#include "core/world.h"
#include "cutscenes/player.h"
#include "cutscenes/videos.h"
#include "dialogue/talk.h"
#include "frame/draw_room.h"
#include "frame/said_log.h"
#include "gallery/gallery.h"
#include "game/game.h"
#include "headless_driver/driver.h"
#include "headless_driver/story_player.h"
#include "interaction/inventory.h"
#include "interaction/items.h"
#include "menus/letter_row.h"
#include "persistence/saved_games.h"
#include "platform/headless.h"
#include "rooms/registry.h"
#include "rooms/room_script.h"
#include "story/story_table.h"

namespace gallery {
namespace {

using namespace screen_layout;
using driver::MouseStep;
using driver::run_program;

// ---- Cut-scene shots -----------------------------------------------------------

// Watches every present: the first and the last frame of each shot, named
// after what the player did to start it.
std::string scene_cause;
int shot_seen = -1, shot_last_kept = -1;
void watch_shots() {
  if (video_active != 1 || video_duration <= 0) return;
  const int shot = shots_played();
  if (video_loop == 1 && shot_seen != shot) {
    shot_seen = shot;
    keep(headless::last_frame(), scene_cause + ", " + sequence_playing() + ": shot " + std::to_string(shot) + " first frame");
  } else if (video_loop >= video_duration && shot_last_kept != shot && video_duration > 1) {
    shot_last_kept = shot;
    keep(headless::last_frame(), scene_cause + ", " + sequence_playing() + ": shot " + std::to_string(shot) + " last frame");
  }
}
// The shot watcher in front of whatever probe is installed now.
void with_shot_watch() {
  auto inner = headless::present_probe();
  headless::on_present([inner] {
    watch_shots();
    if (inner) inner();
  });
}

// ---- Start and menus -------------------------------------------------------------

}  // namespace

void start_and_menus() {
  driver::fresh_game();
  driver::Player p;
  auto menu = driver::in_main_menu;
  // The options screen and the credits have a section of their own.
  p.then(after(400, menu), shoot("main menu"))
      .click_when(menu, kMenuHot[1].mid_x(), kMenuHot[1].mid_y())
      .then(after(400), shoot("instructions, page 1"))
      .click_when(after(100), kInstructSecond.mid_x(), kInstructSecond.mid_y())
      .then(after(400), shoot("instructions, page 2"))
      .click_when(after(100), kInstructBack.mid_x(), kInstructBack.mid_y())
      .click_when(after(1500), kMenuLoadHot.mid_x(), kMenuLoadHot.mid_y())
      .then(after(400), shoot("load screen from the menu"))
      .click_when(after(100), kSlotBack.mid_x(), kSlotBack.mid_y())
      .then(after(400, menu), shoot("main menu, New game under the pointer"))
      .click_when(after(600, menu), kMenuHot[0].mid_x(), kMenuHot[0].mid_y())
      .then(after(300, driver::in_intro), shoot("introduction"))
      .click_when(driver::in_intro, 320, 240)
      .then(driver::in_main_loop, [] {
        keep(headless::last_frame(), "future_floor1 when the game begins");
        headless::stop();
      });
  scene_cause = "opening scene";
  with_shot_watch();
  static char name[] = "game";
  char* argv[2] = {name, nullptr};
  const int status = run_program([&] { game_main(1, argv); });
  if (status != -2) trouble("the start ended with " + std::to_string(status));
  headless::on_present(nullptr);
}

// ---- Rooms, pieces and persons ------------------------------------------------------

namespace {

BITMAP* piece_picture(DATAFILE* d, int count, int object) {
  return object >= 0 && object < count && d[object].type == DAT_BITMAP ? static_cast<BITMAP*>(d[object].dat) : nullptr;
}

// The distinct pictures of a frame list, in order: the first, the first of a
// talk, and the last.
std::vector<BITMAP*> poses(DATAFILE* d, int count, std::span<const Frame> frames) {
  std::vector<BITMAP*> out;
  auto add = [&](int object) {
    BITMAP* b = piece_picture(d, count, object);
    if (b && b->w > 1 && std::find(out.begin(), out.end(), b) == out.end()) out.push_back(b);
  };
  if (frames.empty()) return out;
  add(frames.front().object);
  for (const Frame& f : frames)
    if (f.talk) { add(f.object); break; }
  add(frames.back().object);
  return out;
}

// The mouse boxes as the loaded room has them (pieces yellow, persons cyan,
// exits green).
void boxes_over(BITMAP* b, const RoomScript& r) {
  const int yellow = makecol(255, 230, 0), cyan = makecol(0, 230, 255), green = makecol(60, 255, 60);
  for (int i = 0; i < furni_nr; ++i)
    if (furni_interact[i] == 1) rect(b, furni_mouse_x[i], furni_mouse_y[i], furni_mouse_x2[i], furni_mouse_y2[i], yellow);
  for (int i = 0; i < person_nr; ++i)
    if (person_interact[i] == 1)
      rect(b, person_mouse_x[i], person_mouse_y[i], person_mouse_x2[i], person_mouse_y2[i], cyan);
  for (int i = 0; i < r.exit_nr && i < static_cast<int>(r.exits.size()); ++i)
    rect(b, r.exits[i].x, r.exits[i].y, r.exits[i].x2, r.exits[i].y2, green);
}

}  // namespace

void rooms_at_start() {
  for (const RoomScript* r : kRooms) {
    driver::stand_in_room(r->name);
    mouse_x = -100;
    mouse_y = -100;
    draw_room();
    keep(memory_screen, std::string(r->name) + " at the start");
    DATAFILE* d = load_datafile(r->data_file);
    if (!d) continue;
    int count = 0;
    while (d[count].type != DAT_END) ++count;
    // Every row's first frame where the room draws it, and the mouse boxes (yellow
    // pieces, cyan persons, green exits) over it.
    BITMAP* all = create_bitmap(640, 480);
    if (BITMAP* bg = piece_picture(d, count, r->background)) blit(bg, all, 0, 0, 0, 0, 640, 480);
    for (const FurniState& f : r->furniture)
      if (!f.frames.empty() && piece_picture(d, count, f.frames[0].object))
        draw_sprite(all, piece_picture(d, count, f.frames[0].object), f.frames[0].x, f.frames[0].y);
    for (const PersonState& p : r->persons)
      if (!p.frames.empty() && piece_picture(d, count, p.frames[0].object))
        draw_sprite(all, piece_picture(d, count, p.frames[0].object), p.frames[0].x, p.frames[0].y);
    boxes_over(all, *r);
    keep(all, std::string(r->name) + ": every piece and person in its first state, the boxes of those there at the start");
    destroy_bitmap(all);
    std::vector<Cell> cells;
    for (const FurniState& f : r->furniture)
      cells.push_back({poses(d, count, f.frames), std::string(f.name) + " " + std::to_string(f.slot) + "." +
                                                      std::to_string(f.state)});
    for (const PersonState& p : r->persons)
      cells.push_back({poses(d, count, p.frames), std::string(p.label ? p.label : p.name) + " (" + p.name +
                                                      ") " + std::to_string(p.slot) + "." + std::to_string(p.state)});
    std::erase_if(cells, [](const Cell& c) { return c.pictures.empty(); });
    keep_sheet(cells, std::string(r->name) + ": pieces and persons, each state (still, talking, last frame)");
    unload_datafile(d);
  }
}

// ---- The story ------------------------------------------------------------------

namespace {

// What a room shows, to see whether a step changed it.
std::string room_look() {
  std::ostringstream s;
  s << room_name;
  for (int i = 0; i < furni_nr; ++i) s << ' ' << furni_present[i] << furni_anim[i];
  for (int i = 0; i < person_nr; ++i) s << ' ' << person_present[i] << person_anim[i];
  for (int i = 0; i < exit_nr; ++i) s << ' ' << go_through[i];
  return s.str();
}

}  // namespace

namespace {

// One move of the story (what the player does, and doing it), and the player's
// walk through rooms one door after another.
using Step = std::function<void(const std::string& what, const std::function<void()>& move)>;

// The story's shortest road, move by move.
void story_moves(story::Player& p, const Step& step) {
  auto walk = [&](std::initializer_list<const char*> rooms) {
    for (const char* r : rooms) step(std::string("to ") + r, [&] { p.exit_to(r); });
  };
  walk({"future_physiktp"});
  step("look Atomkraft, use hebel2", [&] { p.look("Atomkraft"), p.use("hebel2"); });
  step("talk to Mr Zirud", [&] { p.talk("FrizzeRol", {"3", "3.1", "3.1.1", "3.1.1.1"}); });
  walk({"future_floor1"});
  step("a pass", [] { main_loop_pass(); });
  walk({"future_floor15"});
  step("use schrank", [&] { p.use("schrank"); });
  step("take tool", [&] { p.take("tool"); });
  walk({"future_floor1", "future_crossing", "future_chimie"});
  step("rolling pin and screwdriver on the showcase",
       [&] { p.use_item("rolle", "case00"), p.use_item("tool", "case00"); });
  step("the alarm levers", [&] { p.use("schalter1a"), p.use("schalter2a"), p.use("schalter2c"), p.use("schalter3a"); });
  step("screwdriver on the showcase", [&] { p.use_item("tool", "case00"); });
  step("open the showcase", [&] { p.use("case00"); });
  step("take the diamond", [&] { p.take("dia"); });
  walk({"future_crossing", "future_floor1", "future_physiktp"});
  step("give the diamond", [&] { p.give("diamond", "FrizzeRol"); });
  walk({"future_physik"});
  step("talk to Dori", [&] { p.talk("dori_future", {"4", "4.4", "4.4.1"}); });
  step("the telescope is set up", [&] { main_loop_pass(), main_loop_pass(), p.settle(); });
  walk({"future_floor1", "future_floor15", "future_floor2"});
  step("try the guarded door", [&] { p.try_exit(1); });
  step("insult the guard", [&] { p.talk("Policeman", {"1"}), p.settle(); });
  walk({"future_floor1", "future_crossing", "future_chimietp"});
  step("take the alcohol and the burner", [&] { p.take("alkohol"), p.take("bunsen"); });
  walk({"future_crossing", "future_floor1", "future_floor15", "future_biolog"});
  step("give Mrs Sand the alcohol", [&] { p.give("Alkohol", "sand"); });
  step("take the gas bottle and the hose", [&] { p.take("gaz"), p.take("schlauch"); });
  step("make the welding torch", [&] { p.combine("Gaz", "schlauch"), p.combine("Gaz_Schlauch", "Bunsenbrenner"); });
  walk({"future_floor15"});
  step("cut the lead pipe", [&] { p.use_item("Schweissbrenner", "rohr"); });
  walk({"future_floor1", "future_crossing", "future_chimie"});
  step("give Mr Rurura the lead", [&] { p.give("Blei", "Rurura"); });
  walk({"future_crossing"});
  step("ask Mr Rarozir for the glasses", [&] { p.talk("rarozir", {"5"}); });
  walk({"future_chimie"});
  step("ask Mr Rurura for the solution", [&] {
    if (TR(0, 1)) p.talk("Rurura", {"4", "3"});
    else p.talk("Rurura", {"4"});
  });
  walk({"future_crossing", "future_chimietp"});
  step("pour the solution into the tank", [&] { p.use_item("bleiloesung", "tank"); });
  // The player hurries the time machine on to its closing screen; it is shown whole below.
  step("the shower", [&] { p.use("douche"); });
  main_loop_pass();
}

}  // namespace

void play_story() {
  driver::fresh_game(3);
  scene_cause = "start";
  if (driver::play_to_main_loop() != -2) trouble("no new game");
  headless::on_present(nullptr);
  text_speed = 1;
  std::map<std::string, std::string> seen;  // room -> its look when last kept
  seen[room_name] = room_look();
  story::Player p;
  with_shot_watch();
  const Step step = [&](const std::string& what, const std::function<void()>& move) {
    scene_cause = std::string(room_name) + ", " + what;
    move();
    const std::string look = room_look();
    if (seen[room_name] != look) {
      seen[room_name] = look;
      draw_room();
      keep(memory_screen, std::string(room_name) + " after: " + what);
    }
  };
  const int status = run_program([&] { story_moves(p, step); });
  if (status != 1) trouble("the story ended with " + std::to_string(status) + " at " + p.move());
  headless::on_present(nullptr);
}

// The scenes the story's shortest road does not play.
void other_scenes() {
  struct Scene { const char* room; const char* name; void (*play)(); };
  const Scene scenes[] = {{"future_physik", "video_take_guitar", video_take_guitar},
                          {"future_biolog", "video_sand_mecker", video_sand_mecker},
                          {"future_floor2", "video_hero_uff", video_hero_uff},
                          {"future_physiktp", "video_time_machine", [] { video_time_machine(); }}};
  for (const Scene& s : scenes) {
    driver::stand_in_room(s.room);
    scene_cause = s.room;
    if (std::strcmp(s.room, "future_physiktp") == 0) furni_present[0] = furni_present[1] = 1;  // telescope, diamond
    shot_seen = shot_last_kept = -1;
    headless::on_present(watch_shots);
    for (int k = 1; k <= 10; ++k) headless::click(headless::now() + 40000 + 5000 * k, 320, 240);
    const int status = run_program(s.play);
    if (status == 1) keep(headless::last_frame(), "the closing screen");
    else if (status != -1) trouble(std::string(s.name) + " ended with " + std::to_string(status));
    headless::on_present(nullptr);
  }
}

// ---- The bag, the control panel and the slot screens ------------------------------

namespace {

// Runs the inventory with a scripted mouse; keeps the frame after each of `marks`
// (time after the start, title).
void invent_run(const std::vector<MouseStep>& steps, std::vector<std::pair<int, std::string>> marks) {
  const int start = headless::now();
  auto next = std::make_shared<size_t>(0);
  headless::on_present([=] {
    if (*next < marks.size() && headless::now() >= start + marks[*next].first) keep(headless::last_frame(), marks[(*next)++].second);
    if (*next == marks.size()) headless::stop();
  });
  driver::schedule_mouse(steps);
  run_program([] { main_invent(); });
  headless::on_present(nullptr);
}

}  // namespace

void bag_and_panel() {
  int count = 0;
  const Item* items = item_rows(&count);
  constexpr int kPage = kInventoryColumns * kInventoryRows;
  for (int first = 0; first < count; first += kPage) {
    driver::stand_in_room("future_floor1");
    mouse_x = 320;
    mouse_y = 300;
    mouse_b = 0;
    for (int i = first; i < count && i < first + kPage; ++i) give_item(items[i].name);
    main_loop_pass();
    invent_run({{30, 300, 440, 0}}, {{300, "the bag, items " + std::to_string(first + 1) + " to " +
                                               std::to_string(std::min(count, first + kPage))}});
  }
  driver::stand_in_room("future_floor1");
  give_item("rolle"), give_item("access");
  const char* names[] = {"Vor dem Schrank", "Die Zugangskarte", "Bei Frau Sand"};
  for (int i = 0; i < 3; ++i) {
    std::memset(save_name[i], ' ', kSlotNameLen);
    std::memcpy(save_name[i], names[i], std::strlen(names[i]));
  }
  mouse_x = 320;
  mouse_y = 300;
  mouse_b = 0;
  main_loop_pass();
  const int ox = kInventoryPanelButton.mid_x(), oy = kInventoryPanelButton.mid_y();
  invent_run({{30, ox, oy, 1}, {60, ox, oy, 0}, {300, kPanelSave.mid_x(), kPanelSave.mid_y(), 0},
              {300, kPanelSave.mid_x(), kPanelSave.mid_y(), 1}, {60, 300, 150 + 15 * 2 + 8, 0},
              {300, kSlotOk.mid_x(), kSlotOk.mid_y(), 0}, {300, kSlotBack.mid_x(), kSlotBack.mid_y(), 1},
              {60, kSlotBack.mid_x(), kSlotBack.mid_y(), 0}, {300, kPanelLoad.mid_x(), kPanelLoad.mid_y(), 1},
              {60, 300, 150 + 15 * 2 + 8, 0}},
             {{200, "control panel"}, {500, "control panel, Save under the pointer"},
              {800, "save screen, a slot under the pointer"}, {1100, "save screen, OK under the pointer"},
              {1950, "load screen, a slot under the pointer"}});
}


// ---- Saved games: the slot screens empty and full, their questions, Main menu -----

void saves_and_main_menu() {
  driver::stand_in_main_loop(3);
  for (auto& name : save_name) std::memset(name, ' ', kSlotNameLen);
  mouse_x = 320, mouse_y = 300, mouse_b = 0;
  main_loop_pass();
  const int ox = kInventoryPanelButton.mid_x(), oy = kInventoryPanelButton.mid_y();
  const int line2 = 150 + 15 * 2 + 8;
  const MouseStep open_panel[] = {{30, ox, oy, 1}, {60, ox, oy, 0}};
  invent_run({open_panel[0], open_panel[1], {300, kPanelMainMenu.mid_x(), kPanelMainMenu.mid_y(), 0},
              {300, kPanelSave.mid_x(), kPanelSave.mid_y(), 1}, {60, 300, line2, 0}},
             {{500, "control panel, Main menu under the pointer"},
              {1000, "save screen, every slot empty, one under the pointer"}});
  // Ten saved games, each played ten minutes longer than the one before.
  // The ninth as long as a name can be (30 bytes), in the widest capitals.
  const char* names[] = {"Vor dem Schrank", "Die Zugangskarte", "Bei Frau Sand", "Im Chemiesaal", "Das Teleskop",
                         "Die Brille", "Blei", "Die Dusche", "ÜBERRASCHUNG IM MUSIKZIMMER 2", "Kurz vor dem Ende"};
  for (int s = 0; s < kSaveSlots; ++s) {
    std::memcpy(save_name[s], names[s], std::strlen(names[s]));
    played_ms = 600000 * (s + 1) + 60000 * s;
    save_game(s);
  }
  played_ms = 7000000;
  save_autosave();
  main_loop_pass();
  // The overwrite question: slot 2 clicked, a name typed (the letter row under it, a key under the pointer),
  // Enter.
  int t = headless::now();
  const char* typed = TR("Vor dem Büro", "Before the office");
  int at = t + 850;
  for (const char* c = typed; *c;) headless::key_at(at += 5, ugetxc(&c));
  headless::key_at(t + 1300, KEY_ENTER << 8 | 13);
  const screen_layout::Rect key = LetterRow().key_for('M');
  invent_run({open_panel[0], open_panel[1], {300, kPanelSave.mid_x(), kPanelSave.mid_y(), 1}, {60, 300, line2, 0},
              {300, 300, line2, 1}, {60, 300, line2, 0}, {200, key.mid_x(), key.mid_y(), 0}},
             {{600, "save screen, ten saved games, one under the pointer"},
              {1150, "save screen, a name being typed, the letter row under it"},
              {1600, "save screen, the overwrite question"}});
  main_loop_pass();
  // The load screen, the autosave under the pointer, and the load question.
  const int autosave_line = kAutosaveLineY + 8;
  invent_run({open_panel[0], open_panel[1], {300, kPanelLoad.mid_x(), kPanelLoad.mid_y(), 1}, {60, 300, line2, 0},
              {300, 300, autosave_line, 0}, {300, 300, line2, 0}, {300, 300, line2, 1}, {60, 300, line2, 0}},
             {{600, "load screen, ten saved games, one under the pointer"},
              {900, "load screen, the autosave under the pointer"}, {1700, "load screen, the load question"}});
}

// ---- Help: the hints of every step, what was said, the settings of help ---------------

// The hero saying `line0`/`line1` in `room`, kept at the line's first frame.
void keep_hero_line(const char* room, const char* line0, const char* line1, const std::string& title) {
  driver::stand_in_room(room);
  mouse_x = 320, mouse_y = 300, mouse_b = 0, text_speed = 50;
  run_program([] { main_loop_pass(); });  // the room drawn once
  headless::on_present([title] {
    if (talk_loop < 40) return;
    keep(headless::last_frame(), title);
    headless::stop();
  });
  run_program([&] { standard_remark(line0, line1); });
  headless::on_present(nullptr);
}

// The panel with hints off, the Hint and Log buttons under the pointer; the log opened from it and scrolled back.
void panel_help_states() {
  const int ox = kInventoryPanelButton.mid_x(), oy = kInventoryPanelButton.mid_y();
  driver::stand_in_room("future_physiktp");
  clear_said_log();
  note_said(hero_speaker(), kHeroColour, {TR("Hallo Herr Zirud !", "Hello Mister Zirud !")});
  note_said(TR("Herr Zirud", "Mr Zirud"), kPersonColour,
            {TR("Hm ? Ein Schüler, in meinem Labor ?", "Hm ? A pupil, in my lab ?"),
             TR("Was willst du ? Ich habe zu tun.", "What do you want ? I'm busy.")});
  for (int i = 1; i <= 30; ++i)
    note_said(i % 2 ? hero_speaker() : TR("Herr Zirud", "Mr Zirud"), i % 2 ? kHeroColour : kPersonColour,
              {std::string(TR("Zeile ", "Line ")) + std::to_string(i) + TR(" dessen, was gesagt wurde.", " of what was said.")});
  mouse_x = 320, mouse_y = 300, mouse_b = 0;
  main_loop_pass();
  const int t = headless::now();
  headless::key_at(t + 1200, KEY_UP << 8), headless::key_at(t + 1250, KEY_UP << 8), headless::key_at(t + 1300, KEY_UP << 8);
  headless::key_at(t + 1700, KEY_ESC << 8 | 27);
  invent_run({{30, ox, oy, 1}, {60, ox, oy, 0}, {300, kPanelHint.mid_x(), kPanelHint.mid_y(), 0},
              {300, kPanelLog.mid_x(), kPanelLog.mid_y(), 0}, {60, kPanelLog.mid_x(), kPanelLog.mid_y(), 1},
              {60, kPanelLog.mid_x(), kPanelLog.mid_y(), 0}, {800, 320, 300, 0}, {400, kPanelHints.mid_x(), kPanelHints.mid_y(), 1},
              {60, kPanelHints.mid_x(), kPanelHints.mid_y(), 0}, {60, kPanelTextWait.mid_x(), kPanelTextWait.mid_y(), 1},
              {60, kPanelTextWait.mid_x(), kPanelTextWait.mid_y(), 0}},
             {{300, "control panel, Hint under the pointer"}, {600, "control panel, Log under the pointer"},
              {1000, "what was said, opened from the panel"}, {1500, "what was said, scrolled back three rows"},
              {2400, "control panel, hints off (no Hint button), text until clicked"}});
  settings::hints = 1, settings::text_until_clicked = 0;
}

void help_hints_and_log() {
  for (const StoryStep& s : story_steps())
    for (int level = 0; level < kHintLevels; ++level)
      keep_hero_line(s.room ? s.room : "future_floor1", s.hints[level].line0, s.hints[level].line1,
                     std::string("hint ") + std::to_string(level + 1) + " of the step \"" + s.name + "\"");
  panel_help_states();
  // The options screen, hints switched off and lines until clicked.
  driver::fresh_game();
  driver::Player p;
  p.click_when(after(300, driver::in_main_menu), kMenuHot[2].mid_x(), kMenuHot[2].mid_y())
      .click_when(after(300), kMenuOptHints.mid_x(), kMenuOptHints.mid_y())
      .click_when(after(300), kMenuOptTextWait.mid_x(), kMenuOptTextWait.mid_y())
      .then(after(400), [] { keep(headless::last_frame(), "options screen, hints off, text until clicked"), headless::stop(); });
  static char name[] = "game";
  char* argv[2] = {name, nullptr};
  run_program([&] { game_main(1, argv); });
  headless::on_present(nullptr);
  settings::hints = 1, settings::text_until_clicked = 0;
}

}  // namespace gallery
