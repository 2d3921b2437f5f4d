#include "core/command_line.h"

#include <cstdio>
#include <cstring>

#include "core/tr.h"
#include "platform/platform.h"

namespace {

// The newest entry of packaging/debian/changelog, as CMakeLists.txt reads it.
constexpr const char* kGameVersion = PELVARO_VERSION;

bool is(const char* arg, const char* a, const char* b = nullptr) {
  return std::strcmp(arg, a) == 0 || (b && std::strcmp(arg, b) == 0);
}

const char* base_name(const char* path) {
  if (!path || !*path) return "pelvaro";
  const char* slash = std::strrchr(path, '/');
  return slash ? slash + 1 : path;
}

void print_usage(FILE* to, const char* program) {
  std::fprintf(to, TR("Aufruf: %s [-fullscreen] [-scale N]\n", "Usage: %s [-fullscreen] [-scale N]\n"),
               base_name(program));
}

}  // namespace

CommandLine read_command_line(int argc, char** argv) {
  CommandLine line;
  for (int i = 1; i < argc && argv[i]; ++i) {
    const char* arg = argv[i];
    if (is(arg, "--help", "-h")) {
      line.ask = CommandLine::Ask::help;
      return line;
    }
    if (is(arg, "--version")) {
      line.ask = CommandLine::Ask::version;
      return line;
    }
    if (is(arg, "-fullscreen", "--fullscreen")) {
      line.fullscreen = 1;
    } else if (is(arg, "-scale")) {
      // The factor follows; a missing or wrong one is reported and left out.
      if (i + 1 < argc && argv[i + 1] && argv[i + 1][0] != '-') ++i;
    } else if (line.ask == CommandLine::Ask::play) {
      line.ask = CommandLine::Ask::mistake;
      line.wrong = arg;
    }
  }
  return line;
}

void answer_command_line(const CommandLine& line, const char* program) {
  switch (line.ask) {
    case CommandLine::Ask::play:
      return;
    case CommandLine::Ask::help:
      print_usage(stdout, program);
      std::fputs(TR("Pelvaro, ein Abenteuerspiel mit Zeigen und Klicken.\n"
                    "\n"
                    "  -fullscreen   auf dem ganzen Bildschirm spielen\n"
                    "  -scale N      das Bild von 640 x 480 in diesem Lauf N-fach zeigen (1 bis 8),\n"
                    "                oder mit \"fill\" so groß, wie der Bildschirm es fasst\n"
                    "  --help        diese Hilfe zeigen und enden\n"
                    "  --version     Name und Version zeigen und enden\n"
                    "\n"
                    "Tasten im Spiel: F5 speichern, F7 laden, P oder Pause hält an, Escape\n"
                    "überspringt eine Rede oder eine Szene, F11 oder Alt+Eingabe wechselt\n"
                    "zwischen Fenster und ganzem Bildschirm.\n",
                    "Pelvaro, a point-and-click adventure.\n"
                    "\n"
                    "  -fullscreen   play on the whole screen\n"
                    "  -scale N      show the 640 x 480 picture N times as large for this run (1 to 8),\n"
                    "                or with \"fill\" as large as the screen holds\n"
                    "  --help        show this help and quit\n"
                    "  --version     show the name and version and quit\n"
                    "\n"
                    "Keys in the game: F5 save, F7 load, P or Pause pauses, Escape skips a line or a\n"
                    "scene, F11 or Alt+Enter switches between a window and the whole screen.\n"),
                 stdout);
      platform_exit(ExitStatus::ok);
    case CommandLine::Ask::version:
      std::printf("Pelvaro %s\n", kGameVersion);
      platform_exit(ExitStatus::ok);
    case CommandLine::Ask::mistake:
      std::fflush(stdout);
      std::fprintf(stderr, TR("%s: unbekannte Option \"%s\"\n", "%s: unknown option \"%s\"\n"), base_name(program),
                   line.wrong);
      print_usage(stderr, program);
      std::fputs(TR("Mehr dazu: --help\n", "More with --help\n"), stderr);
      platform_exit(ExitStatus::bad_files);
  }
}
