#pragma once

#include "format/stamps.h"

/// The local date and time now, from the system's calendar clock.
LocalTime localNow();
