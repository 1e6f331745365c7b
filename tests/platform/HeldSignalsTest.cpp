#include "platform/runtime/HeldSignals.h"

#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <thread>

namespace ferolan {
namespace {

// In a child process: any signal that ends a program, sent while held, takes effect only once
// the hold ends, whether the process has one thread or another thread that does not block it.
TEST(HeldSignalsTest, AnEndingSignalWaitsForTheEndOfTheHold) {
  const int signals[] = {SIGINT,  SIGTERM, SIGHUP,  SIGQUIT,   SIGUSR1, SIGUSR2, SIGALRM,
                         SIGPIPE, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF, SIGPWR,  SIGIO,
                         SIGSYS,  SIGTRAP, SIGABRT, SIGRTMIN,  SIGRTMAX};
  for (const bool otherThread : {false, true}) {
    for (const int signal : signals) {
      SCOPED_TRACE(std::to_string(signal) + (otherThread ? " with another thread" : ""));
      int pipe[2];
      ASSERT_EQ(::pipe(pipe), 0);
      const pid_t child = ::fork();
      if (child == 0) {
        const struct rlimit noCore {};  // several of these signals dump a core by default
        ::setrlimit(RLIMIT_CORE, &noCore);
        {
          const HeldSignals held;
          // As a thread made before the hold would, this one does not block the signal, and
          // takes the one sent to it at once.
          if (otherThread) {
            std::thread([signal] {
              sigset_t one;
              sigemptyset(&one);
              sigaddset(&one, signal);
              pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
              ::raise(signal);
            }).join();
          } else {
            ::kill(::getpid(), signal);
          }
          (void)!::write(pipe[1], "held", 4);
        }
        ::_exit(0);
      }
      ::close(pipe[1]);
      char seen[8] = {};
      EXPECT_EQ(::read(pipe[0], seen, sizeof seen), 4);
      ::close(pipe[0]);
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    }
  }
}

}  // namespace
}  // namespace ferolan
