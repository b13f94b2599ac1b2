#pragma once
// The running executable's full path as UTF-16, so that a folder name
// outside code page 932 still reaches the shell intact.
#include <string>

namespace velmora {

std::wstring ExecutablePath();

} // namespace velmora
