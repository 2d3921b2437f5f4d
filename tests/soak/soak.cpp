// The soak: seeded random runs (each a child process: a crash is counted), then a close of the window at every
// moment of the story's steps, Continue and the finisher. Run in the data folder: soak [SEEDS [ACTIONS]]
// (SOAK_FIRST: first seed; SOAK_JOBS: runs at once; SOAK_CLOSES=0: no closes; SOAK_STEP_MS: the clock's step);
// SOAK_SEED=N soak replays seed N.
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include "support/finisher.h"
#include "support/test_support.h"

namespace {
using Clock = std::chrono::steady_clock;
int env(const char* name, int fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::atoi(v) : fallback;
}
std::string dir;
std::string file(const std::string& id) { return dir + "/" + id; }

struct Tally {
  int played = 0, dead = 0, crashed = 0, unreached = 0;
  double slowest = 0;
  std::string slowest_id;
};

// Runs `work` for each id, `jobs` children at once; a child's exit status 3 is a dead end, a signal a crash.
void in_children(const std::vector<std::string>& ids, const std::function<int(const std::string&)>& work, Tally& t) {
  std::map<pid_t, std::pair<std::string, Clock::time_point>> running;
  size_t next = 0;
  while (next < ids.size() || !running.empty()) {
    if (next < ids.size() && running.size() < static_cast<size_t>(env("SOAK_JOBS", 2))) {
      const std::string id = ids[next++];
      std::fflush(stdout);
      const pid_t pid = fork();
      if (pid == 0) {
        std::freopen(file(id + ".out").c_str(), "w", stdout), dup2(fileno(stdout), 2);
        alarm(900);  // a run that hangs is killed, and counted with the crashes
        std::exit(work(id));
      }
      running[pid] = {id, Clock::now()};
      continue;
    }
    int status = 0;
    const pid_t pid = wait(&status);
    const auto [id, start] = running[pid];
    running.erase(pid);
    const double s = std::chrono::duration<double>(Clock::now() - start).count();
    ++t.played;
    if (s > t.slowest) t.slowest = s, t.slowest_id = id;
    if (WIFSIGNALED(status)) {
      ++t.crashed,
          std::printf("CRASH  %s: signal %d (output in %s)\n", id.c_str(), WTERMSIG(status), file(id + ".out").c_str());
    } else if (WEXITSTATUS(status) == 4) {
      ++t.unreached;  // the continued game never came to that moment: nothing was closed
    } else if (WEXITSTATUS(status) != 0) {
      ++t.dead;
      std::ifstream in(file(id + ".txt"));
      std::printf("DEAD END %s\n%s\n", id.c_str(), std::string(std::istreambuf_iterator<char>(in), {}).c_str());
    }
  }
}

void print(const char* what, const Tally& t) {
  std::printf("soak %s: %d played, %d dead ends, %d crashes, %d moments not reached; slowest %s, %.1f s\n", what,
              t.played, t.dead, t.crashed, t.unreached, t.slowest_id.c_str(), t.slowest);
}
}  // namespace

int main(int argc, char** argv) {
  const int actions = argc > 2 ? std::atoi(argv[2]) : 300;
  // A coarser clock than the tests' 3 ms: a pass of the main loop is about 27 ms of game time instead of 9, so
  // a run takes half the time; the game's pace is set by its 55 ms frames either way.
  story::set_clock_step(env("SOAK_STEP_MS", 9));
  if (const int seed = env("SOAK_SEED", 0)) {
    const story::Run r = story::random_run(seed, actions);
    for (const std::string& a : r.log) std::printf("%s\n", a.c_str());
    std::printf("seed %d, %d closes: %s\n", seed, r.closes, r.trouble.empty() ? "finished" : r.trouble.c_str());
    return r.trouble.empty() ? 0 : 3;
  }
  char folder[] = "/tmp/pelvaro-soak-XXXXXX";
  dir = mkdtemp(folder);
  const int seeds = argc > 1 ? std::atoi(argv[1]) : 200, first = env("SOAK_FIRST", 1);
  std::vector<std::string> ids;
  for (int s = first; s < first + seeds; ++s) ids.push_back("seed " + std::to_string(s));
  Tally runs;
  const Clock::time_point start = Clock::now();
  in_children(
      ids,
      [actions](const std::string& id) {
        const int seed = std::atoi(id.c_str() + 5);
        const story::Run r = story::random_run(seed, actions);
        std::ofstream out(file(id + ".txt"));
        out << "  " << r.trouble << " (" << r.closes << " closes); the last actions (replay: make soak SEED=" << seed
            << "):\n";
        for (size_t i = r.log.size() > 12 ? r.log.size() - 12 : 0; i < r.log.size(); ++i)
          out << "    " << r.log[i] << "\n";
        return r.trouble.empty() ? 0 : 3;
      },
      runs);
  print("random runs", runs);
  std::printf("soak random runs: %.1f min in all, %d at once\n",
              std::chrono::duration<double>(Clock::now() - start).count() / 60, env("SOAK_JOBS", 2));

  if (env("SOAK_CLOSES", 1)) {
    // The moments of each step and the game kept before it, from one child; then one child per moment.
    Tally record, closes;
    in_children(
        {"moments"},
        [](const std::string&) {
          std::map<std::string, std::string> kept;
          std::ofstream list(file("moments.txt"));
          for (const auto& [step, n] : story::close_moments(kept))
            list << n << " " << step << "\n", test_support::write_file(file("kept " + step), kept[step]);
          return 0;
        },
        record);
    std::ifstream list(file("moments.txt"));
    std::vector<std::string> points;
    int n = 0;
    std::string step;
    while (list >> n && std::getline(list >> std::ws, step))
      for (int m = 0; m < n; ++m) points.push_back("close " + std::to_string(m) + " " + step);
    in_children(
        points,
        [](const std::string& id) {
          const size_t at = id.find(' ', 6);
          const std::string step = id.substr(at + 1),
                            why = story::close_and_continue(test_support::read_file(file("kept " + step)), step,
                                                            std::atoi(id.c_str() + 6));
          std::ofstream(file(id + ".txt")) << "  " << why << "\n";
          return why.empty() ? 0 : why == "the step never came to that moment" ? 4 : 3;
        },
        closes);
    print("closes", closes); runs.dead += closes.dead, runs.crashed += closes.crashed;
  }
  std::filesystem::remove_all(dir);
  return runs.dead + runs.crashed ? 1 : 0;
}
