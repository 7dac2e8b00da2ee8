#pragma once

#include "data_control_holder.h"

using SystemHolder = DataControlHolder;
