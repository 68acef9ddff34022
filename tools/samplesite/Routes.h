#pragma once
// Which page answers which path. Every site the program knows shares this one
// server, so pages are told apart by path (and, inside a generator, by query).
#include "Http.h"

#include <optional>

namespace Routes {

using Generator = Reply (*)(const Request &);

// The reply of the first route whose pattern matches the request's path, with
// the pattern's {name} parts filled into request.args; nullopt when none does.
std::optional<Reply> Answer(Request &request);

} // namespace Routes
