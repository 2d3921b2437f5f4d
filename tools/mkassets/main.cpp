// mkassets: generates every data file the game loads at start-up into the
// data folder given on the command line.
//
//   mkassets DATA_DIR [--sheets DIR] [--only NAME]
//   mkassets --icons DIR
//
// --sheets writes PNG contact sheets of the pictures to DIR; --only runs one
// module (by the names printed while running). --icons writes only the
// desktop icons, pelvaro-<size>.png, to DIR (they are not game data).
#include <allegro.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>

#include "generator.h"

namespace mkassets {

void Context::sheet(const std::string& name, const std::vector<const Image16*>& pics, int columns,
                    double scale) const {
  if (!sheet_dir.empty()) write_sheet(sheet_dir + "/" + name + ".png", pics, columns, scale);
}

const std::vector<Module>& modules() {
  static const std::vector<Module> list = {
      {"title", make_title},   {"general", make_general},     {"cursor", make_cursors},
      {"objects", make_objects}, {"hero", make_hero},         {"font", make_font},
      {"menu", make_menu},     {"inventar", make_inventory}, {"intro", make_intro},
      {"music", make_music},   {"jingle", make_jingle},       {"sounds", make_sounds},
      {"film", make_film},
      {"rooms", make_rooms},   {"hero_scenes", make_hero_scenes}, {"teachers", make_teacher_scenes},
      {"time_machine", make_time_machine}, {"encounter", make_encounter_scenes},
      {"sums", make_sums},
  };
  return list;
}

}  // namespace mkassets

int main(int argc, char** argv) {
  using namespace mkassets;
  Context ctx;
  std::string only;
  std::string icons_dir;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--sheets") && i + 1 < argc)
      ctx.sheet_dir = argv[++i];
    else if (!std::strcmp(argv[i], "--icons") && i + 1 < argc)
      icons_dir = argv[++i];
    else if (!std::strcmp(argv[i], "--only") && i + 1 < argc)
      only = argv[++i];
    else if (ctx.data_dir.empty() && argv[i][0] != '-')
      ctx.data_dir = argv[i];
    else {
      std::fprintf(stderr, "usage: %s DATA_DIR [--sheets DIR] [--only MODULE] | --icons DIR\n", argv[0]);
      return 2;
    }
  }
  if (!icons_dir.empty() && ctx.data_dir.empty()) {
    try {
      write_icons(icons_dir);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "mkassets: %s\n", e.what());
      return 1;
    }
    return 0;
  }
  if (ctx.data_dir.empty()) {
    std::fprintf(stderr, "usage: %s DATA_DIR [--sheets DIR] [--only MODULE] | --icons DIR\n", argv[0]);
    return 2;
  }
  // The datafile writer uses Allegro's packfiles; no display is needed.
  if (install_allegro(SYSTEM_NONE, &errno, nullptr) != 0) {
    std::fprintf(stderr, "mkassets: Allegro does not start\n");
    return 1;
  }
  try {
    std::filesystem::create_directories(ctx.path("sfx"));
    std::filesystem::create_directories(ctx.path("flc"));
    if (!ctx.sheet_dir.empty()) std::filesystem::create_directories(ctx.sheet_dir);
    const auto start = std::chrono::steady_clock::now();
    for (const Module& m : modules()) {
      // The list of sums follows whatever was written, so it always runs.
      if (!only.empty() && only != m.name && std::strcmp(m.name, "sums") != 0) continue;
      const auto t0 = std::chrono::steady_clock::now();
      m.run(ctx);
      const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0);
      std::printf("mkassets: %-9s %5lld ms\n", m.name, static_cast<long long>(ms.count()));
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("mkassets: all data in %lld ms\n", static_cast<long long>(ms.count()));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "mkassets: %s\n", e.what());
    return 1;
  }
  return 0;
}
