#pragma once
// Sets an environment variable for one scope and puts the old value back.

#include <cstdlib>
#include <optional>
#include <string>

namespace lunasoma::test {

class EnvironmentGuard {
 public:
  // A null value removes the variable for the scope.
  EnvironmentGuard(const char* name, const char* value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~EnvironmentGuard() {
    if (m_old) {
      setenv(m_name, m_old->c_str(), 1);
    } else {
      unsetenv(m_name);
    }
  }
  EnvironmentGuard(const EnvironmentGuard&) = delete;
  EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

 private:
  const char* m_name;
  std::optional<std::string> m_old;
};

}  // namespace lunasoma::test
