#pragma once

#include <string>
#include <tl/expected.hpp>

namespace corvane {

// The one shape of a result that may fail: the value, or a message that says
// what went wrong in words a user can act on ("'2026-02-30' is not a real
// date", "cannot write /x/dismissal.txt: Permission denied"). Functions that
// return one are [[nodiscard]], so that no caller drops a failure.
template <typename T>
using Result = tl::expected<T, std::string>;

// What a failing function returns: `return Failure{"…"};`.
using Failure = tl::unexpected<std::string>;

// A result that carries no value: success, or a message.
using Done = Result<void>;

}  // namespace corvane
