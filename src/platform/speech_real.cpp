// Speech through speech-dispatcher's client library, loaded when speech is first started. The few functions
// the game calls are declared here with the library's documented signatures, so the build needs neither the
// library nor its header.
#include "platform/speech.h"

#include <dlfcn.h>

namespace {

// The library's connection, its connection mode (single-threaded: the game answers nothing it sends) and
// the priority of the texts ("text": a new one of the same priority waits, and spd_cancel drops it).
struct SPDConnection;
constexpr int kSpdModeSingle = 0;
constexpr int kSpdPriorityText = 3;

using SpdOpen = SPDConnection* (*)(const char* client_name, const char* connection_name, const char* user_name,
                                   int mode);
using SpdSay = int (*)(SPDConnection* connection, int priority, const char* text);
using SpdCancel = int (*)(SPDConnection* connection);
using SpdClose = void (*)(SPDConnection* connection);

struct Library {
  void* handle = nullptr;
  SpdOpen open = nullptr;
  SpdSay say = nullptr;
  SpdCancel cancel = nullptr;
  SpdClose close = nullptr;
};

Library library;
SPDConnection* connection = nullptr;
std::string problem;

// The library, once: false (with the problem said) when it or one of its functions is missing.
bool load_library() {
  if (library.handle) return true;
  void* handle = dlopen("libspeechd.so.2", RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    problem = "no speech: speech-dispatcher's library (libspeechd.so.2) is not installed";
    return false;
  }
  Library l{handle, reinterpret_cast<SpdOpen>(dlsym(handle, "spd_open")), reinterpret_cast<SpdSay>(dlsym(handle, "spd_say")),
            reinterpret_cast<SpdCancel>(dlsym(handle, "spd_cancel")), reinterpret_cast<SpdClose>(dlsym(handle, "spd_close"))};
  if (!l.open || !l.say || !l.cancel || !l.close) {
    dlclose(handle);
    problem = "no speech: speech-dispatcher's library (libspeechd.so.2) lacks spd_open, spd_say, spd_cancel or spd_close";
    return false;
  }
  library = l;
  return true;
}

}  // namespace

bool speech_start() {
  if (connection) return true;
  problem.clear();
  if (!load_library()) return false;
  connection = library.open("pelvaro", "main", nullptr, kSpdModeSingle);
  if (!connection) problem = "no speech: the speech service (speech-dispatcher) does not answer";
  return connection != nullptr;
}

const std::string& speech_problem() {
  return problem;
}

bool speech_started() {
  return connection != nullptr;
}

void speech_end() {
  if (!connection) return;
  library.cancel(connection);
  library.close(connection);
  connection = nullptr;
}

void speech_say(const std::string& text, bool interrupt) {
  if (!connection || text.empty()) return;
  if (interrupt) library.cancel(connection);
  library.say(connection, kSpdPriorityText, text.c_str());
}

void speech_stop() {
  if (connection) library.cancel(connection);
}
