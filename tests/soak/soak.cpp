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

// One child's work: a seeded random run, the recording of the close moments, or one close.
struct Job {
  enum class Kind { seed, moments, close } kind;
  int number = 0;    // the seed, or the moment of the close
  std::string step;  // the step of the close
  // Its name, in the report and in its files' names: "seed 7", "moments", "close 3 lead given".
  std::string name() const {
    switch (kind) {
      case Kind::seed: return "seed " + std::to_string(number);
      case Kind::moments: return "moments";
      case Kind::close: return "close " + std::to_string(number) + " " + step;
    }
    return "";
  }
  std::string file(const std::string& ending) const { return dir + "/" + name() + ending; }
};
std::string kept_file(const std::string& step) { return dir + "/kept " + step; }

// How a child's work ended; the child's exit status.
enum class Outcome { finished = 0, dead_end = 3, not_reached = 4 };

struct Tally {
  int played = 0, dead = 0, crashed = 0, unreached = 0;
  double slowest = 0;
  std::string slowest_id;
};

// Runs `work` for each job, `jobs` children at once; a child that ends by a signal has crashed.
void in_children(const std::vector<Job>& jobs, const std::function<Outcome(const Job&)>& work, Tally& t) {
  std::map<pid_t, std::pair<const Job*, Clock::time_point>> running;
  size_t next = 0;
  while (next < jobs.size() || !running.empty()) {
    if (next < jobs.size() && running.size() < static_cast<size_t>(env("SOAK_JOBS", 2))) {
      const Job& job = jobs[next++];
      std::fflush(stdout);
      const pid_t pid = fork();
      if (pid == 0) {
        std::freopen(job.file(".out").c_str(), "w", stdout), dup2(fileno(stdout), 2);
        alarm(900);  // a run that hangs is killed, and counted with the crashes
        std::exit(static_cast<int>(work(job)));
      }
      running[pid] = {&job, Clock::now()};
      continue;
    }
    int status = 0;
    const pid_t pid = wait(&status);
    const auto [job, start] = running[pid];
    running.erase(pid);
    const double s = std::chrono::duration<double>(Clock::now() - start).count();
    ++t.played;
    if (s > t.slowest) t.slowest = s, t.slowest_id = job->name();
    if (WIFSIGNALED(status)) {
      ++t.crashed, std::printf("CRASH  %s: signal %d (output in %s)\n", job->name().c_str(), WTERMSIG(status),
                               job->file(".out").c_str());
      continue;
    }
    switch (static_cast<Outcome>(WEXITSTATUS(status))) {
      case Outcome::finished: break;
      case Outcome::not_reached: ++t.unreached; break;  // the continued game never came to that moment
      case Outcome::dead_end:
      default: {
        ++t.dead;
        std::ifstream in(job->file(".txt"));
        const std::string why(std::istreambuf_iterator<char>(in), {});
        std::printf("DEAD END %s\n%s\n", job->name().c_str(), why.c_str());
      }
    }
  }
}

void print(const char* what, const Tally& t) {
  std::printf("soak %s: %d played, %d dead ends, %d crashes, %d moments not reached; slowest %s, %.1f s\n", what,
              t.played, t.dead, t.crashed, t.unreached, t.slowest_id.c_str(), t.slowest);
}

Outcome random_run(const Job& job, int actions) {
  const story::Run r = story::random_run(job.number, actions);
  std::ofstream out(job.file(".txt"));
  out << "  " << r.trouble << " (" << r.closes << " closes); the last actions (replay: make soak SEED=" << job.number
      << "):\n";
  for (size_t i = r.log.size() > 12 ? r.log.size() - 12 : 0; i < r.log.size(); ++i) out << "    " << r.log[i] << "\n";
  return r.trouble.empty() ? Outcome::finished : Outcome::dead_end;
}

// The moments of each step and the game kept before it, from one child; then one close per moment.
std::vector<Job> record_closes(Tally& record) {
  const Job moments{Job::Kind::moments};
  in_children(
      {moments},
      [](const Job& job) {
        std::map<std::string, std::string> kept;
        std::ofstream list(job.file(".txt"));
        for (const auto& [step, n] : story::close_moments(kept))
          list << n << " " << step << "\n", test_support::write_file(kept_file(step), kept[step]);
        return Outcome::finished;
      },
      record);
  std::ifstream list(moments.file(".txt"));
  std::vector<Job> closes;
  int n = 0;
  std::string step;
  while (list >> n && std::getline(list >> std::ws, step))
    for (int m = 0; m < n; ++m) closes.push_back({Job::Kind::close, m, step});
  return closes;
}

Outcome close_and_finish(const Job& job) {
  const story::CloseResult r =
      story::close_and_continue(test_support::read_file(kept_file(job.step)), job.step, job.number);
  std::ofstream(job.file(".txt")) << "  " << r.trouble << "\n";
  switch (r.outcome) {
    case story::CloseResult::Outcome::finished: return Outcome::finished;
    case story::CloseResult::Outcome::not_reached: return Outcome::not_reached;
    case story::CloseResult::Outcome::dead_end: break;
  }
  return Outcome::dead_end;
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
  std::vector<Job> runs;
  for (int s = first; s < first + seeds; ++s) runs.push_back({Job::Kind::seed, s});
  Tally ran;
  const Clock::time_point start = Clock::now();
  in_children(runs, [actions](const Job& job) { return random_run(job, actions); }, ran);
  print("random runs", ran);
  std::printf("soak random runs: %.1f min in all, %d at once\n",
              std::chrono::duration<double>(Clock::now() - start).count() / 60, env("SOAK_JOBS", 2));

  if (env("SOAK_CLOSES", 1)) {
    Tally record, closes;
    in_children(record_closes(record), close_and_finish, closes);
    print("closes", closes); ran.dead += closes.dead, ran.crashed += closes.crashed;
  }
  std::filesystem::remove_all(dir);
  return ran.dead + ran.crashed ? 1 : 0;
}
