#pragma once
#include "settings/dash/ArdixChannelSource.h"
