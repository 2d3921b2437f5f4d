// How the game reads and writes its own files (options, room state, saved
// games), so that nothing hangs, nothing is half written and no failure
// passes in silence:
// - only regular files are read: a folder, a FIFO or a device in a file's
//   place counts as missing (and a FIFO never blocks the game);
// - a file is replaced through "<name>.<process id>.tmp" and a rename, so the
//   old file stays whole until the new one is complete, and two copies of the
//   game in one folder never write through the same temporary file;
// - a write that fails says so on the console and in bugs.txt, with the
//   system's reason.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#include <unistd.h>

// The reason given for a file that does not exist.
inline constexpr const char* kFileMissing = "it is missing";

// Opens `path` for reading (binary) when it is a regular file. Otherwise
// returns null and sets `why`: kFileMissing, "it is not a regular file", or
// the system's reason.
FILE* open_regular_file(const char* path, std::string& why);
// The same as a file descriptor; -1 when it cannot be read.
int open_regular_fd(const char* path, std::string& why);

// Creates (or empties) `path` for writing lines to it, such as bugs.txt;
// never waits on a FIFO. Null with `why` set when it cannot.
FILE* create_text_file(const char* path, std::string& why);

// The temporary file through which the process `pid` replaces `path`:
// "<path>.<pid>.tmp".
std::string temporary_name(const char* path, long pid = getpid());

// Replaces `path` by the `length` bytes at `data`: written to its temporary
// file, flushed (and with `durable`, synced to the disk), closed and renamed
// over `path`. Returns 0; on any failure returns -1, removes the temporary
// file it wrote (never anything else), leaves `path` as it was and sets `why`
// to the system's reason.
int write_file_replacing(const char* path, const void* data, size_t length, bool durable, std::string& why);

// "Pelvaro: <what> could not be saved to <path>: <why>." on the console
// (standard error) and in bugs.txt.
void report_failed_write(const char* what, const char* path, const std::string& why);
// "Pelvaro: <path>: <why>; <consequence>." on the console and in bugs.txt.
void report_unusable_file(const char* path, const std::string& why, const char* consequence);
// A line in bugs.txt; on the console when bugs.txt could not be opened, so
// no reason is ever dropped.
void note_in_bug_report(const char* format, ...) __attribute__((format(printf, 1, 2)));

// When the game cannot keep its state on the disk (a read-only folder, a full
// disk), the room says so in one line, once, as soon as a room is drawn.
// storage_failed: one of the game's own state files could not be written;
// storage_works: one was, so a later failure is told again.
void storage_failed();
void storage_works();
// The line to show over the room in this frame, or null. Each call is one
// composed frame of the line's showing.
const char* storage_caption();
