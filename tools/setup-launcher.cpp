// Setup.exe: starts the Lunasoma.exe that lies in the same folder in setup mode. It passes the
// single argument SETUP and nothing else, whatever it was itself started with.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

int main() {
  std::vector<char> self(4096);
  const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
  if (length <= 0) {
    std::fprintf(stderr, "Setup: cannot find its own folder: %s\n", std::strerror(errno));
    return 127;
  }
  const std::string own(self.data(), static_cast<std::size_t>(length));
  const std::string program = own.substr(0, own.rfind('/') + 1) + "Lunasoma.exe";

  std::string first = program;
  std::string setup = "SETUP";
  std::vector<char*> arguments{first.data(), setup.data(), nullptr};
  ::execv(program.c_str(), arguments.data());
  std::fprintf(stderr, "Setup: cannot start %s: %s\n", program.c_str(), std::strerror(errno));
  return 127;
}
