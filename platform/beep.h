#pragma once

namespace platform {
void realBeep();
}
