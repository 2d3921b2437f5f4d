#include "core/files.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/tr.h"
#include "core/world.h"

int open_regular_fd(const char* path, std::string& why) {
  // Without O_NONBLOCK, opening a FIFO waits for a writer: the game would hang.
  const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    why = errno == ENOENT ? kFileMissing : std::strerror(errno);
    return -1;
  }
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    why = "it is not a regular file";
    close(fd);
    return -1;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

FILE* open_regular_file(const char* path, std::string& why) {
  const int fd = open_regular_fd(path, why);
  if (fd < 0) return nullptr;
  FILE* f = fdopen(fd, "rb");
  if (!f) {
    why = std::strerror(errno);
    close(fd);
  }
  return f;
}

FILE* create_text_file(const char* path, std::string& why) {
  const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
  if (fd < 0) {
    why = std::strerror(errno);
    return nullptr;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  FILE* f = fdopen(fd, "w");
  if (!f) {
    why = std::strerror(errno);
    close(fd);
  }
  return f;
}

std::string temporary_name(const char* path, long pid) {
  return std::string(path) + "." + std::to_string(pid) + ".tmp";
}

int write_file_replacing(const char* path, const void* data, size_t length, bool durable, std::string& why) {
  const std::string temp = temporary_name(path);
  // O_NONBLOCK: a FIFO in the temporary file's place fails at once instead of
  // waiting for a reader.
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) {
    why = std::strerror(errno);
    return -1;  // nothing of ours to remove: whatever is in the way stays
  }
  auto fail = [&](int error, bool opened) {
    why = std::strerror(error);
    if (opened) close(fd);
    unlink(temp.c_str());
    return -1;
  };
  const char* p = static_cast<const char*>(data);
  size_t left = length;
  while (left > 0) {
    const ssize_t n = write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errno, true);
    }
    if (n == 0) return fail(EIO, true);
    p += n;
    left -= static_cast<size_t>(n);
  }
  if (durable && fsync(fd) != 0) return fail(errno, true);
  if (close(fd) != 0) return fail(errno, false);
  if (std::rename(temp.c_str(), path) != 0) return fail(errno, false);
  return 0;
}

namespace {

void to_console_and_bug_report(const std::string& line) {
  std::fflush(stdout);
  std::fprintf(stderr, "%s\n", line.c_str());
  std::fflush(stderr);
  if (bug_report) {
    std::fprintf(bug_report, "%s\n", line.c_str());
    std::fflush(bug_report);
  }
}

}  // namespace

void report_failed_write(const char* what, const char* path, const std::string& why) {
  to_console_and_bug_report(std::string("Pelvaro: ") + what + " could not be saved to " + path + ": " + why + ".");
}

void report_unusable_file(const char* path, const std::string& why, const char* consequence) {
  to_console_and_bug_report(std::string("Pelvaro: ") + path + ": " + why + "; " + consequence + ".");
}

void note_in_bug_report(const char* format, ...) {
  va_list args;
  va_start(args, format);
  if (bug_report) {
    std::vfprintf(bug_report, format, args);
    std::fputc('\n', bug_report);
    std::fflush(bug_report);
  } else {
    std::fflush(stdout);
    std::fputs("Pelvaro: ", stderr);
    std::vfprintf(stderr, format, args);
    std::fputc('\n', stderr);
    std::fflush(stderr);
  }
  va_end(args);
}

namespace {

// The caption stays for about ten seconds of room frames (55 ms each).
constexpr int kCaptionFrames = 180;

}  // namespace

void storage_failed() {
  if (storage_told) return;
  storage_told = 1;
  storage_caption_frames = kCaptionFrames;
}

void storage_works() {
  storage_told = 0;
}

const char* storage_caption() {
  if (storage_caption_frames <= 0) return nullptr;
  --storage_caption_frames;
  return TR("Achtung: Hier kann ich nichts speichern, der Ordner ist voll oder gesperrt.",
            "Watch out: I can't save anything here, the folder is full or read-only.");
}
