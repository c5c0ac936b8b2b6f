#pragma once

// The registry of the system the game runs on.
#ifdef _WIN32
#include "WindowsRegistry.h"
using SystemRegistry = WindowsRegistry;
#else
#include "DesktopRegistry.h"
using SystemRegistry = DesktopRegistry;
#endif
