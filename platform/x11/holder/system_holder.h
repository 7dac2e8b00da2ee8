#pragma once

#include "selection_holder.h"

using SystemHolder = SelectionHolder;
