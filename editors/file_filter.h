#pragma once

// The file dialog filters moved to the engine with the question seam.
#include "engine/file_filter.h"
