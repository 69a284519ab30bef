// Where the step engine's random numbers come from, so that tests can fix
// them. The library's generator serves the program.
#pragma once

class IRandomSource {
 public:
  virtual ~IRandomSource() = default;
  // Seeds the generator from the clock.
  virtual void Randomize() = 0;
  // Uniform in 0 .. range-1; 0 for a range of 0.
  virtual int Random(int range) = 0;
};

// The class library's Randomize and Random.
class TLibraryRandom : public IRandomSource {
 public:
  void Randomize() override;
  int Random(int range) override;
};
