// Extended VST 2.4 declarations: FST keeps them in the same header.
#pragma once

#include "aeffect.h"
