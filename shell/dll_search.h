#pragma once
// Call first thing at start-up: later loads of system DLLs by name then come
// from System32 only, never from the current or the executable's folder.

namespace velmora {

void RestrictDllSearchToSystem32();

} // namespace velmora
