#pragma once
// The door to the window system. Logic calls it; the Qt front end implements it; tests use a
// scripted fake. Texts crossing this door are Windows-1251 bytes.

#include <optional>
#include <string>
#include <string_view>

namespace gx {

class Host {
 public:
  virtual ~Host() = default;

  // Lets the window handle pending events. Long operations call it very often (per dictionary
  // byte, per entry tried), so an implementation must make it cheap, e.g. by checking a clock.
  virtual void ProcessEvents() {}
};

// A host that does nothing: batch runs and benchmarks.
class NullHost : public Host {};

}  // namespace gx
