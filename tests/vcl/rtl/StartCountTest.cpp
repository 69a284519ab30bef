// The start count behind every library's start-up and shutdown pair: only
// the first start and the shutdown matching it do the work.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/vcl/SysUtils.h"

namespace {

struct Library {
  TStartCount starts;
  int made = 0, freed = 0;
  void Start() {
    starts.Start([this] { ++made; });
  }
  void Done() {
    starts.Done([this] { ++freed; });
  }
};

TEST(StartCount, OnlyTheFirstStartAndTheLastShutdownDoTheWork) {
  Library library;
  library.Start();
  library.Start();
  EXPECT_EQ(library.made, 1);
  library.Done();
  EXPECT_EQ(library.freed, 0);  // the first start still holds it
  library.Done();
  EXPECT_EQ(library.freed, 1);
  library.Start();  // after the last shutdown, a start makes it afresh
  EXPECT_EQ(library.made, 2);
  EXPECT_EQ(library.starts.Count(), 1);
}

TEST(StartCount, AShutdownWithoutAStartDoesNothing) {
  Library library;
  library.Done();
  library.Done();
  EXPECT_EQ(library.freed, 0);
  library.Start();
  EXPECT_EQ(library.made, 1);  // an unmatched shutdown left no debt behind
  library.Done();
  EXPECT_EQ(library.freed, 1);
}

TEST(StartCount, AFailedFirstStartIsNotCounted) {
  TStartCount starts;
  EXPECT_THROW(starts.Start([] { throw std::runtime_error("no device"); }), std::runtime_error);
  EXPECT_EQ(starts.Count(), 0);
  int freed = 0;
  starts.Done([&] { ++freed; });
  EXPECT_EQ(freed, 0);
  int made = 0;
  starts.Start([&] { ++made; });
  EXPECT_EQ(made, 1);  // the next start tries again
}

}  // namespace
