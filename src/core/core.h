// One include for the whole core.
#pragma once

#include "core/records.h"
#include "core/helpers.h"
