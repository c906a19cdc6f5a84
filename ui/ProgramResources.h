#pragma once
// Makes sure the program's compiled-in resources (pointer shapes, logos) are registered before a
// window asks for them. The resources sit in a static library; a program that never names them
// would otherwise be linked without them.

namespace lunasoma {

void registerProgramResources();

}  // namespace lunasoma
