// What an uncaught exception does in Velmora.exe: abort, as the standard
// library's own handler does after writing the exception's type to the
// standard error. A window program has no standard error to write to, and
// the library's handler would bring its name demangler (some 45 KB) into the
// executable. Only the shipped program links this; the tests keep the
// library's handler and its message.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx
