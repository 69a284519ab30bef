// Tables of event paths whose handler frees its own control: each case
// builds a control with such a handler and gives the input that runs it;
// the run checks that the handler ran once (the sanitizer build reports any
// use of the freed control on the way back) and that another control still
// gets its click afterwards.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <type_traits>
#include <vector>

namespace testsupport {

// What the cases share: the count of frees, and the handler body that
// frees a control.
struct FreeCounter {
  int freed = 0;

  template <class T>
  std::function<void()> Freer(T* control) {
    return [this, control] {
      freed++;
      delete control;
    };
  }
};

template <class Fixture>
struct FreedPathCase {
  const char* name;
  std::function<void(Fixture& t)> run;
};

// Runs every case on t; clickNext clicks the other control and returns how
// often it has been clicked in all.
template <class Fixture>
void RunFreedPaths(std::type_identity_t<Fixture>& t, const std::vector<FreedPathCase<Fixture>>& cases,
                   const std::function<int()>& clickNext) {
  int clicks = 0;
  for (const FreedPathCase<Fixture>& c : cases) {
    SCOPED_TRACE(c.name);
    t.freed = 0;
    c.run(t);
    EXPECT_EQ(t.freed, 1);
    int now = clickNext();
    EXPECT_EQ(now, clicks + 1) << "the next control's click";
    clicks = now;
  }
}

}  // namespace testsupport
