#include "platform/runtime/HeldSignals.h"

#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <thread>

namespace ferolan {
namespace {

// In a child process: a signal that ends a program, sent while held, takes effect only once
// the hold ends, whether the process has one thread or another thread that does not block it.
TEST(HeldSignalsTest, AnEndingSignalWaitsForTheEndOfTheHold) {
  for (const bool otherThread : {false, true}) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
      SCOPED_TRACE(std::to_string(signal) + (otherThread ? " with another thread" : ""));
      int pipe[2];
      ASSERT_EQ(::pipe(pipe), 0);
      const pid_t child = ::fork();
      if (child == 0) {
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
