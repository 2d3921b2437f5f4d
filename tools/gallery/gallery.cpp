// The gallery: every picture the game shows, rendered headless into PNG files
// and one index.html, so a person can look the whole game through in a minute.
//
//   gallery_en OUT_DIR            this build's pictures, listed in OUT_DIR/en.list
//   gallery_en OUT_DIR --index    index.html from every build's list
//
// In story order: the start and the menus, the opening scene; every room as a
// new game finds it, with its pieces and persons in each of their states and
// its mouse boxes; the story played through as a player would, with each room
// again after a step that changed it and the first and last frame of every
// cut-scene shot; the scenes the story does not need; the bag with every item,
// the control panel and the slot screens.
#include <cairo.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
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
#include "game/game.h"
#include "interaction/inventory.h"
#include "interaction/items.h"
#include "persistence/saved_games.h"
#include "platform/headless.h"
#include "rooms/registry.h"
#include "rooms/room_script.h"
#include "story/story_table.h"
#include "headless_driver/driver.h"
#include "headless_driver/story_player.h"

namespace {

namespace fs = std::filesystem;
using namespace screen_layout;
using driver::MouseStep;
using driver::run_program;

const char* const kLang = TR("de", "en");
std::string out_dir;
std::ofstream listing;
int picture_nr = 0;
std::string chapter;  // the heading the next pictures are listed under
int trouble = 0;      // a part that did not run as planned: the gallery is incomplete

// ---- Writing pictures -----------------------------------------------------------

void write_png(BITMAP* b, const std::string& path) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, b->w, b->h);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < b->h; ++y) {
    const auto* row = reinterpret_cast<const uint16_t*>(b->line[y]);
    auto* out = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < b->w; ++x) {
      const uint32_t p = row[x];
      const uint32_t r = (p >> 11 & 31) * 255 / 31, g = (p >> 5 & 63) * 255 / 63, bl = (p & 31) * 255 / 31;
      out[x] = r << 16 | g << 8 | bl;
    }
  }
  cairo_surface_mark_dirty(s);
  cairo_surface_write_to_png(s, path.c_str());
  cairo_surface_destroy(s);
}

std::string file_name(const std::string& title) {
  std::string slug;
  for (char c : title) {
    if (std::isalnum(static_cast<unsigned char>(c))) slug += static_cast<char>(std::tolower(c));
    else if (!slug.empty() && slug.back() != '_') slug += '_';
  }
  if (slug.size() > 90) slug.resize(90);
  char nr[8];
  std::snprintf(nr, sizeof nr, "%04d", ++picture_nr);
  return std::string(kLang) + "/" + nr + "_" + slug + ".png";
}

// One picture of the gallery, listed under the current chapter.
void keep(BITMAP* b, const std::string& title) {
  const std::string name = file_name(title);
  write_png(b, out_dir + "/" + name);
  listing << chapter << '\t' << name << '\t' << title << '\n';
}

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

// A condition that holds `ms` after it is first asked.
std::function<bool()> after(int ms, std::function<bool()> also = [] { return true; }) {
  auto since = std::make_shared<int>(-1);
  return [=] {
    if (!also()) return false;
    if (*since < 0) *since = headless::now();
    return headless::now() >= *since + ms;
  };
}
std::function<void()> shoot(const std::string& title) {
  return [title] { keep(headless::last_frame(), title); };
}

