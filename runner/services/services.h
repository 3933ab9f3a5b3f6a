// The host's services, served by groups. Each group serves its own service
// codes and owns its state (a member of Host when it has any). The table in
// services.cpp says which group serves which codes; a code no group serves
// answers 0.
//
// A new group is one file here with its handler, and one row in that table.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "host/protocol.h"

namespace tarvo::run {

struct Host;

// One service the library asked for, while it is being served.
struct ServiceCall {
    Host& host;
    ServiceBlock& block;
    const std::string& text;  // the text argument of the text services

    std::uint32_t code() const { return block.code; }
    // Argument n (1 to 5) as a signed number.
    std::int32_t arg(int n) const {
        const std::uint32_t a[5] = {block.arg1, block.arg2, block.arg3, block.arg4, block.arg5};
        return static_cast<std::int32_t>(a[n - 1]);
    }
    // Argument n (1 to 5) as an address.
    template <typename T>
    T* at(int n) const {
        return FromAddr<T>(static_cast<Addr>(arg(n)));
    }
    void Answer(std::int32_t v) const { block.arg1 = static_cast<std::uint32_t>(v); }
};

using ServiceFn = void (*)(ServiceCall& call);

struct ServiceGroup {
    const char* name;
    std::uint32_t codes[16];  // the codes it serves (the rest 0)
    ServiceFn serve;
    // Before the library loads (false with a reason stops the load) and
    // after it is released; null when the group has nothing to do then.
    bool (*load)(Host& host, std::string* why);
    void (*unload)(Host& host);
};

// Every group, in the order of the table.
std::span<const ServiceGroup> ServiceGroups();
// The group that serves `code` (null: none does).
const ServiceGroup* GroupFor(std::uint32_t code);

// The texts of the services whose first (or, for EvaluateExpression, second)
// argument is a text; empty for the others.
std::string ServiceText(const ServiceBlock& block);

}  // namespace tarvo::run
