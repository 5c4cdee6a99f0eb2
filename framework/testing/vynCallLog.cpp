#include "vynCallLog.h"

#include <algorithm>

namespace vyn {

std::ostream& operator<<(std::ostream& out, const CallRecord& call) {
    out << call.Name << '(';
    for (size_t i = 0; i < call.Args.size(); ++i) {
        if (i > 0)
            out << ", ";
        std::visit(
            [&out](const auto& value) {
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::string>)
                    out << '"' << value << '"';
                else if constexpr (std::is_same_v<T, long long>)
                    out << value << " [0x" << std::hex << value << std::dec << ']';
                else
                    out << value;
            },
            call.Args[i]);
    }
    return out << ')';
}

void CallLog::Add(CallRecord call) {
    std::lock_guard lock(Mutex);
    Records.push_back(std::move(call));
}

void CallLog::Clear() {
    std::lock_guard lock(Mutex);
    Records.clear();
}

std::vector<CallRecord> CallLog::Calls() const {
    std::lock_guard lock(Mutex);
    return Records;
}

std::vector<CallRecord> CallLog::Only(const std::vector<std::string>& names) const {
    std::lock_guard lock(Mutex);
    std::vector<CallRecord> kept;
    for (const CallRecord& call : Records)
        if (std::find(names.begin(), names.end(), call.Name) != names.end())
            kept.push_back(call);
    return kept;
}

std::vector<std::string> CallLog::Names() const {
    std::lock_guard lock(Mutex);
    std::vector<std::string> names;
    names.reserve(Records.size());
    for (const CallRecord& call : Records)
        names.push_back(call.Name);
    return names;
}

size_t CallLog::Size() const {
    std::lock_guard lock(Mutex);
    return Records.size();
}

} // namespace vyn
