// The gallery: every picture the game shows, rendered headless into PNG files
// and one index.html, so a person can look the whole game through in a minute.
//
//   gallery_en OUT_DIR                   this build's pictures, listed in OUT_DIR/en.list
//   gallery_en OUT_DIR --only KEY,...    only the sections named (a quicker look at a few)
//   gallery_en OUT_DIR --index           index.html from every build's list
//
// One section a chapter of the index, in the order of the table below; each
// is a function of its own (gallery.h) that starts from a fresh game.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/tr.h"
#include "gallery/gallery.h"

namespace {

using namespace gallery;

struct Section {
  const char* key;      // for --only
  const char* chapter;  // the heading in the index
  void (*render)();
};

const Section kSections[] = {
    {"start", "Start, menus and the opening scene", start_and_menus},
    {"title", "The title animation: the logo film and the title with its progress bar, frame by frame",
     title_animation},
    {"options", "The options screen (spoken lines, window size) and the credits", options_and_credits},
    {"rooms", "Every room as a new game finds it; its pieces and persons in each state", rooms_at_start},
    {"tab", "The Tab view of every room: every name the markers show", tab_views},
    {"story", "The story as a player plays it: rooms after each step that changes them, every shot", play_story},
    {"scenes", "Scenes off the story's shortest road", other_scenes},
    {"talk", "Every conversation menu as the player first sees it, and with a choice under the pointer",
     conversation_menus},
    {"speech", "Spoken lines: the subtitle band on and off, the normal and the large font", spoken_lines},
    {"hero", "The hero's animations from his sprite sheets, as the game draws them", hero_animations},
    {"pointers", "Every pointer picture on a room, the mouse position marked", pointers},
    {"verbs", "The verb panel and the bag button in each state", verb_panel},
    {"pause", "The pause", pause_screen},
    {"bag", "The bag with every item, the control panel, the save and load screens", bag_and_panel},
    {"saves", "Saved games: the slot screens empty and full, their questions, the panel with Main menu",
     saves_and_main_menu},
    {"help", "Help: the hints of every step, what was said, the settings of help", help_hints_and_log},
    {"icons", "The desktop icons the game installs", icons},
};

bool wanted(const Section& s, const std::string& only) {
  if (only.empty()) return true;
  std::stringstream keys(only);
  for (std::string key; std::getline(keys, key, ',');)
    if (key == s.key) return true;
  return false;
}

void write_index(const std::string& out) {
  struct Entry { std::string chapter, file, title; };
  std::vector<std::pair<std::string, std::vector<Entry>>> builds;
  for (const char* lang : {"en", "de"}) {
    std::ifstream in(out + "/" + lang + ".list");
    std::vector<Entry> entries;
    std::string line;
    while (std::getline(in, line)) {
      const auto a = line.find('\t'), b = line.find('\t', a + 1);
      if (a != std::string::npos && b != std::string::npos)
        entries.push_back({line.substr(0, a), line.substr(a + 1, b - a - 1), line.substr(b + 1)});
    }
    builds.emplace_back(lang, entries);
  }
  std::ofstream html(out + "/index.html");
  html << "<!doctype html><meta charset=\"utf-8\"><title>Pelvaro: every picture</title>\n"
          "<style>body{font:13px sans-serif;background:#222;color:#ddd}figure{display:inline-block;margin:4px;"
          "width:324px;vertical-align:top}img{width:320px;border:1px solid #555}figcaption{word-wrap:break-word}"
          "h2{border-top:1px solid #666;padding-top:8px}</style>\n<h1>Pelvaro: every picture</h1>\n";
  // The chapters of each build first, each a link to its pictures.
  for (const auto& [lang, entries] : builds) {
    html << "<p><b>game_" << lang << ":</b>";
    std::string last;
    for (const Entry& e : entries)
      if (e.chapter != last) last = e.chapter, html << "<br><a href=\"#" << lang << "-" << &e - &entries[0] << "\">" << e.chapter << "</a>";
    html << "</p>\n";
  }
  for (const auto& [lang, entries] : builds) {
    html << "<h1>game_" << lang << " (" << entries.size() << " pictures)</h1>\n";
    std::string last;
    for (const Entry& e : entries) {
      if (e.chapter != last)
        html << "<h2 id=\"" << lang << "-" << &e - &entries[0] << "\">" << e.chapter << "</h2>\n", last = e.chapter;
      html << "<figure><a href=\"" << e.file << "\"><img loading=\"lazy\" src=\"" << e.file << "\"></a><figcaption>"
           << e.title << "</figcaption></figure>\n";
    }
  }
}

double seconds_since(std::chrono::steady_clock::time_point t) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || (argc > 2 && std::strcmp(argv[2], "--index") != 0 && (std::strcmp(argv[2], "--only") != 0 || argc < 4))) {
    std::fprintf(stderr, "usage: %s OUT_DIR [--index | --only KEY,...]\n", argv[0]);
    return 2;
  }
  const std::string out = std::filesystem::absolute(argv[1]).string();
  if (argc > 2 && std::strcmp(argv[2], "--index") == 0) return write_index(out), 0;
  const std::string only = argc > 3 ? argv[3] : "";
  open_list(out);
  const auto start = std::chrono::steady_clock::now();
  for (const Section& s : kSections) {
    if (!wanted(s, only)) continue;
    const auto t = std::chrono::steady_clock::now();
    const int before = pictures_kept();
    begin_section(s.chapter);
    s.render();
    std::printf("gallery_%s: %-8s %4d pictures in %5.1f s\n", TR("de", "en"), s.key, pictures_kept() - before,
                seconds_since(t));
  }
  std::printf("gallery: %d pictures of game_%s in %s, %.1f s\n", pictures_kept(), TR("de", "en"), out.c_str(),
              seconds_since(start));
  return troubles_seen() ? 1 : 0;
}
