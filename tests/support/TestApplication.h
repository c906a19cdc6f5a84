#pragma once
// Which application object the test main creates. A process holds one QApplication, so a test
// program whose tests need the program's own subclass registers a maker for it from a static
// initialiser of one of its files; every other test program gets a plain QApplication.
//
//   [[maybe_unused]] const bool registered = lunasoma::test::useApplication(
//       [](int& argc, char** argv) { return std::make_unique<MyApplication>(argc, argv); });

#include <QApplication>

#include <functional>
#include <memory>

namespace lunasoma::test {

using ApplicationMaker = std::function<std::unique_ptr<QApplication>(int& argc, char** argv)>;

// Returns true, so that the call can initialise a namespace-scope constant.
bool useApplication(ApplicationMaker maker);

// The registered maker, else one of a plain QApplication.
std::unique_ptr<QApplication> makeTestApplication(int& argc, char** argv);

}  // namespace lunasoma::test