void start_and_menus() {
  chapter = "Start, menus and the opening scene";
  driver::fresh_game();
  driver::Player p;
  auto menu = driver::in_main_menu;
  p.then(after(400, menu), shoot("main menu"))
      .click_when(menu, kMenuHot[2].mid_x(), kMenuHot[2].mid_y())
      .then(after(400), shoot("options screen"))
      .click_when(after(100), kMenuOptCancel.mid_x(), kMenuOptCancel.mid_y())
      .click_when(after(400), kMenuHot[1].mid_x(), kMenuHot[1].mid_y())
      .then(after(400), shoot("instructions, page 1"))
      .click_when(after(100), kInstructSecond.mid_x(), kInstructSecond.mid_y())
      .then(after(400), shoot("instructions, page 2"))
      .click_when(after(100), kInstructBack.mid_x(), kInstructBack.mid_y())
      .click_when(after(400), kMenuHot[3].mid_x(), kMenuHot[3].mid_y())
      .then(after(1500), shoot("credits"))
      .click_when(after(100), 320, 240)
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
  if (status != -2) ++trouble, std::fprintf(stderr, "gallery: the start ended with %d\n", status);
  headless::on_present(nullptr);
}

// ---- Rooms, pieces and persons ------------------------------------------------------

BITMAP* piece_picture(DATAFILE* d, int count, int object) {
  return object >= 0 && object < count && d[object].type == DAT_BITMAP ? static_cast<BITMAP*>(d[object].dat) : nullptr;
}

// A sheet of pictures, each in a cell with its caption, on a grey backdrop.
struct Cell {
  std::vector<BITMAP*> pictures;
  std::string caption;
};
void keep_sheet(const std::vector<Cell>& cells, const std::string& title) {
  if (cells.empty()) return;
  constexpr int kWidth = 1280, kGap = 8, kCaption = 22;
  struct Placed { int x, y, w, h; };
  std::vector<Placed> placed;
  int x = kGap, y = kGap, row_h = 0;
  for (const Cell& c : cells) {
    int w = text_length(pv_font, c.caption.c_str()), h = 0, pw = 0;
    for (BITMAP* b : c.pictures) pw += b->w + 4, h = std::max(h, b->h);
    w = std::min(std::max(w, pw), kWidth - 2 * kGap);
    if (x + w > kWidth - kGap) x = kGap, y += row_h + kGap, row_h = 0;
    placed.push_back({x, y, w, h + kCaption});
    x += w + kGap, row_h = std::max(row_h, h + kCaption);
  }
  BITMAP* sheet = create_bitmap(kWidth, y + row_h + kGap);
  clear_to_color(sheet, makecol(96, 104, 112));
  for (size_t i = 0; i < cells.size(); ++i) {
    const Placed& p = placed[i];
    rectfill(sheet, p.x, p.y, p.x + p.w - 1, p.y + p.h - 1, makecol(150, 156, 164));
    int px = p.x;
    for (BITMAP* b : cells[i].pictures) draw_sprite(sheet, b, px, p.y + kCaption), px += b->w + 4;
    textout_ex(sheet, pv_font, cells[i].caption.c_str(), p.x + 2, p.y + 1, makecol(255, 255, 255), -1);
  }
  keep(sheet, title);
  destroy_bitmap(sheet);
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

void rooms_at_start() {
  chapter = "Every room as a new game finds it; its pieces and persons in each state";
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

// What a room shows, to see whether a step changed it.
std::string room_look() {
  std::ostringstream s;
  s << room_name;
  for (int i = 0; i < furni_nr; ++i) s << ' ' << furni_present[i] << furni_anim[i];
  for (int i = 0; i < person_nr; ++i) s << ' ' << person_present[i] << person_anim[i];
  for (int i = 0; i < exit_nr; ++i) s << ' ' << go_through[i];
  return s.str();
}

void play_story() {
  chapter = "The story as a player plays it: rooms after each step that changes them, every shot";
  driver::fresh_game(3);
  scene_cause = "start";
  if (driver::play_to_main_loop() != -2) ++trouble, std::fprintf(stderr, "gallery: no new game\n");
  headless::on_present(nullptr);
  text_speed = 1;
  std::map<std::string, std::string> seen;  // room -> its look when last kept
  seen[room_name] = room_look();
  story::Player p;
  with_shot_watch();
  auto step = [&](const std::string& what, const std::function<void()>& move) {
    scene_cause = std::string(room_name) + ", " + what;
    move();
    const std::string look = room_look();
    if (seen[room_name] != look) {
      seen[room_name] = look;
      draw_room();
      keep(memory_screen, std::string(room_name) + " after: " + what);
    }
  };
  auto walk = [&](std::initializer_list<const char*> rooms) {
    for (const char* r : rooms) step(std::string("to ") + r, [&] { p.exit_to(r); });
  };
  const int status = run_program([&] {
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
    step("make the welding torch",
         [&] { p.combine("Gaz", "schlauch"), p.combine("Gaz_Schlauch", "Bunsenbrenner"); });
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
  });
  if (status != 1) ++trouble, std::fprintf(stderr, "gallery: the story ended with %d at %s\n", status, p.move().c_str());
  headless::on_present(nullptr);
}

// The scenes the story's shortest road does not play.
void other_scenes() {
  chapter = "Scenes off the story's shortest road";
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
    else if (status != -1) ++trouble, std::fprintf(stderr, "gallery: %s ended with %d\n", s.name, status);
    headless::on_present(nullptr);
  }
}

// ---- The bag, the control panel and the slot screens ------------------------------

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

void bag_and_panel() {
  chapter = "The bag with every item, the control panel, the save and load screens";
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
              {1700, "load screen, a slot under the pointer"}});
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
  chapter = "Help: the hints of every step, what was said, the settings of help";
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

