#pragma once
// A shell operation that failed before anything was saved. The message is
// code page 932 text for the application's standard error box.
#include <windows.h>

#include <stdexcept>

#include "engine/text.h"

namespace velmora {

class ShellError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The system's text for `result`, or its number when the system has none.
ShellError ShellErrorOf(HRESULT result);

} // namespace velmora
