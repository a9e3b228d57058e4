#pragma once

#include <functional>

// Calls onSignal in the event loop for each SIGTERM, SIGINT and SIGHUP.
void HandleEndSignals(std::function<void()> onSignal);