// ---- index.html -------------------------------------------------------------------

void write_index() {
  struct Entry { std::string chapter, file, title; };
  std::vector<std::pair<std::string, std::vector<Entry>>> builds;
  for (const char* lang : {"en", "de"}) {
    std::ifstream in(out_dir + "/" + lang + ".list");
    std::vector<Entry> entries;
    std::string line;
    while (std::getline(in, line)) {
      const auto a = line.find('\t'), b = line.find('\t', a + 1);
      if (a != std::string::npos && b != std::string::npos)
        entries.push_back({line.substr(0, a), line.substr(a + 1, b - a - 1), line.substr(b + 1)});
    }
    builds.emplace_back(lang, entries);
  }
  std::ofstream html(out_dir + "/index.html");
  html << "<!doctype html><meta charset=\"utf-8\"><title>Pelvaro: every picture</title>\n"
          "<style>body{font:13px sans-serif;background:#222;color:#ddd}figure{display:inline-block;margin:4px;"
          "width:324px;vertical-align:top}img{width:320px;border:1px solid #555}figcaption{word-wrap:break-word}"
          "h2{border-top:1px solid #666;padding-top:8px}</style>\n<h1>Pelvaro: every picture</h1>\n";
  for (const auto& [lang, entries] : builds) {
    html << "<h1>game_" << lang << " (" << entries.size() << " pictures)</h1>\n";
    std::string last;
    for (const Entry& e : entries) {
      if (e.chapter != last) html << "<h2>" << e.chapter << "</h2>\n", last = e.chapter;
      html << "<figure><a href=\"" << e.file << "\"><img loading=\"lazy\" src=\"" << e.file << "\"></a><figcaption>"
           << e.title << "</figcaption></figure>\n";
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUT_DIR [--index]\n", argv[0]);
    return 2;
  }
  out_dir = fs::absolute(argv[1]).string();
  if (argc > 2 && std::strcmp(argv[2], "--index") == 0) return write_index(), 0;
  fs::remove_all(out_dir + "/" + kLang);
  fs::create_directories(out_dir + "/" + kLang);
  listing.open(out_dir + "/" + kLang + ".list");
  start_and_menus();
  rooms_at_start();
  play_story();
  other_scenes();
  bag_and_panel();
  help_hints_and_log();
  std::printf("gallery: %d pictures of game_%s in %s\n", picture_nr, kLang, out_dir.c_str());
  return trouble ? 1 : 0;
}
