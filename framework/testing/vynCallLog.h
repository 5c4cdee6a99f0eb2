/// @file
/// An ordered record of calls, shared by the test doubles.
///
/// The recording GL binding and the fake platform backend both append here, so that a test can
/// assert one ordered sequence across GL and window-system calls ("glClear", then "SwapBuffers").
/// Arguments keep their kind: integers (enumerants, handles as numbers), floating-point values,
/// addresses and texts. Thread-safe: the caption timer may record from its own thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <ostream>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace vyn {

/// One argument as the log keeps it: an integer, a floating-point value, an address or a text.
using CallArg = std::variant<long long, double, const void*, std::string>;

/// Keeps a value as its kind: texts as strings (a null text as an empty one), other pointers (to
/// functions too) as addresses, floating-point values as double, integers and enumerations as long
/// long.
template <typename T>
CallArg ToCallArg(const T& value) {
    if constexpr (std::is_same_v<T, std::string>)
        return value;
    else if constexpr (std::is_null_pointer_v<T>)
        return static_cast<const void*>(nullptr);
    else if constexpr (std::is_array_v<T> && std::is_convertible_v<T, const char*>)
        return std::string(value);
    else if constexpr (std::is_convertible_v<T, const char*>)
        return std::string(value ? static_cast<const char*>(value) : "");
    else if constexpr (std::is_pointer_v<T> && std::is_function_v<std::remove_pointer_t<T>>)
        return reinterpret_cast<const void*>(value); // a callback (GLU's), kept as its address
    else if constexpr (std::is_pointer_v<T>)
        return static_cast<const void*>(value);
    else if constexpr (std::is_floating_point_v<T>)
        return static_cast<double>(value);
    else if constexpr (std::is_enum_v<T>)
        return static_cast<long long>(value);
    else
        return static_cast<long long>(value);
}

/// One call; records compare equal when their names and arguments do, so that a test can compare
/// a log with the calls it expects.
struct CallRecord {
    std::string Name;          ///< The call's name: "glClear", "SwapBuffers".
    std::vector<CallArg> Args; ///< Its arguments, in order.

    /// Same name, and the same arguments of the same kinds.
    bool operator==(const CallRecord&) const = default;
};

/// Builds a record: Call("glEnable", GL_DEPTH_TEST).
template <typename... Args>
CallRecord Call(std::string name, const Args&... args) {
    return CallRecord{std::move(name), {ToCallArg(args)...}};
}

/// Prints name(arguments), texts quoted and integers also in hexadecimal: how a failed assertion
/// shows a call.
std::ostream& operator<<(std::ostream& out, const CallRecord& call);

/// The log: calls in the order they were made, read as copies.
class CallLog {
  public:
    /// Appends a call.
    void Add(CallRecord call);
    /// Forgets every call.
    void Clear();
    /// Every call, in order.
    std::vector<CallRecord> Calls() const;
    /// Only the calls whose names are among `names`, in order.
    std::vector<CallRecord> Only(const std::vector<std::string>& names) const;
    /// Only the names, in order.
    std::vector<std::string> Names() const;
    /// How many calls there are.
    size_t Size() const;

  private:
    mutable std::mutex Mutex;
    std::vector<CallRecord> Records;
};

} // namespace vyn
