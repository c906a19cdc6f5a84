#pragma once
// A pause that keeps the windows alive: it returns after the given number of seconds and handles
// every window event that arrives meanwhile. It does not block input; callers disable what must
// not be pressed during the pause.

namespace lunasoma {

void waitSeconds(int seconds);

}  // namespace lunasoma
