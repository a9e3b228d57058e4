#pragma once

// Registers the bundled pictures; a static library's resources need an explicit call.
void InitResources();
