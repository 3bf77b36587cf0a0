#pragma once

namespace velmora {

class Random {
 public:
  virtual ~Random() = default;
  virtual void reseed() = 0;
  // Uniform in [0, 1): never 1.0.
  virtual float next() = 0;
};

}  // namespace velmora
