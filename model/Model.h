#pragma once
// The whole model in one include, for callers that want all of it.
#include "model/Biorhythm.h"
#include "model/Calendar.h"
#include "model/DateText.h"
