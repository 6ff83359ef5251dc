#pragma once

#include <ostream>

#include "host/headless/headless_request.h"
#include "host/headless/headless_session.h"

namespace talvora {

inline constexpr int kHeadlessRunFailed = 1;

// Runs the module's command line on a virtual clock: input from the event
// script, snapshots and the trace as asked. Returns the exit status; a
// problem with the request itself is one line on `errors`.
int RunHeadless(const RunRequest& request, HeadlessServices& services, std::ostream& errors);

}  // namespace talvora
