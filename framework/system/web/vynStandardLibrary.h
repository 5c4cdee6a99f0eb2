// What the browser build's standard library (Emscripten 3.1's libc++ 13) lacks of C++20 and the
// framework uses: std::bit_cast (made of the compiler's built-in) and
// std::make_unique_for_overwrite. The web build includes this header before every source
// (framework/CMakeLists.txt), so the framework's code stays standard C++20.
#pragma once

#include <version>

#if !defined(__cpp_lib_bit_cast)
#include <type_traits>

namespace std {

template <class To, class From>
requires(sizeof(To) == sizeof(From) && is_trivially_copyable_v<To> &&
         is_trivially_copyable_v<From>) constexpr To bit_cast(const From& from) noexcept {
    return __builtin_bit_cast(To, from);
}

} // namespace std
#endif

#if !defined(__cpp_lib_smart_ptr_for_overwrite)
#include <memory>

namespace std {

template <class T>
requires is_unbounded_array_v<T> unique_ptr<T> make_unique_for_overwrite(size_t size) {
    return unique_ptr<T>(new remove_extent_t<T>[size]);
}

} // namespace std
#endif
