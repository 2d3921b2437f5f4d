// The command line, read before anything else starts: no window opens for
// --help, --version or a mistake.
#pragma once

// What the command line asks for.
struct CommandLine {
  enum class Ask { play, help, version, mistake };
  Ask ask = Ask::play;
  int fullscreen = 0;
  const char* wrong = nullptr;  // the argument not understood (Ask::mistake)
};

// The options, in any order: -fullscreen, -scale N (the factor itself is
// read by scale_from_command_line, which also says when it is left out),
// --help (-h), --version; --fullscreen works too. Anything else is a mistake.
CommandLine read_command_line(int argc, char** argv);

// Acts on --help, --version and a mistake: the usage or the version on
// standard output and status 0, or what was not understood on standard error
// and status 2. Returns only when the game is to be played.
void answer_command_line(const CommandLine& line, const char* program);
