#include "fakes/fake_system.h"

namespace fakes {

bool FakeInstanceLink::windowExists(const std::string& windowClass) {
  return windowClasses.count(windowClass) > 0;
}

bool FakeInstanceLink::forward(const std::string& windowClass, const std::string& text) {
  if (!windowExists(windowClass)) return false;
  received.emplace_back(windowClass, text);
  return true;
}

}  // namespace fakes
