#include "platform/quiet_background.h"

#include <allegro.h>
#include <allegro/internal/aintern.h>
#include <allegro/platform/aintunix.h>

#include <atomic>
#include <ctime>

#include <pthread.h>
#include <signal.h>

namespace {

constexpr long kRoundNs = 10 * 1000 * 1000;  // the library's own round
constexpr int kMaxHandlers = 16;

bg_func handlers[kMaxHandlers];
int handler_count = 0;  // the highest entry used, plus one

pthread_t thread;
bool started = false;
std::atomic<bool> alive{false};
std::atomic<bool> ran{false};
// The library's "interrupts disabled": while the count is above 0 no round runs.
pthread_mutex_t cli_mutex = PTHREAD_MUTEX_INITIALIZER;
pthread_cond_t cli_cond = PTHREAD_COND_INITIALIZER;
int cli_count = 0;

void add_ns(timespec* t, long ns) {
  t->tv_nsec += ns;
  while (t->tv_nsec >= 1000000000L) t->tv_nsec -= 1000000000L, ++t->tv_sec;
}

long ns_between(const timespec& a, const timespec& b) {
  return (b.tv_sec - a.tv_sec) * 1000000000L + (b.tv_nsec - a.tv_nsec);
}

// One round every 10 ms, on a steady schedule; after a stall (a round more
// than a round late) the schedule starts again from now, as the library's
// thread runs at most one round to catch up.
void* rounds(void*) {
  sigset_t all;
  sigfillset(&all);
  pthread_sigmask(SIG_BLOCK, &all, nullptr);
  timespec next;
  clock_gettime(CLOCK_MONOTONIC, &next);
  while (alive) {
    add_ns(&next, kRoundNs);
    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (ns_between(next, now) > kRoundNs) next = now;
    pthread_mutex_lock(&cli_mutex);
    while (cli_count > 0) pthread_cond_wait(&cli_cond, &cli_mutex);
    for (int n = 0; n < handler_count; ++n)
      if (handlers[n]) handlers[n](1);
    pthread_mutex_unlock(&cli_mutex);
    ran = true;
  }
  return nullptr;
}

int start() {
  for (bg_func& h : handlers) h = nullptr;
  handler_count = 0;
  cli_count = 0;
  alive = true;
  if (pthread_create(&thread, nullptr, rounds, nullptr) != 0) return alive = false, -1;
  started = true;
  return 0;
}

void stop() {
  if (!started) return;
  alive = false;
  // The library may end itself from one of the handlers (a close in the
  // input handler): the thread cannot wait for itself.
  if (pthread_equal(pthread_self(), thread))
    pthread_detach(thread);
  else
    pthread_join(thread, nullptr);
  started = false;
}

void disable() {
  pthread_mutex_lock(&cli_mutex);
  ++cli_count;
  pthread_mutex_unlock(&cli_mutex);
}

void enable() {
  pthread_mutex_lock(&cli_mutex);
  if (--cli_count == 0) pthread_cond_signal(&cli_cond);
  pthread_mutex_unlock(&cli_mutex);
}

int disabled() {
  return cli_count;
}

int add_handler(bg_func f) {
  disable();
  int i = 0;
  while (i < kMaxHandlers && handlers[i]) ++i;
  if (i < kMaxHandlers) {
    handlers[i] = f;
    if (i >= handler_count) handler_count = i + 1;
  }
  enable();
  return i < kMaxHandlers ? 0 : -1;
}

int drop(bg_func f) {
  int i = 0;
  while (i < handler_count && handlers[i] != f) ++i;
  if (i == handler_count) return -1;
  handlers[i] = nullptr;
  while (handler_count > 0 && !handlers[handler_count - 1]) --handler_count;
  return 0;
}

// A handler may take itself (or another) out during its round, with the
// round's lock held: then without locking again.
int remove_handler(bg_func f) {
  if (started && pthread_equal(pthread_self(), thread)) return drop(f);
  disable();
  const int result = drop(f);
  enable();
  return result;
}

}  // namespace

bool use_quiet_background_thread() {
#ifdef ALLEGRO_HAVE_LIBPTHREAD
  _bg_man_pthreads.init = start;
  _bg_man_pthreads.exit = stop;
  _bg_man_pthreads.register_func = add_handler;
  _bg_man_pthreads.unregister_func = remove_handler;
  _bg_man_pthreads.enable_interrupts = enable;
  _bg_man_pthreads.disable_interrupts = disable;
  _bg_man_pthreads.interrupts_disabled = disabled;
  return true;
#else
  return false;
#endif
}

bool quiet_background_thread_runs() {
  return _unix_bg_man && _unix_bg_man->init == start && started;
}
