// What ends the program when an exception escapes everything (the commands and the window
// procedures catch theirs, so this is the last resort).
//
// The C++ runtime's default handler writes the exception's type, demangled, to stderr and then
// calls abort(). The program has no console, so nobody sees that text, and the name demangler
// that writes it makes up about 50 KB of the executable. Defining the handler here keeps the runtime's
// one out of the link; the program still ends through abort(), as before.

#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
