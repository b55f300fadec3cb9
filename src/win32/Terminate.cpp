// SPDX-License-Identifier: MIT
// How lexidor.exe ends on a failure inside the C++ runtime: at once, like any
// other fatal error of the program. The window logic only passes valid rows
// and lengths, so none of these is reached in use; replacing the runtime's
// own versions keeps its exception message classes, their strings and its
// name demangler (about a third of the program) out of the executable.

#include <cstdlib>

namespace __gnu_cxx {
[[noreturn]] void __verbose_terminate_handler()
{
    std::abort();
}
} // namespace __gnu_cxx

namespace std {
[[noreturn]] void __throw_bad_alloc()
{
    std::abort();
}
[[noreturn]] void __throw_bad_array_new_length()
{
    std::abort();
}
[[noreturn]] void __throw_length_error(const char*)
{
    std::abort();
}
[[noreturn]] void __throw_logic_error(const char*)
{
    std::abort();
}
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...)
{
    std::abort();
}
} // namespace std
