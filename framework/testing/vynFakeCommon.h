// Private to the fake backend: how its calls are logged and run.
#pragma once

#include "vynFakePlatform.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>

namespace vyn {

// A text argument: a string (empty for no text), or an integer for a resource number.
CallArg FakeArg(const char* text);
template <typename T>
CallArg FakeArg(const T& value) {
    if constexpr (std::is_function_v<std::remove_pointer_t<T>>)
        return reinterpret_cast<const void*>(reinterpret_cast<uintptr_t>(value));
    else
        return ToCallArg(value);
}

template <typename... Args>
CallRecord FakeCall(std::string name, const Args&... args) {
    return CallRecord{std::move(name), {FakeArg(args)...}};
}

// Records the call, does its work unless it is to fail, then runs the test's actions for it.
template <typename Result, typename Body>
Result FakePlatform::Run(CallRecord call, Result failure, Body&& body) {
    const std::string name = call.Name;
    const Result result = Begin(std::move(call)) ? failure : body();
    Finish(name);
    return result;
}

} // namespace vyn
