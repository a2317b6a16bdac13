// One include for the whole core.
#pragma once

#include "core/records.h"
#include "core/ini.h"
#include "core/helpers.h"
#include "core/masterlists.h"
#include "core/startup.h"
#include "core/gamefile.h"
#include "core/migration.h"
#include "core/ranking.h"
#include "core/printstate.h"
#include "core/series.h"
#include "core/season.h"
