#include "support/dialogue_support.h"

#include <allegro.h>

#include "dialogue/talk.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "shell/datafiles.h"
#include "shell/hardware.h"
#include "shell/world.h"
#include "support/test_support.h"

namespace dialogue_support {

namespace {

// The start-up datafiles, loaded once per test process: reset_world()
// forgets the pointers, and the data never changes.
struct StartupData {
  DATAFILE* walk = nullptr;
  DATAFILE* talkf = nullptr;
  DATAFILE* general = nullptr;
  DATAFILE* cursor = nullptr;
  DATAFILE* objects = nullptr;
  DATAFILE* font = nullptr;
};

StartupData& startup_data() {
  static StartupData d;
  if (!d.font) {
    d.walk = load_datafile_checked("walk.dat", 112);
    d.talkf = load_datafile_checked("talkf.dat", 15);
    d.general = load_datafile_checked("general.dat", 12);
    d.cursor = load_datafile_checked("cursor.dat", 32);
    d.objects = load_datafile_checked("objects.dat", 15);
    d.font = load_datafile_checked("font.dat", 1);
  }
  return d;
}

std::string quoted(const char* line) {
  return std::string("\"") + line + "\"";
}

}  // namespace

void stand_in_room(const char* room) {
  test_support::fresh_game();
  init_hardware();
  const StartupData& d = startup_data();
  walk_dat = d.walk;
  talkf_dat = d.talkf;
  general_dat = d.general;
  cursor_dat = d.cursor;
  objects_dat = d.objects;
  font_dat = d.font;
  load_general_data();
  init_general_variables();
  text_speed = 50;
  room_name = room;
  change_room = 0;
  forget_loaded_animations();
  load_new_room();
  change_room = -1;
}

void load_font() {
  test_support::ensure_allegro();
  pv_font = static_cast<FONT*>(startup_data().font[0].dat);
  if (!memory_screen) memory_screen = create_bitmap(640, 480);
}

int line_width(const char* line) {
  return (line && line[0]) ? text_length(pv_font, line) : 0;
}

std::string line_problem(const char* room, const std::string& what, const char* line) {
  const int w = line_width(line);
  if (w <= kBandRight - kBandLeft) return "";
  return std::string("room ") + room + ", " + what + ": " + quoted(line) + " is " + std::to_string(w) +
         " px wide, wider than the band from 40 to 600";
}

std::vector<std::string> talk_tree_problems(const char* room) {
  std::vector<std::string> problems;
  for (int p = 0; p < kMaxPersons; ++p) {
    const std::string person = "person " + std::to_string(p) + ", node ";
    for_each_talk_path([&](const TalkPath& path) {
      const TalkNode& n = talk_node(p, path);
      const std::string node = person + talk_path_name(path);
      if (has_sentence(n) && path.depth() > 4)
        problems.push_back(std::string("room ") + room + ", " + node + ": a sentence on level " +
                           std::to_string(path.depth()) + ", deeper than four levels");
      if (has_sentence(n) && path.depth() > 1 && !has_sentence(talk_node(p, path.first(path.depth() - 1))))
        problems.push_back(std::string("room ") + room + ", " + node +
                           ": its parent holds no sentence, so it is never offered");
      if (has_sentence(n) && n.s_call_nr < 1)
        problems.push_back(std::string("room ") + room + ", " + node + ": counts " + std::to_string(n.s_call_nr) +
                           ", so it is never offered");
      for (int l = 0; l < kTalkLines; ++l) {
        std::string s = line_problem(room, node + ", sentence line " + std::to_string(l), n.sentence[l]);
        if (!s.empty()) problems.push_back(s);
        s = line_problem(room, node + ", reply line " + std::to_string(l), n.reply[l]);
        if (!s.empty()) problems.push_back(s);
      }
    });
  }
  return problems;
}

std::vector<std::string> talk_override_problems(const char* room) {
  std::vector<std::string> problems;
  const int r = room_index(room);
  if (r < 0) return {std::string("no room ") + room};
  for (const TalkOverride& o : kRooms[r]->talk_overrides) {
    const bool changes = o.call_nr >= 0 || o.exit != 0 || o.withheld != 0;
    bool sentence = false;
    for (const TalkLine& line : kRooms[r]->talk_lines)
      if (line.person == o.person && line.path == o.path && line.sentence[0] && line.sentence[0][0]) sentence = true;
    if (changes && !sentence)
      problems.push_back(std::string("room ") + room + ", person " + std::to_string(o.person) + ", node " +
                         talk_path_name(o.path) + ": an override of a node without a sentence");
  }
  return problems;
}

}  // namespace dialogue_support
